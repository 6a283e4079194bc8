// Where Qt's widgets would change what the user typed or chose, or hide part of a text.
#include "ScriptedDialogs.h"
#include "TestFolder.h"
#include "editor/window/frmMain.h"
#include "platform/Platform.h"
#include "play/window/frmPlay.h"
#include "random/window/frmRandom.h"
#include "ui/LineList.h"

#include <QtTest>
#include <QtWidgets>

using namespace forgeline;

namespace {

struct Windows {
    testing::TestFolder folder;
    testing::ScriptedDialogs dialogs;
    Services services{folder.path(), nullptr, &dialogs, {}};
    frmMain editor{services};
    frmPlay browser{services};
    frmRandom generator{services};

    Windows() {
        for (QWidget* window : all()) {
            window->show();
        }
    }
    std::array<QWidget*, 3> all() { return {&editor, &browser, &generator}; }
};

// Counts the paints of a widget.
struct PaintCount : QObject {
    explicit PaintCount(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        count += int(event->type() == QEvent::Paint);
        return QObject::eventFilter(watched, event);
    }
    int count = 0;
};

// Closes the message box the next modal loop shows, remembering its icon and text.
void answerNextMessageBox(QStringList& seen) {
    QTimer::singleShot(0, [&seen] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            seen << QString::number(box->icon()) + ' ' + box->text();
            QTest::keyClick(box, Qt::Key_Escape);
        }
    });
}

} // namespace

class ControlFidelityTest : public QObject {
    Q_OBJECT

