#pragma once

#include "ScriptedDialogs.h"
#include "TestFolder.h"
#include "editor/window/frmMain.h"
#include "files/FolderToolchain.h"
#include "ui/LineList.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace forgeline::testing {

// The real toolchain, watched: remembers the cursor the window showed while the compiler had
// its time.
class WatchedToolchain final : public GameToolchain {
  public:
    explicit WatchedToolchain(GameToolchain& real) : real_(real) {}
    std::optional<Qt::CursorShape> cursorWhileCompiling;

    CompileOutcome RunSceneCompiler(const std::string& stem) override {
        if (const QCursor* cursor = QApplication::overrideCursor()) {
            cursorWhileCompiling = cursor->shape();
        }
        return real_.RunSceneCompiler(stem);
    }
    bool GameExists() override { return real_.GameExists(); }
    Status LaunchGame(const std::string& parameters) override {
        return real_.LaunchGame(parameters);
    }

  private:
    GameToolchain& real_;
};

// The editor over a fresh program folder, scripted dialogs and the real toolchain with a short
// wait, shown and active so that the focus moves as it does for the user.
class EditorWindow {
  public:
    EditorWindow() {
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window)) {
            qFatal("the editor window did not become active");
        }
    }

    TestFolder folder;
    ScriptedDialogs dialogs;
    FolderToolchain toolchain{folder.path(), std::chrono::milliseconds(700)};
    WatchedToolchain watched{toolchain};
    frmMain window{{folder.path(), &watched, &dialogs}};

    template <typename Control> Control* find(const char* name) const {
        auto* found = window.findChild<Control*>(QLatin1String(name));
        if (!found) {
            qFatal("no control named %s", name);
        }
        return found;
    }
    QLineEdit* box(const char* name) const { return find<QLineEdit>(name); }
    QPlainTextEdit* multi(const char* name) const { return find<QPlainTextEdit>(name); }
    QComboBox* list(const char* name) const { return find<QComboBox>(name); }
    QPushButton* button(const char* name) const { return find<QPushButton>(name); }
    LineList* forces() const { return find<LineList>("Forces"); }
    QAction* action(const char* name) const { return find<QAction>(name); }

    // Puts the focus into the control and types the keys there.
    void type(const char* name, const QString& keys) const {
        auto* control = find<QWidget>(name);
        control->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(control, keys);
    }

    // Puts the text on the clipboard and pastes it into the control with Ctrl+V.
    void paste(const char* name, const QString& text) const {
        QApplication::clipboard()->setText(text);
        auto* control = find<QWidget>(name);
        control->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(control, Qt::Key_V, Qt::ControlModifier);
    }

    // Empties a text box the way the user does: select everything, press Backspace.
    void erase(const char* name) const {
        QLineEdit* edit = box(name);
        edit->setFocus(Qt::MouseFocusReason);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
    }

    void press(const char* name) const { QTest::mouseClick(button(name), Qt::LeftButton); }

    // Picks the item of a drop-down list as the user does from its list.
    void choose(const char* name, const QString& item) const {
        QComboBox* combo = list(name);
        const int position = combo->findText(item, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (position < 0) {
            qFatal("no item %s", qPrintable(item));
        }
        combo->setCurrentIndex(position);
    }

    void clickLine(int row) const {
        LineList* lines = forces();
        const QRect rect = lines->visualRect(lines->model()->index(row, 0));
        QTest::mouseClick(lines->viewport(), Qt::LeftButton, {}, rect.center());
    }

    // Enters the first eight fields of a force line as the user does, and adds the ship.
    void addShip(const QString& line) const {
        const QStringList fields = line.split(QLatin1Char(' '));
        choose("Nation", fields[0]);
        choose("ship", fields[1]);
        const char* boxes[] = {"shipname", "X", "Y", "heading", "warp"};
        for (int i = 0; i < 5; ++i) {
            erase(boxes[i]);
            type(boxes[i], fields[i + 2]);
        }
        choose("playcomp", fields[7]);
        press("AddShip");
    }

    QStringList items(const char* name) const {
        QStringList texts;
        for (int i = 0; i < list(name)->count(); ++i) {
            texts << list(name)->itemText(i);
        }
        return texts;
    }
};

} // namespace forgeline::testing
