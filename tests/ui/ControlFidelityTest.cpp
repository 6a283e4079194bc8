// Where Qt's widgets would change what the user typed or chose, or hide part of a text.
#include "ScriptedDialogs.h"
#include "TestFolder.h"
#include "editor/window/frmMain.h"
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
    Services services{folder.path(), nullptr, &dialogs};
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

// Closes the message box the next modal loop shows, remembering its icon and text.
void answerNextMessageBox(QStringList& seen) {
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        seen << QString::number(box->icon()) + ' ' + box->text();
        box->button(box->buttons().last()->text() == "&No" ? QMessageBox::No : QMessageBox::Ok)
            ->click();
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
            list->setFocus(Qt::TabFocusReason);
            list->lineEdit()->clear();
            // No item is completed or selected from typed or pasted text, not even an exact
            // match, and no space gets in.
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
        QCOMPARE(w.editor.findChild<QComboBox*>("ship")->count(), 0);
        // Only chosen from the list, and then shown from its beginning.
        auto* nation = w.editor.findChild<QComboBox*>("Nation");
        nation->setFocus(Qt::TabFocusReason);
        QTest::keyClick(nation, Qt::Key_Down);
        QCOMPARE(nation->currentIndex(), 0);
        QCOMPARE(nation->lineEdit()->cursorPosition(), 0);
    }

    void textsShowWholeFromTheirBeginning() {
        Windows w;
        for (QWidget* window : w.all()) {
            for (const QLineEdit* box : window->findChildren<QLineEdit*>()) {
                QVERIFY(box->maxLength() >= 64 << 20);
            }
            auto* count = window->findChild<QLineEdit*>("shipCount");
            count->setText("12345");
            QCOMPARE(count->cursorPosition(), 0);
            const QLabel* label = nullptr;
            for (const QLabel* each : window->findChildren<QLabel*>()) {
                label = each->text() == "Ship Count:" ? each : label;
            }
            QVERIFY(label->geometry().right() + 2 < count->geometry().left());
            QVERIFY(label->width() >= label->sizeHint().width());
        }
        auto* nation = w.generator.findChild<QComboBox*>("Nation");
        nation->setCurrentIndex(0);
        QCOMPARE(nation->lineEdit()->cursorPosition(), 0);

        // Wrapped onto a second line, the caption's ink reaches below one line's height.
        auto* start = w.generator.findChild<QCheckBox*>("RandomStart");
        QStyleOptionButton option;
        option.initFrom(start);
        const int textLeft =
            start->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, start).left();
        const QImage shown = start->grab().toImage();
        int top = shown.height();
        int bottom = -1;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = textLeft; x < shown.width(); ++x) {
                if (qGray(shown.pixel(x, y)) < 100) {
                    top = std::min(top, y);
                    bottom = y;
                }
            }
        }
        QVERIFY2(bottom - top > start->fontMetrics().height(),
                 qPrintable(QStringLiteral("%1..%2").arg(top).arg(bottom)));
    }

    void listsShowEveryLineWhole() {
        LineList list;
        list.resize(120, 100);
        list.setLines({"short"});
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        const QString wide = QStringLiteral("Federation Dreadnought Washington 817 -5745 140 2 "
                                            "<internal> ()");
        list.append(wide);
        list.append("shorter");
        for (int row : {0, 1}) {
            QVERIFY(list.visualRect(list.model()->index(row, 0)).width() >=
                    list.fontMetrics().horizontalAdvance(wide));
        }
        QVERIFY(list.horizontalScrollBar()->maximum() > 0);
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
            QCOMPARE(name->text(), QString());
            QApplication::clipboard()->setText(" Ko rg ");
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
        QCOMPARE(seen, QStringList({"0 Told", "0 Asked?"}));

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
        const auto chosen =
            dialogs.chooseFileToSave(nullptr, {"Save", "All File Types (*.*)|*.*", start, true});
        QVERIFY(stayed);
        QCOMPARE(chosen, start + "/new.sce");
        QCOMPARE(seen.size(), 3);
        QVERIFY(seen.last().startsWith("0 "));
    }
};

QTEST_MAIN(ControlFidelityTest)
#include "ControlFidelityTest.moc"
