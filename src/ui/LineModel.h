#pragma once

#include <QAbstractListModel>
#include <QStringList>
#include <vector>

namespace forgeline {

// The lines of a LineList. Every change is told to the views once, however many lines it
// touches: thirty thousand ships moved on the map are one change of thirty thousand rows.
class LineModel final : public QAbstractListModel {
    Q_OBJECT

  public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    // What the list model gives, without its three virtual calls: the view asks for an index of
    // every row each time it lays them out.
    QModelIndex index(int row, int column = 0, const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    const QStringList& lines() const { return lines_; }
    void setLines(QStringList lines);
    // Whether the rows are every row of `count`, in order.
    static bool isEveryRow(const std::vector<int>& rows, qsizetype count);
    // Changes the lines of the ascending rows in place.
    void replaceEach(const std::vector<int>& rows, const QStringList& lines);
    // Puts `lines` in place of the `count` lines from `row` and gives back those. As many lines
    // as were there change in place; a whole list of another length is a new list; otherwise
    // the rows are removed and inserted.
    QStringList replace(int row, int count, QStringList lines);

  private:
    QStringList lines_;
};

} // namespace forgeline
