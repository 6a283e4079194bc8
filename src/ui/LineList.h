#pragma once

#include <QListView>
#include <QStringList>
#include <optional>

class QStringListModel;

namespace forgeline {

// A single-selection list of text lines backed by a model, so tens of thousands of lines show
// at once. Every line shows whole, never cut with an ellipsis: the rows are as wide as the
// widest line, with a horizontal scroll bar when that is wider than the list. Selecting a
// line, by the user or by the program, emits lineSelected.
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
    // Removes the line and leaves no line selected.
    void remove(int row);
    void clear();
    void setLines(const QStringList& lines);
    // Puts the lines in place of the `count` lines from `row`, leaves no line selected, and
    // gives back the lines taken out.
    QStringList replaceLines(int row, int count, const QStringList& lines);

    // The selected row, or -1.
    int selectedRow() const;
    // Selects the row (-1 selects none); emits lineSelected also when the row was already
    // selected, as a click on it would.
    void selectRow(int row);
    // Selects the row (-1 selects none) as a step of the history left it, without emitting
    // lineSelected: the entry fields keep what they hold.
    void showSelected(int row);

    // The width of the widest line in the list's font, in pixels.
    int widestLine() const;

  signals:
    void lineSelected(int row);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void widenFor(const QStringList& lines);

    QStringListModel* model_;
    // In 64ths of a pixel: measured once for all lines when first needed, then widened as
    // lines come; nothing once a line goes or the font changes.
    mutable std::optional<qint64> widest_;
};

} // namespace forgeline
