#include "ui/LineModel.h"

#include <algorithm>
#include <ranges>
#include <utility>

namespace forgeline {

int LineModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

QModelIndex LineModel::index(int row, int column, const QModelIndex& parent) const {
    const bool shown = row >= 0 && row < lines_.size() && column == 0 && !parent.isValid();
    return shown ? createIndex(row, column) : QModelIndex();
}

QVariant LineModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= lines_.size() ||
        (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return {};
    }
    return lines_.at(index.row());
}

void LineModel::setLines(QStringList lines) {
    beginResetModel();
    lines_ = std::move(lines);
    endResetModel();
}

bool LineModel::isEveryRow(const std::vector<int>& rows, qsizetype count) {
    return rows.size() == std::size_t(count) &&
           std::equal(rows.begin(), rows.end(), std::views::iota(0).begin());
}

void LineModel::replaceEach(const std::vector<int>& rows, const QStringList& lines) {
    if (rows.empty()) {
        return;
    }
    // Every row in order: the new lines are the whole list, taken without a copy of it.
    if (lines.size() == lines_.size() && isEveryRow(rows, lines_.size())) {
        lines_ = lines;
    } else {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            lines_[rows[i]] = lines[static_cast<qsizetype>(i)];
        }
    }
    emit dataChanged(index(rows.front()), index(rows.back()));
}

QStringList LineModel::replace(int row, int count, QStringList lines) {
    const auto added = static_cast<int>(lines.size());
    if (added == count) {
        if (count == 0) {
            return lines;
        }
        // The whole list in place: it changes hands without a copy of its lines.
        if (count == lines_.size()) {
            std::swap(lines_, lines);
        } else {
            for (int i = 0; i < count; ++i) {
                lines_[row + i].swap(lines[i]);
            }
        }
        emit dataChanged(index(row), index(row + count - 1));
        return lines;
    }
    if (row == 0 && count == lines_.size()) {
        // The whole list changes hands without a copy of its lines.
        beginResetModel();
        std::swap(lines_, lines);
        endResetModel();
        return lines;
    }
    QStringList taken = lines_.mid(row, count);
    if (count > 0) {
        beginRemoveRows({}, row, row + count - 1);
        lines_.remove(row, count);
        endRemoveRows();
    }
    if (added > 0) {
        beginInsertRows({}, row, row + added - 1);
        lines_.insert(row, added, QString());
        for (int i = 0; i < added; ++i) {
            lines_[row + i].swap(lines[i]);
        }
        endInsertRows();
    }
    return taken;
}

} // namespace forgeline
