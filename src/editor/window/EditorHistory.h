#pragma once

#include "editor/HistoryStep.h"

#include <QObject>
#include <QStringList>
#include <array>
#include <functional>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QUndoStack;

namespace forgeline {

class LineList;

// The editor's undo history: one QUndoStack over the scenario's texts and force lines. Typing in
// the four scenario texts is recorded as it happens, one step per visit to a box; commands
// record themselves through record().
//
// A window that changes the editor's force lines does so through record(), so that its change
// becomes a step whose undo puts back the lines, the selection and the Edit/Remove buttons:
//
//     const int drag = history.newMergeKey();          // once, when the drag starts
//     history.record(QStringLiteral("Move Ship"), [&] { Forces->replace(row, line); }, drag);
//
// Every record() with the same merge key that follows the last one joins its step.
class EditorHistory : public QObject, private ScenarioScreen<QStringList> {
    Q_OBJECT

  public:
    struct Controls {
        QLineEdit* SCE;
        QLineEdit* Summary;
        QPlainTextEdit* Description;
        QPlainTextEdit* Objective;
        LineList* Forces;
        QPushButton* EditShip;
        QPushButton* RemShip;
    };

    // `linesShown` runs after an undo or redo changed the force lines.
    EditorHistory(Controls controls, std::function<void()> linesShown, QObject* parent);

    QUndoStack* stack() const { return stack_; }

    // Runs the change and records what it changed as one step named `name`; a change that
    // changes nothing records nothing.
    void record(const QString& name, const std::function<void()>& change, int mergeKey = 0);

    // A key no step carries yet.
    int newMergeKey() { return ++lastMergeKey_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    class Command;

    void typed(ScenarioText which);
    void push(const QString& name, HistoryStep<QStringList> step);
    void apply(HistoryStep<QStringList>& step, bool undo);

    std::string text(ScenarioText which) const override;
    void showText(ScenarioText which, const std::string& text, std::size_t cursor) override;
    QStringList lines() const override;
    QStringList replaceLines(std::size_t row, std::size_t count, QStringList lines) override;
    ListState listState() const override;
    void showListState(const ListState& state) override;

    Controls controls_;
    std::function<void()> linesShown_;
    QUndoStack* stack_;
    // The texts as the history last saw them, the start of the next typing step.
    std::array<std::string, AllScenarioTexts.size()> known_;
    // The merge key of the typing in each box, 0 once the focus has left it.
    std::array<int, AllScenarioTexts.size()> typing_{};
    int lastMergeKey_ = 0;
    // Set while a command or an undo changes the texts: that is no typing.
    bool busy_ = false;
};

} // namespace forgeline
