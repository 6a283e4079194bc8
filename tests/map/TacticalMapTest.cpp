#include "map/window/TacticalMap.h"

#include "map/window/MapView.h"
#include "map/window/MarkerStyle.h"
#include "ui/Text.h"

#include <QLabel>
#include <QWheelEvent>
#include <QtTest>

namespace forgeline {

class TacticalMapTest : public QObject {
    Q_OBJECT

  private slots:
    void showsLinesAndReportsClickedMarkers();
    void marksTheSelectedShipsOfACrowd();
};

void TacticalMapTest::showsLinesAndReportsClickedMarkers() {
    const QStringList fleet = {"Federation Destroyer Hornet 0 0 90 2 <player> ()",
                               "Klingon BC Korg 1500 -200 270 3 <internal> ()",
                               "Romulan WE Talon - 0 0 1 <internal> ()",
                               "Orion Raider Blade -800 600 45 1 <internal> ()"};
    TacticalMap map;
    map.show();
    QVERIFY(QTest::qWaitForWindowExposed(&map));
    auto* view = map.findChild<MapView*>(QStringLiteral("mapView"));
    auto* note = map.findChild<QLabel*>(QStringLiteral("notShown"));
    QVERIFY(view && note);
    QSignalSpy clicked(&map, &TacticalMap::lineClicked);
    const auto fittedScale = [view](const QStringList& lines) {
        return FitView(FitArea(ShipsForMap(ToCore(lines)).ships), view->width(), view->height())
            .scale();
    };
    const auto pointOf = [view](double x, double y) {
        const MapPoint at = view->transform().toView({x, y});
        return QPoint(qRound(at.x), qRound(at.y));
    };
    // The row of the one line reported, or -1.
    const auto click = [view, &clicked](QPoint at) {
        QTest::mouseClick(view, Qt::LeftButton, {}, at);
        const int row = clicked.count() == 1 ? clicked.at(0).at(0).toInt() : -1;
        clicked.clear();
        return row;
    };

    // The Orion ship is the fourth line although only the third ship on the map.
    map.showLines(fleet, {1});
    QCOMPARE(note->text(), QStringLiteral("1 ship not shown"));
    QCOMPARE(view->transform().scale(), fittedScale(fleet));
    QCOMPARE(click(pointOf(-800, 600)), 3);
    QCOMPARE(click(pointOf(700, 300)), -1);

    // Zooming about a ship keeps it under the cursor; a new selection keeps the zoom.
    const QPoint korg = pointOf(1500, -200);
    QWheelEvent wheel(korg, view->mapToGlobal(korg), {}, {0, 240}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(view, &wheel);
    map.setSelection({3});
    QCOMPARE(view->transform().scale(), fittedScale(fleet) * 1.25 * 1.25);
    QCOMPARE(click(korg), 1);

    // A drag pans and is no click, even when it starts on a ship.
    const MapPoint before = view->transform().origin();
    QTest::mousePress(view, Qt::LeftButton, {}, korg);
    QTest::mouseMove(view, korg + QPoint(30, 0));
    QTest::mouseMove(view, korg + QPoint(40, -20));
    QTest::mouseRelease(view, Qt::LeftButton, {}, korg + QPoint(40, -20));
    QCOMPARE(clicked.count(), 0);
    QCOMPARE(view->transform().origin(), (MapPoint{before.x + 40, before.y - 20}));

    // Lines shown anew refit, and a full list leaves no note.
    map.showLines(fleet.mid(0, 2), {});
    QCOMPARE(note->text(), QString());
    QCOMPARE(view->transform().scale(), fittedScale(fleet.mid(0, 2)));
    QCOMPARE(click(pointOf(0, 0)), 0);
}

void TacticalMapTest::marksTheSelectedShipsOfACrowd() {
    // Two ships apart from a crowd too big for the map to draw smoothly.
    QStringList fleet = {"Klingon BC Left -1000 0 90 3 <internal> ()",
                         "Klingon BC Right 1000 0 90 3 <internal> ()"};
    for (int i = 0; i < 2100; ++i) {
        fleet.push_back(QStringLiteral("Orion Raider R%1 0 0 90 1 <internal> ()").arg(i));
    }
    TacticalMap map;
    map.show();
    QVERIFY(QTest::qWaitForWindowExposed(&map));
    auto* view = map.findChild<MapView*>(QStringLiteral("mapView"));
    // Inside the selection ring, above the ship and clear of its marker and arrow.
    const auto ringOf = [view](double x) {
        const MapPoint at = view->transform().toView({x, 0});
        return QPoint(qRound(at.x), qRound(at.y - SelectionRadius + 2));
    };
    const auto pixelsAt = [view](QPoint left, QPoint right) {
        const QImage image = view->grab().toImage();
        return std::pair{image.pixel(left), image.pixel(right)};
    };
    map.showLines(fleet, {});
    // Each ship of the crowd is its marker over an arrow along its heading, 90 pointing right.
    const MapPoint left = view->transform().toView({-1000, 0});
    const QImage drawn = view->grab().toImage();
    QCOMPARE(QColor(drawn.pixel(qRound(left.x), qRound(left.y))), QColor(0xE6, 0x9F, 0x00));
    QCOMPARE(QColor(drawn.pixel(qRound(left.x) + 15, qRound(left.y))), ArrowColour);
    const auto plain = pixelsAt(ringOf(-1000), ringOf(1000));
    for (const int row : {0, 1}) {
        map.setSelection({row});
        const auto marked = pixelsAt(ringOf(-1000), ringOf(1000));
        QCOMPARE(marked.first != plain.first, row == 0);
        QCOMPARE(marked.second != plain.second, row == 1);
    }
}

} // namespace forgeline

QTEST_MAIN(forgeline::TacticalMapTest)
#include "TacticalMapTest.moc"
