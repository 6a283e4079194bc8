#include "ui/LineList.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QItemSelectionModel>
#include <QStringListModel>
#include <QStyledItemDelegate>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cmath>

namespace forgeline {
namespace {

// With uniform item sizes the view sizes every row like one sample row; this makes the sample
// as wide as the widest line.
class WidestLineDelegate final : public QStyledItemDelegate {
  public:
    explicit WidestLineDelegate(LineList* list) : QStyledItemDelegate(list), list_(list) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        const int own = list_->fontMetrics().horizontalAdvance(index.data().toString());
        size.setWidth(size.width() - own + std::max(own, list_->widestLine()));
        return size;
    }

  private:
    LineList* list_;
};

// The widest of the lines, or `widest` if none is wider, in 64ths of a pixel. Measured by the
// advances of their characters, so a whole file's lines take milliseconds, not a second of
// text layout each time; the few pixels of kerning this ignores only widen the rows.
qint64 widestOf(const QFontMetricsF& metrics, const QStringList& lines, qint64 widest) {
    std::array<qint64, 256> latin1{};
    for (char16_t c = 0; c < latin1.size(); ++c) {
        latin1[c] = static_cast<qint64>(std::ceil(metrics.horizontalAdvance(QChar(c)) * 64));
    }
    for (const QString& line : lines) {
        qint64 width = 0;
        for (const QChar c : line) {
            width += c.unicode() < latin1.size()
                         ? latin1[c.unicode()]
                         : static_cast<qint64>(std::ceil(metrics.horizontalAdvance(c) * 64));
        }
        widest = std::max(widest, width);
    }
    return widest;
}

} // namespace

LineList::LineList(QWidget* parent) : QListView(parent), model_(new QStringListModel(this)) {
    setModel(model_);
    setItemDelegate(new WidestLineDelegate(this));
    setTextElideMode(Qt::ElideNone);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (const int row = selectedRow(); row >= 0) {
            emit lineSelected(row);
        }
    });
}

int LineList::count() const {
    return model_->rowCount();
}

QString LineList::line(int row) const {
    return model_->data(model_->index(row), Qt::DisplayRole).toString();
}

QStringList LineList::lines() const {
    return model_->stringList();
}

void LineList::append(const QString& line) {
    insert(count(), line);
}

void LineList::appendAll(const QStringList& lines) {
    if (lines.isEmpty()) {
        return;
    }
    if (count() == 0) {
        // One reset instead of a signal per line: a whole file's lines show at once.
        setLines(lines);
        return;
    }
    widenFor(lines);
    const int first = count();
    model_->insertRows(first, static_cast<int>(lines.size()));
    for (int i = 0; i < lines.size(); ++i) {
        model_->setData(model_->index(first + i), lines[i]);
    }
}

void LineList::insert(int row, const QString& line) {
    widenFor({line});
    model_->insertRows(row, 1);
    model_->setData(model_->index(row), line);
}

void LineList::replace(int row, const QString& line) {
    widenFor({line});
    model_->setData(model_->index(row), line);
}

void LineList::remove(int row) {
    // The view would select the next line in place of a removed selected one, as if the user
    // had clicked it; no line is selected afterwards instead.
    selectionModel()->clear();
    widest_.reset();
    model_->removeRows(row, 1);
}

void LineList::clear() {
    setLines({});
}

void LineList::setLines(const QStringList& lines) {
    widest_.reset();
    model_->setStringList(lines);
}

QStringList LineList::replaceLines(int row, int count, const QStringList& lines) {
    selectionModel()->clear();
    widest_.reset();
    if (row == 0 && count == this->count()) {
        // The whole list changes hands without a copy of its lines.
        QStringList taken = model_->stringList();
        model_->setStringList(lines);
        return taken;
    }
    QStringList taken = model_->stringList().mid(row, count);
    if (count == lines.size()) {
        for (int i = 0; i < count; ++i) {
            model_->setData(model_->index(row + i), lines[i]);
        }
        return taken;
    }
    model_->removeRows(row, count);
    model_->insertRows(row, static_cast<int>(lines.size()));
    for (int i = 0; i < lines.size(); ++i) {
        model_->setData(model_->index(row + i), lines[i]);
    }
    return taken;
}

int LineList::widestLine() const {
    if (!widest_) {
        widest_ = widestOf(QFontMetricsF(font()), lines(), 0);
    }
    return static_cast<int>(std::min<qint64>((*widest_ + 63) / 64, QWIDGETSIZE_MAX));
}

void LineList::widenFor(const QStringList& lines) {
    if (widest_) {
        widest_ = widestOf(QFontMetricsF(font()), lines, *widest_);
    }
}

void LineList::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        widest_.reset();
    }
    QListView::changeEvent(event);
}

int LineList::selectedRow() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void LineList::selectRow(int row) {
    if (row < 0 || row >= count()) {
        selectionModel()->clearSelection();
        return;
    }
    if (row == selectedRow()) {
        emit lineSelected(row);
        return;
    }
    selectionModel()->setCurrentIndex(model_->index(row), QItemSelectionModel::ClearAndSelect);
}

void LineList::showSelected(int row) {
    const QSignalBlocker quiet(this);
    if (row < 0 || row >= count()) {
        selectionModel()->clear();
        return;
    }
    selectionModel()->setCurrentIndex(model_->index(row), QItemSelectionModel::ClearAndSelect);
    scrollTo(model_->index(row));
}

} // namespace forgeline
