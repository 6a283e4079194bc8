#include "ui/LineModel.h"

#include <QSignalSpy>
#include <QtTest>

using namespace forgeline;

class LineModelTest : public QObject {
    Q_OBJECT

  private slots:
    void linesChangeInPlaceAsTheRowsSay();
    void givesAnIndexForEachRowShownAndNoneElse();
};

namespace {

const QStringList Before = {"a", "b", "c"};

// The rows the one change told of, first and last.
std::pair<int, int> toldRows(const QSignalSpy& changed) {
    return {changed.at(0).at(0).value<QModelIndex>().row(),
            changed.at(0).at(1).value<QModelIndex>().row()};
}

} // namespace

void LineModelTest::linesChangeInPlaceAsTheRowsSay() {
    const struct {
        std::vector<int> rows;
        QStringList lines;
        QStringList after;
    } eachRows[] = {
        {{0, 1, 2}, {"x", "y", "z"}, {"x", "y", "z"}},
        {{1}, {"y"}, {"a", "y", "c"}},
        {{0, 2}, {"x", "z"}, {"x", "b", "z"}},
        // As many rows as lines, but not each of them.
        {{0, 0, 2}, {"x", "y", "z"}, {"y", "b", "z"}},
    };
    for (const auto& row : eachRows) {
        LineModel model;
        model.setLines(Before);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        model.replaceEach(row.rows, row.lines);
        QCOMPARE(model.lines(), row.after);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(toldRows(changed), std::pair(row.rows.front(), row.rows.back()));
    }

    const struct {
        int row;
        int count;
        QStringList lines;
        QStringList after;
        QStringList given;
    } replaced[] = {
        {0, 3, {"x", "y", "z"}, {"x", "y", "z"}, Before},
        {1, 2, {"y", "z"}, {"a", "y", "z"}, {"b", "c"}},
        {0, 2, {"x", "y"}, {"x", "y", "c"}, {"a", "b"}},
    };
    for (const auto& row : replaced) {
        LineModel model;
        model.setLines(Before);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QCOMPARE(model.replace(row.row, row.count, row.lines), row.given);
        QCOMPARE(model.lines(), row.after);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(toldRows(changed), std::pair(row.row, row.row + row.count - 1));
    }
}

void LineModelTest::givesAnIndexForEachRowShownAndNoneElse() {
    LineModel model;
    model.setLines(Before);
    const QModelIndex first = model.index(0);
    const struct {
        int row;
        int column;
        QModelIndex parent;
        bool valid;
    } asked[] = {
        {0, 0, {}, true},  {2, 0, {}, true},   {3, 0, {}, false},    {-1, 0, {}, false},
        {0, 1, {}, false}, {0, -1, {}, false}, {0, 0, first, false},
    };
    for (const auto& row : asked) {
        const QModelIndex index = model.index(row.row, row.column, row.parent);
        if (!row.valid) {
            QCOMPARE(index, QModelIndex());
            continue;
        }
        QCOMPARE(index.row(), row.row);
        QCOMPARE(index.column(), 0);
        QCOMPARE(index.data().toString(), Before.at(row.row));
    }
}

QTEST_MAIN(LineModelTest)
#include "LineModelTest.moc"
