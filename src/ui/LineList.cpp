#include "ui/LineList.h"

#include <QItemSelectionModel>
#include <QStringListModel>

namespace forgeline {

LineList::LineList(QWidget* parent) : QListView(parent), model_(new QStringListModel(this)) {
    setModel(model_);
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
        model_->setStringList(lines);
        return;
    }
    const int first = count();
    model_->insertRows(first, static_cast<int>(lines.size()));
    for (int i = 0; i < lines.size(); ++i) {
        model_->setData(model_->index(first + i), lines[i]);
    }
}

void LineList::insert(int row, const QString& line) {
    model_->insertRows(row, 1);
    model_->setData(model_->index(row), line);
}

void LineList::replace(int row, const QString& line) {
    model_->setData(model_->index(row), line);
}

void LineList::remove(int row) {
    // The view would select the next line in place of a removed selected one, as if the user
    // had clicked it; no line is selected afterwards instead.
    selectionModel()->clear();
    model_->removeRows(row, 1);
}

void LineList::clear() {
    model_->setStringList({});
}

void LineList::setLines(const QStringList& lines) {
    model_->setStringList(lines);
}

QStringList LineList::replaceLines(int row, int count, const QStringList& lines) {
    selectionModel()->clear();
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
