#include "map/window/TacticalMap.h"

#include "map/MapGeometry.h"
#include "map/MapShips.h"
#include "map/window/MapView.h"
#include "ui/Text.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QSignalSpy>
#include <QWheelEvent>
#include <QtTest>

namespace forgeline {
namespace {

const QStringList Fleet = {
    "Federation Destroyer Hornet 0 0 90 2 <player> ()",
    "Klingon BC Korg 1500 -200 270 3 <internal> ()",
    "Romulan WE Talon - 0 0 1 <internal> ()",
    "Orion Raider Blade -800 600 45 1 <internal> ()",
    "Orion Raider",
};

QPoint viewPointOf(const MapView* view, double x, double y) {
    const MapPoint at = view->transform().toView({x, y});
    return {qRound(at.x), qRound(at.y)};
}

void wheel(QWidget* widget, QPoint at, int degreesTimesEight) {
    QWheelEvent event(at, widget->mapToGlobal(at), {}, {0, degreesTimesEight}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

} // namespace

class TacticalMapTest : public QObject {
    Q_OBJECT

  private slots:
    void showsLinesAndReportsClickedMarkers();
    void thirtyThousandShipsShowWithinASecond();
};

void TacticalMapTest::showsLinesAndReportsClickedMarkers() {
    TacticalMap map;
    map.show();
    QVERIFY(QTest::qWaitForWindowExposed(&map));
    QCOMPARE(map.objectName(), QStringLiteral("TacticalMap"));
    QCOMPARE(map.windowTitle(), QStringLiteral("Tactical Map"));
    QVERIFY(map.isWindow());
    auto* view = map.findChild<MapView*>(QStringLiteral("mapView"));
    auto* note = map.findChild<QLabel*>(QStringLiteral("notShown"));
    auto* heading = map.findChild<QLabel*>(QStringLiteral("headingNote"));
    QVERIFY(view && note && heading);
    QCOMPARE(heading->text(), QStringLiteral("Heading: 0 points up (+Y), clockwise"));
    QSignalSpy clicked(&map, &TacticalMap::lineClicked);

    // Shown anew: the view fits the three ships that can be placed.
    map.showLines(Fleet, 1);
    QCOMPARE(note->text(), QStringLiteral("2 ships not shown"));
    const MapTransform fitted =
        FitView(FitArea(ShipsForMap(ToCore(Fleet)).ships), view->width(), view->height());
    QCOMPARE(view->transform().scale(), fitted.scale());
    QCOMPARE(view->transform().origin(), fitted.origin());

    // The Orion ship is the fourth line although only the third ship on the map.
    QTest::mouseClick(view, Qt::LeftButton, {}, viewPointOf(view, -800, 600));
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.takeFirst().at(0).toInt(), 3);
    QTest::mouseClick(view, Qt::LeftButton, {}, viewPointOf(view, 700, 300));
    QCOMPARE(clicked.count(), 0);

    // Zooming about a ship keeps it under the cursor; a new selection keeps the zoom.
    const QPoint korg = viewPointOf(view, 1500, -200);
    wheel(view, korg, 240);
    QCOMPARE(view->transform().scale(), fitted.scale() * 1.25 * 1.25);
    map.setSelectedRow(3);
    QCOMPARE(view->transform().scale(), fitted.scale() * 1.25 * 1.25);
    QTest::mouseClick(view, Qt::LeftButton, {}, korg);
    QCOMPARE(clicked.takeFirst().at(0).toInt(), 1);

    // A drag pans and is no click, even when it starts on a ship.
    const MapPoint before = view->transform().origin();
    QTest::mousePress(view, Qt::LeftButton, {}, korg);
    QTest::mouseMove(view, korg + QPoint(30, 0));
    QTest::mouseMove(view, korg + QPoint(40, -20));
    QTest::mouseRelease(view, Qt::LeftButton, {}, korg + QPoint(40, -20));
    QCOMPARE(clicked.count(), 0);
    QCOMPARE(view->transform().origin(), (MapPoint{before.x + 40, before.y - 20}));

    // Lines shown anew refit, and a full list leaves no note.
    map.showLines({Fleet[0], Fleet[1]}, -1);
    QCOMPARE(note->text(), QString());
    QCOMPARE(view->transform().scale(),
             FitView(FitArea(ShipsForMap(ToCore({Fleet[0], Fleet[1]})).ships), view->width(),
                     view->height())
                 .scale());
    QTest::mouseClick(view, Qt::LeftButton, {}, viewPointOf(view, 0, 0));
    QCOMPARE(clicked.takeFirst().at(0).toInt(), 0);
}

void TacticalMapTest::thirtyThousandShipsShowWithinASecond() {
    QStringList lines;
    const char* const nations[] = {"Federation", "Klingon", "Romulan", "Orion", "Borg"};
    for (int i = 0; i < 30000; ++i) {
        lines.append(QStringLiteral("%1 X S%2 %3 %4 %5 1 <internal> ()")
                         .arg(QLatin1String(nations[i % 5]))
                         .arg(i)
                         .arg((i * 7919) % 50001 - 25000)
                         .arg((i * 104729) % 50001 - 25000)
                         .arg(i % 361));
    }
    TacticalMap map;
    map.show();
    QVERIFY(QTest::qWaitForWindowExposed(&map));
    auto* view = map.findChild<MapView*>(QStringLiteral("mapView"));
    QElapsedTimer timer;
    timer.start();
    map.showLines(lines, 0);
    view->repaint();
    const qint64 elapsed = timer.elapsed();
    // Generous for a debug build on a busy machine; drawing item by item takes many times this.
    QVERIFY2(elapsed < 1000, qPrintable(QString::number(elapsed) + " ms"));
}

} // namespace forgeline

QTEST_MAIN(forgeline::TacticalMapTest)
#include "TacticalMapTest.moc"
