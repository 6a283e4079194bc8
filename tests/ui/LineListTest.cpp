#include "ui/LineList.h"

#include <QtTest>
#include <functional>

using namespace forgeline;

class LineListTest : public QObject {
    Q_OBJECT

  private slots:
    void rowsStayAsWideAsEveryLinePutBack();
};

void LineListTest::rowsStayAsWideAsEveryLinePutBack() {
    const QString wide = QString(80, 'W');
    const QStringList held = {wide, QStringLiteral("x"), QStringLiteral("y")};
    const QStringList narrow = {QStringLiteral("short"), held[1], held[2]};
    const auto widthOf = [](const LineList& list, const QString& line) {
        return list.fontMetrics().horizontalAdvance(line);
    };
    // Ways of changing the list after the wide line made way for a narrow one, each leaving
    // the list as long as before. Those that forget the widest must not trust what the list held.
    const struct {
        const char* name;
        std::function<void(LineList&)> change;
    } changes[] = {
        {"nothing", [](LineList&) {}},
        {"a bigger font",
         [](LineList& list) {
             QFont font = list.font();
             font.setPointSize(font.pointSize() * 2);
             list.setFont(font);
         }},
        {"a line removed and another added",
         [](LineList& list) {
             list.remove(2);
             list.widestLine();
             list.append(QStringLiteral("z"));
         }},
        {"the same lines set anew", [&](LineList& list) { list.setLines(narrow); }},
        {"one line replaced by two and two by one",
         [](LineList& list) {
             list.replaceLines(2, 1, {QStringLiteral("z"), QStringLiteral("z")});
             list.widestLine();
             list.replaceLines(2, 2, {QStringLiteral("z")});
         }},
    };
    for (const auto& row : changes) {
        LineList list;
        list.setLines(held);
        list.widestLine();
        list.replaceEach({0, 1, 2}, narrow);
        row.change(list);
        list.widestLine();
        // The undo of a change of every line puts back the lines held before.
        list.replaceLines(0, 3, held);
        QVERIFY2(list.widestLine() >= widthOf(list, wide), row.name);
    }

    // A line of the same length that is not the one held is measured.
    {
        LineList list;
        list.setLines({QString(80, 'i'), held[1], held[2]});
        list.widestLine();
        list.replaceEach({0, 1, 2}, narrow);
        list.replaceLines(0, 3, held);
        QVERIFY(list.widestLine() >= widthOf(list, wide));
    }
    // Lines held while the widest was not known are measured when put back.
    {
        LineList list;
        list.setLines(held);
        list.replaceEach({0, 1, 2}, narrow);
        list.widestLine();
        list.replaceLines(0, 3, held);
        QVERIFY(list.widestLine() >= widthOf(list, wide));
    }
}

QTEST_MAIN(LineListTest)
#include "LineListTest.moc"
