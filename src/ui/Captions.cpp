#include "ui/Captions.h"

#include "files/ScenarioSource.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>

namespace forgeline {

void FitCountBox(QLineEdit* box) {
    // As a line edit lays out its text: inside its frame, a margin of 2 on either side, and
    // room for the cursor.
    const int frame = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box);
    const int text = box->fontMetrics().horizontalAdvance(QString::number(ScenarioForceLineLimit));
    const int width = std::max(box->width(), text + 2 * 2 + 1 + 2 * frame);
    box->setGeometry(box->geometry().right() + 1 - width, box->y(), width, box->height());
}

void KeepClearOf(QLabel* label, const QWidget* box) {
    const int right = box->x() - TwipsToPixelsX(box, 60);
    const int width = std::max(right - label->x(), label->sizeHint().width());
    label->setGeometry(right - width, label->y(), width, label->height());
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
}

WrappingCheckBox::WrappingCheckBox(const QString& text, QWidget* parent)
    : QCheckBox(text, parent) {}

void WrappingCheckBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect textRect = style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this);
    // The tick and the focus frame as the style draws them, the caption in wrapped lines.
    const QString caption = option.text;
    option.text.clear();
    style()->drawControl(QStyle::CE_CheckBox, &option, &painter, this);
    style()->drawItemText(&painter, textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                          option.palette, isEnabled(), caption, QPalette::WindowText);
}

bool WrappingCheckBox::hitButton(const QPoint& position) const {
    return rect().contains(position);
}

} // namespace forgeline
