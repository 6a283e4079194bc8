#include "editor/window/EditorHistory.h"

#include "ui/LineList.h"
#include "ui/Text.h"

#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QUndoStack>

namespace forgeline {

// A step in the window's stack. It is pushed once its change is on screen, so its first redo
// has nothing to do.
class EditorHistory::Command : public QUndoCommand {
  public:
    Command(EditorHistory* history, const QString& name, HistoryStep<QStringList> step)
        : QUndoCommand(name), history_(history), step_(std::move(step)) {}

    int id() const override { return step_.mergeKey == 0 ? -1 : 1; }

    bool mergeWith(const QUndoCommand* other) override {
        if (!Absorb(step_, static_cast<const Command*>(other)->step_, *history_)) {
            return false;
        }
        setObsolete(step_.changesNothing());
        return true;
    }

    void undo() override { history_->apply(step_, true); }

    void redo() override {
        if (done_) {
            done_ = false;
            return;
        }
        history_->apply(step_, false);
    }

  private:
    EditorHistory* history_;
    HistoryStep<QStringList> step_;
    bool done_ = true;
};

EditorHistory::EditorHistory(Controls controls, std::function<void()> linesShown, QObject* parent)
    : QObject(parent), controls_(controls), linesShown_(std::move(linesShown)),
      stack_(new QUndoStack(this)) {
    // One history for the document: the boxes keep none of their own.
    controls_.Description->setUndoRedoEnabled(false);
    controls_.Objective->setUndoRedoEnabled(false);
    for (const ScenarioText which : AllScenarioTexts) {
        known_[static_cast<std::size_t>(which)] = text(which);
    }
    connect(controls_.SCE, &QLineEdit::textChanged, this, [this] { typed(ScenarioText::SCE); });
    connect(controls_.Summary, &QLineEdit::textChanged, this,
            [this] { typed(ScenarioText::Summary); });
    connect(controls_.Description, &QPlainTextEdit::textChanged, this,
            [this] { typed(ScenarioText::Description); });
    connect(controls_.Objective, &QPlainTextEdit::textChanged, this,
            [this] { typed(ScenarioText::Objective); });
    for (QWidget* box :
         {static_cast<QWidget*>(controls_.SCE), static_cast<QWidget*>(controls_.Summary),
          static_cast<QWidget*>(controls_.Description),
          static_cast<QWidget*>(controls_.Objective)}) {
        box->installEventFilter(this);
    }
}

void EditorHistory::record(const QString& name, const std::function<void()>& change, int mergeKey) {
    const ScenarioSnapshot<QStringList> before = Snapshot<QStringList>(*this);
    busy_ = true;
    change();
    busy_ = false;
    HistoryStep<QStringList> step = StepSince(before, *this, mergeKey);
    for (const auto& [which, swap] : step.texts) {
        known_[static_cast<std::size_t>(which)] = text(which);
    }
    push(name, std::move(step));
}

bool EditorHistory::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        const QObject* boxes[] = {controls_.SCE, controls_.Summary, controls_.Description,
                                  controls_.Objective};
        for (std::size_t i = 0; i < typing_.size(); ++i) {
            if (boxes[i] == watched) {
                typing_[i] = 0;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void EditorHistory::typed(ScenarioText which) {
    if (busy_) {
        return;
    }
    const auto box = static_cast<std::size_t>(which);
    std::string now = text(which);
    TextSwap change = TextChange(known_[box], now);
    known_[box] = std::move(now);
    if (change.changesNothing()) {
        return;
    }
    if (typing_[box] == 0) {
        typing_[box] = newMergeKey();
    }
    const ListState state = listState();
    HistoryStep<QStringList> step{{{which, std::move(change)}}, {}, state, state, typing_[box]};
    static const char* const names[] = {"Type Title", "Type Summary", "Type Description",
                                        "Type Objective"};
    push(QString::fromLatin1(names[box]), std::move(step));
}

void EditorHistory::push(const QString& name, HistoryStep<QStringList> step) {
    if (!step.changesNothing()) {
        stack_->push(new Command(this, name, std::move(step)));
    }
}

void EditorHistory::apply(HistoryStep<QStringList>& step, bool undo) {
    busy_ = true;
    undo ? Undo(step, *this) : Redo(step, *this);
    busy_ = false;
    // Typing after an undo or redo starts a step of its own.
    typing_.fill(0);
    if (step.lines) {
        linesShown_();
    }
}

std::string EditorHistory::text(ScenarioText which) const {
    switch (which) {
    case ScenarioText::SCE:
        return ToCore(controls_.SCE->text());
    case ScenarioText::Summary:
        return ToCore(controls_.Summary->text());
    case ScenarioText::Description:
        return ToCore(PlainTextOf(controls_.Description));
    case ScenarioText::Objective:
        return ToCore(PlainTextOf(controls_.Objective));
    }
    return {};
}

void EditorHistory::showText(ScenarioText which, const std::string& text, std::size_t cursor) {
    known_[static_cast<std::size_t>(which)] = text;
    const QString shown = FromCore(text);
    const auto at = static_cast<int>(QString::fromUtf8(text.data(), cursor).size());
    if (which == ScenarioText::SCE || which == ScenarioText::Summary) {
        QLineEdit* box = which == ScenarioText::SCE ? controls_.SCE : controls_.Summary;
        box->setText(shown);
        box->setCursorPosition(at);
        return;
    }
    QPlainTextEdit* box =
        which == ScenarioText::Description ? controls_.Description : controls_.Objective;
    box->setPlainText(shown);
    QTextCursor insertion = box->textCursor();
    insertion.setPosition(at);
    box->setTextCursor(insertion);
}

QStringList EditorHistory::lines() const {
    return controls_.Forces->lines();
}

QStringList EditorHistory::replaceLines(std::size_t row, std::size_t count, QStringList lines) {
    return controls_.Forces->replaceLines(static_cast<int>(row), static_cast<int>(count), lines);
}

ListState EditorHistory::listState() const {
    return {controls_.Forces->selectedRuns(), controls_.RemShip->isEnabled(),
            ToCore(controls_.EditShip->property("Tag").toString())};
}

void EditorHistory::showListState(const ListState& state) {
    controls_.Forces->showSelectedRows(RowsOf(state.selected));
    controls_.RemShip->setEnabled(state.shipButtonsEnabled);
    controls_.EditShip->setEnabled(state.shipButtonsEnabled);
    controls_.EditShip->setProperty("Tag", FromCore(state.editIndex));
}

} // namespace forgeline
