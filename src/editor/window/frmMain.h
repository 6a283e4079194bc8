#pragma once

#include "check/ScenarioCheck.h"
#include "editor/EditorRules.h"
#include "editor/ShipEditing.h"
#include "files/ScenarioSource.h"
#include "map/GroupEdits.h"
#include "ui/Services.h"

#include <QMainWindow>
#include <QPointer>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QUndoView;

namespace forgeline {

class EditorHistory;
class RecentFilesMenu;
class UnsavedCopy;
class LineList;
class TacticalMap;
class frmRandom;

// The scenario editor, the window the program opens with: the scenario's texts, its forces
// and the entry fields of one ship, and the commands that open, save and compile it.
class frmMain : public QMainWindow {
    Q_OBJECT

  public:
    explicit frmMain(Services services, QWidget* parent = nullptr);
    ~frmMain() override;

    // Open without its dialog, also for the file named on the command line or dropped on the
    // window: shows the scenario of the file, or keeps the editor as it is when the file cannot
    // be opened at all; a failure is reported either way.
    void openScenario(const std::string& path);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private slots:
    void frmMain_AddShip_Click();
    void frmMain_EditShip_Click();
    void frmMain_RemShip_Click();
    void frmMain_reset_Click();
    void frmMain_Forces_Click();
    void frmMain_Nation_Click();
    void frmMain_shipname_Click();

    void frmMain_mnuNew_Click();
    void frmMain_mnuOpen_Click();
    void frmMain_mnuSave_Click();
    void frmMain_Compile_Click();
    void frmMain_mnuCompilePlay_Click();
    void frmMain_mnuExit_Click();
    void frmMain_mnuRecover_Click();
    void frmMain_mnuLoad_Click();
    void frmMain_mnuRandom_Click();
    void frmMain_mnuMap_Click();
    void frmMain_Map_ShipsChanged(const std::vector<forgeline::ShipEdit>& edits, int gesture);
    void frmMain_mnuCheck_Click();
    void frmMain_mnuHistory_Click();
    void frmMain_mnuRecent_Click(const std::string& path);

  private:
    void buildControls(QWidget* client);
    void buildMenus();
    void connectHandlers();
    void guardTyping(QWidget* box, EditorBox rule);
    void guardNumberBox(QLineEdit* box, EditorBox rule);
    void keepMenuShortcutsOverBoxes();
    // A file dragged over a text box is the editor's to open, not text for the box.
    bool takeFileDrag(QEvent* event);
    bool showBoxMenu(QObject* watched, const QPoint& at);

    ShipEntry shipEntry() const;
    ScenarioSource scenario() const;
    void refreshShipCount();
    void setShipButtonsEnabled(bool enabled);
    void selectPosition(QComboBox* list, int position);
    void clearShipFields();
    void inform(const std::string& text);
    // Compile, the check before it included; true when the compiled scenario is there.
    bool compileScenario();
    // Whether the user still wants a compile of a scenario with these problems (none: yes).
    bool compileDespite(const std::vector<Problem>& problems);
    // Choosing a problem of a force line selects that line, as a click would.
    void selectLineOfProblem(int line);
    // Exit and close: true when the changes are kept, in a file or a copy, or the user lets
    // them go.
    bool mayLeave();
    void recoverCopy(const std::string& path);
    // The scenario on screen is now the one in a file.
    void scenarioInFile();
    void showScenario(const ScenarioSource& source);
    // Lines changed in place (moved on the map, or such a move undone) show their position and
    // heading in the entry fields when the line loaded there is among them.
    void showLoadedLine(int first, int last);
    // The clipboard's keys, Ctrl+D, Delete and Ctrl+A in `Forces`; whether the event is taken.
    bool forcesKey(QEvent* event);
    void runFleetCommand(const FleetRequest& request);
    void copySelection();
    // Removes the selected lines as one step named `name`.
    void removeSelection(const QString& name);
    // Inserts the lines after the last selected one (at the end when none), names taken given a
    // free number, as one step named `name`; they become the selection.
    void insertLines(std::vector<std::string> lines, const QString& name);

    Services services_;

    QLineEdit* SCE = nullptr;
    QLineEdit* Summary = nullptr;
    QPlainTextEdit* Description = nullptr;
    QPlainTextEdit* Objective = nullptr;
    QComboBox* Nation = nullptr;
    QComboBox* ship = nullptr;
    QLineEdit* shipname = nullptr;
    QLineEdit* X = nullptr;
    QLineEdit* Y = nullptr;
    QLineEdit* heading = nullptr;
    QLineEdit* warp = nullptr;
    QComboBox* playcomp = nullptr;
    QPushButton* AddShip = nullptr;
    LineList* Forces = nullptr;
    QPushButton* RemShip = nullptr;
    QPushButton* reset = nullptr;
    QPushButton* EditShip = nullptr;
    QPushButton* Compile = nullptr;
    QLineEdit* shipCount = nullptr;

    EditorHistory* history_ = nullptr;
    UnsavedCopy* unsaved_ = nullptr;

    RecentFilesMenu* recent_ = nullptr;

    // The one generator, the one map and the one history view, while they are open.
    QPointer<frmRandom> random_;
    QPointer<QUndoView> historyView_;
    QPointer<TacticalMap> map_;
    // The map's gesture that the history's step with mapMergeKey_ belongs to.
    int mapGesture_ = -1;
    int mapMergeKey_ = 0;
};

} // namespace forgeline
