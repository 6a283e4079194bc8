#include "ui/LineList.h"

#include "ui/LineModel.h"
#include "ui/Text.h"

#include <QAccessible>
#include <QEvent>
#include <QFontMetricsF>
#include <QItemSelectionModel>
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

// Whether `lines` share their text with those `held` holds, each at the same row.
bool sameStrings(const QStringList& held, const QStringList& lines) {
    return held.size() == lines.size() &&
           std::equal(lines.begin(), lines.end(), held.begin(), SharesText);
}

} // namespace

LineList::LineList(QWidget* parent) : QListView(parent), model_(new LineModel(this)) {
    setModel(model_);
    setItemDelegate(new WidestLineDelegate(this));
    setTextElideMode(Qt::ElideNone);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const QItemSelection selection = selectionModel()->selection();
        if (selection.size() == 1 && selection.first().height() == 1) {
            emit lineSelected(selection.first().top());
        }
    });
}

int LineList::count() const {
    return model_->rowCount();
}

QString LineList::line(int row) const {
    return row >= 0 && row < count() ? model_->lines().at(row) : QString();
}

QStringList LineList::lines() const {
    return model_->lines();
}

void LineList::append(const QString& line) {
    insert(count(), line);
}

void LineList::appendAll(const QStringList& lines) {
    if (lines.isEmpty()) {
        return;
    }
    if (count() == 0) {
        // A reset instead of rows inserted: a whole file's lines show at once.
        setLines(lines);
        return;
    }
    widenFor(lines);
    model_->replace(count(), 0, lines);
}

void LineList::insert(int row, const QString& line) {
    widenFor({line});
    model_->replace(row, 0, {line});
}

void LineList::replace(int row, const QString& line) {
    replaceEach({row}, {line});
}

void LineList::replaceEach(const std::vector<int>& rows, const QStringList& lines) {
    if (LineModel::isEveryRow(rows, count()) && lines.size() == count()) {
        widenForWhole(lines);
    } else {
        widenFor(lines);
    }
    model_->replaceEach(rows, lines);
}

void LineList::remove(int row) {
    // The view would select the next line in place of a removed selected one, as if the user
    // had clicked it; no line is selected afterwards instead.
    selectionModel()->clear();
    forgetWidest();
    model_->replace(row, 1, {});
}

void LineList::clear() {
    setLines({});
}

void LineList::setLines(const QStringList& lines) {
    forgetWidest();
    model_->setLines(lines);
}

QStringList LineList::replaceLines(int row, int count, const QStringList& lines) {
    if (count != lines.size()) {
        selectionModel()->clear();
    }
    // Lines only added can only widen the list: ten thousand pasted are measured, not the
    // whole list again.
    if (count == 0) {
        widenFor(lines);
    } else if (row == 0 && count == this->count() && lines.size() == count) {
        widenForWhole(lines);
    } else {
        forgetWidest();
    }
    return model_->replace(row, count, lines);
}

int LineList::widestLine() const {
    if (!widest_) {
        widest_ = widestOf(QFontMetricsF(font()), lines(), 0);
    }
    return static_cast<int>(std::min<qint64>((*widest_ + 63) / 64, QWIDGETSIZE_MAX));
}

void LineList::doItemsLayout() {
    laidOutRowSize_ = count() > 0 ? rowSize() : QSize();
    QListView::doItemsLayout();
}

void LineList::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                           const QList<int>& roles) {
    // QListView lays out every row anew after a change of their text, and without that Qt
    // looks up where each changed row lies: thirty thousand rows take milliseconds either way.
    // Rows of one size keep their places, so a change of many rows that leaves that size alone
    // paints the list anew and tells assistive tools, as Qt does, and no more.
    if (topLeft == bottomRight || count() == 0 || rowSize() != laidOutRowSize_) {
        QListView::dataChanged(topLeft, bottomRight, roles);
        return;
    }
    viewport()->update();
#if QT_CONFIG(accessibility)
    if (QAccessible::isActive()) {
        QAccessibleTableModelChangeEvent changed(this,
                                                 QAccessibleTableModelChangeEvent::DataChanged);
        changed.setFirstRow(topLeft.row());
        changed.setLastRow(bottomRight.row());
        changed.setFirstColumn(0);
        changed.setLastColumn(0);
        QAccessible::updateAccessibility(&changed);
    }
#endif
}

QSize LineList::rowSize() const {
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    return itemDelegate()->sizeHint(option, model_->index(0));
}

void LineList::widenFor(const QStringList& lines) {
    if (widest_) {
        widest_ = widestOf(QFontMetricsF(font()), lines, *widest_);
    }
}

void LineList::widenForWhole(const QStringList& lines) {
    // Lines the list held while the widest was known are no wider, and it has only grown since.
    if (!sameStrings(heldBefore_, lines)) {
        widenFor(lines);
    }
    heldBefore_ = widest_ ? model_->lines() : QStringList();
}

void LineList::forgetWidest() {
    widest_.reset();
    heldBefore_.clear();
}

void LineList::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        forgetWidest();
    }
    QListView::changeEvent(event);
}

QRegion LineList::visualRegionForSelection(const QItemSelection& selection) const {
    // The view would measure every selected row to know what to repaint: thirty thousand
    // selected at once then cost more than drawing the rows shown.
    qsizetype rows = 0;
    for (const QItemSelectionRange& range : selection) {
        rows += range.height();
    }
    const int shown = viewport()->height() / std::max(1, fontMetrics().height()) + 1;
    if (rows > shown) {
        return QRegion(viewport()->rect());
    }
    return QListView::visualRegionForSelection(selection);
}

void LineList::setManySelectable(bool many) {
    setSelectionMode(many ? QAbstractItemView::ExtendedSelection
                          : QAbstractItemView::SingleSelection);
}

int LineList::selectedRow() const {
    const std::vector<RowRun> runs = selectedRuns();
    return runs.empty() ? -1 : runs.front().first;
}

std::vector<int> LineList::selectedRows() const {
    return RowsOf(selectedRuns());
}

std::vector<RowRun> LineList::selectedRuns() const {
    std::vector<RowRun> runs;
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        runs.push_back({range.top(), range.bottom()});
    }
    return JoinedRuns(std::move(runs));
}

void LineList::selectRows(const std::vector<int>& rows) {
    if (rows.size() == 1) {
        return selectRow(rows.front());
    }
    QItemSelection selection;
    for (const RowRun& run : RunsOf(rows)) {
        selection.select(model_->index(run.first), model_->index(run.last));
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (!rows.empty()) {
        selectionModel()->setCurrentIndex(model_->index(rows.back()),
                                          QItemSelectionModel::NoUpdate);
    }
}

void LineList::showSelectedRows(const std::vector<int>& rows) {
    const QSignalBlocker quiet(this);
    selectRows(rows);
    if (!rows.empty()) {
        scrollTo(model_->index(rows.front()));
    }
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

} // namespace forgeline
