#include "ui/Captions.h"

#include "ui/Twips.h"

#include <QLabel>
#include <QPainter>
#include <QStyleOptionButton>
#include <algorithm>

namespace forgeline {

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
