#pragma once

#include "model/RowRuns.h"

#include <QListView>
#include <QStringList>
#include <optional>
#include <vector>

namespace forgeline {

class LineModel;

// A list of text lines backed by a model, so tens of thousands of lines show at once. Every line
// shows whole, never cut with an ellipsis: the rows are as wide as the widest line, with a
// horizontal scroll bar when that is wider than the list. One line is selected at a time unless
// setManySelectable(true). A selection of one line, by the user or by the program, emits
// lineSelected.
class LineList : public QListView {
    Q_OBJECT

  public:
    explicit LineList(QWidget* parent = nullptr);

    int count() const;
    QString line(int row) const;
    QStringList lines() const;

    void append(const QString& line);
    void appendAll(const QStringList& lines);
    void insert(int row, const QString& line);
    // Changes the line in place: its selection stays.
    void replace(int row, const QString& line);
    // Changes the lines of the ascending rows in place, telling the views once.
    void replaceEach(const std::vector<int>& rows, const QStringList& lines);
    // Removes the line and leaves no line selected.
    void remove(int row);
    void clear();
    void setLines(const QStringList& lines);
    // Puts the lines in place of the `count` lines from `row` and gives back the lines taken
    // out. Lines added or taken away leave no line selected; as many lines as went keep the
    // selection of the rows they take.
    QStringList replaceLines(int row, int count, const QStringList& lines);

    void setManySelectable(bool many);
    // The first selected row, or -1.
    int selectedRow() const;
    // Every selected row, ascending.
    std::vector<int> selectedRows() const;
    // The same as runs of neighbours.
    std::vector<RowRun> selectedRuns() const;
    // Selects these rows (ascending) alone, as the user would; none for an empty list.
    void selectRows(const std::vector<int>& rows);
    // Selects the rows as a step of the history left them, without emitting lineSelected: the
    // entry fields keep what they hold.
    void showSelectedRows(const std::vector<int>& rows);
    // Selects the row (-1 selects none); emits lineSelected also when the row was already
    // selected, as a click on it would.
    void selectRow(int row);

    // The width of the widest line in the list's font, in pixels.
    int widestLine() const;

    void doItemsLayout() override;

  signals:
    void lineSelected(int row);

  protected:
    void changeEvent(QEvent* event) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;

  private:
    void widenFor(const QStringList& lines);
    // Widens the rows for a new list of as many lines in place of the whole, unless it holds
    // the very lines the list held before its last such change, and keeps the lines it had.
    void widenForWhole(const QStringList& lines);
    void forgetWidest();
    // The size every row takes, that of the first.
    QSize rowSize() const;

    LineModel* model_;
    // In 64ths of a pixel: measured once for all lines when first needed, then widened as
    // lines come; nothing once a line goes or the font changes.
    mutable std::optional<qint64> widest_;
    // The whole list before its last change of every line in place, kept while the widest is
    // known: none of its lines is wider, so the undo of a move of 30 000 ships measures none.
    QStringList heldBefore_;
    // The row size of the last layout.
    QSize laidOutRowSize_;
};

} // namespace forgeline