  private slots:
    void dropDownsKeepWhatIsTyped() {
        Windows w;
        const std::pair<QWidget*, const char*> lists[] = {
            {&w.editor, "Nation"},    {&w.editor, "ship"},    {&w.editor, "playcomp"},
            {&w.generator, "Nation"}, {&w.generator, "ship"},
        };
        for (const auto& [window, name] : lists) {
            auto* list = window->findChild<QComboBox*>(name);
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
            // No item is completed or selected from typed or pasted text, not even an exact
            // match, and no space gets in.
            list->setFocus(Qt::TabFocusReason);
            list->lineEdit()->clear();
            QTest::keyClicks(list, "ro m");
            QTest::keyClick(list, Qt::Key_Tab);
            const QString left = list->currentText();
            list->setFocus(Qt::TabFocusReason);
            list->lineEdit()->clear();
            QApplication::clipboard()->setText(" Kl ingon");
            QTest::keyClick(list, Qt::Key_V, Qt::ControlModifier);
            QTest::keyClick(list, Qt::Key_Return);
            const QString entered = list->currentText();
            // The wheel over a list without the focus changes nothing.
            list->clearFocus();
            QWheelEvent wheel(QPointF(5, 5), list->mapToGlobal(QPointF(5, 5)), {}, {0, -120},
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(list, &wheel);
            QCOMPARE(
                QStringLiteral("%1 %2 %3 %4").arg(name, left, entered).arg(list->currentIndex()),
                QStringLiteral("%1 rom Klingon -1").arg(name));
        }
    }

    void textsAndLinesShowWhole() {
        Windows w;
        for (QWidget* window : w.all()) {
            for (const QLineEdit* box : window->findChildren<QLineEdit*>()) {
                QVERIFY(box->maxLength() >= 64 << 20);
            }
            // Set by the program, a text shows from its beginning.
            auto* count = window->findChild<QLineEdit*>("shipCount");
            count->setText("12345");
            QCOMPARE(count->cursorPosition(), 0);
            const QLabel* label = nullptr;
            for (const QLabel* each : window->findChildren<QLabel*>()) {
                label = each->text() == "Ship Count:" ? each : label;
            }
            QVERIFY(label->geometry().right() + 2 < count->geometry().left());
            QVERIFY(label->width() >= label->sizeHint().width());
            // The most force lines a file can hold, counted, fit in the box.
            const int frame = count->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
            QVERIFY(count->width() - 2 * frame - 4 >=
                    count->fontMetrics().horizontalAdvance("1048576"));
        }
        // Chosen from the list with the focus there, an item shows from its beginning.
        w.editor.findChild<QComboBox*>("Nation")->setCurrentIndex(0);
        for (const auto& [window, name] : {std::pair<QWidget*, const char*>{&w.generator, "Nation"},
                                           {&w.editor, "ship"},
                                           {&w.editor, "playcomp"}}) {
            auto* list = window->findChild<QComboBox*>(name);
            list->setCurrentIndex(0);
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
            list->setFocus(Qt::TabFocusReason);
            QTest::keyClick(list, Qt::Key_Down);
            QVERIFY2(list->currentIndex() == 1 && list->lineEdit()->cursorPosition() == 0 &&
                         list->lineEdit()->selectedText() == list->currentText(),
                     name);
        }

        // Wrapped onto a second line, the caption's ink reaches below one line's height.
        auto* start = w.generator.findChild<QCheckBox*>("RandomStart");
        QStyleOptionButton option;
        option.initFrom(start);
        const QRect text =
            start->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, start);
        const QImage shown = start->grab().toImage();
        QList<int> inked;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = text.left(); x < shown.width(); ++x) {
                if (qGray(shown.pixel(x, y)) < 100) {
                    inked << y;
                }
            }
        }
        QVERIFY(!inked.isEmpty() && inked.last() - inked.first() > start->fontMetrics().height());

        // A line wider than all before it widens every row.
        auto* forces = w.generator.findChild<LineList*>("Forces");
        forces->setLines({"short"});
        QVERIFY(forces->visualRect(forces->model()->index(0, 0)).isValid());
        const QString wide = QString(80, 'W');
        forces->append(wide);
        QVERIFY(forces->visualRect(forces->model()->index(0, 0)).width() >=
                forces->fontMetrics().horizontalAdvance(wide));
        QVERIFY(forces->horizontalScrollBar()->maximum() > 0);
        // So does one that takes another's place, once the widest is known.
        forces->setLines({"short", "short"});
        QVERIFY(forces->widestLine() < forces->fontMetrics().horizontalAdvance(wide));
        QVERIFY(forces->visualRect(forces->model()->index(0, 0)).width() <
                forces->fontMetrics().horizontalAdvance(wide));
        forces->replaceEach({0, 1}, {QStringLiteral("short"), wide});
        QVERIFY(forces->widestLine() >= forces->fontMetrics().horizontalAdvance(wide));
        QApplication::processEvents();
        QVERIFY(forces->visualRect(forces->model()->index(0, 0)).width() >=
                forces->fontMetrics().horizontalAdvance(wide));
        QVERIFY(forces->horizontalScrollBar()->maximum() > 0);

        // Selecting more lines than the list shows, and then none, repaints the lines shown.
        auto* editorForces = w.editor.findChild<LineList*>("Forces");
        editorForces->setLines(
            QStringList(500, QStringLiteral("Klingon BC Korg 1 2 3 3 <internal> ()")));
        const QPoint firstRow =
            editorForces->visualRect(editorForces->model()->index(0, 0)).center();
        // What the screen shows, not the list painted anew for the look.
        const auto shownAt = [&] {
            QApplication::processEvents();
            const QPoint at = editorForces->viewport()->mapTo(&w.editor, firstRow);
            return QGuiApplication::primaryScreen()
                ->grabWindow(w.editor.winId())
                .toImage()
                .pixel(at.x() + 1, at.y());
        };
        const QRgb plain = shownAt();
        std::vector<int> rows(500);
        std::iota(rows.begin(), rows.end(), 0);
        editorForces->selectRows(rows);
        QVERIFY(shownAt() != plain);
        editorForces->selectRows({});
        QCOMPARE(shownAt(), plain);
        // Lines changed in place, as many as a move of a fleet changes, are painted anew.
        LineList changing;
        changing.setLines({"Korg 1", "Kang 2", "Kor 3"});
        changing.show();
        QVERIFY(QTest::qWaitForWindowExposed(&changing));
        PaintCount painted(changing.viewport());
        // The paints still due for what came before come first.
        QTest::qWait(100);
        const int paints = painted.count;
        changing.replaceEach({0, 2}, {QStringLiteral("Korg 4"), QStringLiteral("Kor 5")});
        QTRY_VERIFY(painted.count > paints);
    }

    void theNameTakesNoPastedSpaceAndOnlyLeftClicks() {
        Windows w;
        for (const auto& [window, placeholder] :
             {std::pair<QWidget*, QString>{&w.editor, "Name"}, {&w.generator, "ShipName"}}) {
            auto* name = window->findChild<QLineEdit*>("shipname");
            QTest::mouseClick(name, Qt::RightButton);
            QTest::mouseClick(name, Qt::MiddleButton);
            QCOMPARE(name->text(), placeholder);
            QTest::mouseClick(name, Qt::LeftButton);
            QApplication::clipboard()->setText(" Ko\trg\u00A0\v\n ");
            QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(name->text(), "Korg");
        }
    }

    void messageBoxesArePlainAndDialogsKeepToExistingFolders() {
        QtDialogs dialogs;
        QStringList seen;
        answerNextMessageBox(seen);
        dialogs.inform(nullptr, "Told");
        answerNextMessageBox(seen);
        QVERIFY(!dialogs.ask(nullptr, "Asked?"));

        const testing::TestFolder folder;
        const QString start = QString::fromStdString(folder.path());
        bool stayed = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            name->setText("missing/new.sce");
            answerNextMessageBox(seen);
            QTest::keyClick(name, Qt::Key_Return);
            stayed = dialog->isVisible();
            name->setText("new.sce");
            QTest::keyClick(name, Qt::Key_Return);
        });
        QCOMPARE(dialogs.chooseFileToSave(nullptr, {"Save", "All|*.*", start, true}),
                 QString::fromStdString(platform::JoinPath(folder.path(), "new.sce")));
        QVERIFY(stayed);
        QCOMPARE(seen.join('|').section('\n', 0, 0).replace(start, "~"),
                 QDir::toNativeSeparators("0 Told|0 Asked?|0 ~/missing/new.sce"));
    }
};

QTEST_MAIN(ControlFidelityTest)
#include "ControlFidelityTest.moc"
