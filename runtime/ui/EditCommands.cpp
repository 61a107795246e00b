#include "runtime/ui/EditCommands.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace runtime {

EditCommand EditCommandFor(const String& itemName) {
    static const struct {
        const char* name;
        EditCommand command;
    } kNames[] = {
        {"EditUndo", EditCommand::Undo},           {"EditRedo", EditCommand::Redo},   {"EditCut", EditCommand::Cut},
        {"EditCopy", EditCommand::Copy},           {"EditPaste", EditCommand::Paste}, {"EditClear", EditCommand::Clear},
        {"EditSelectAll", EditCommand::SelectAll},
    };
    for (const auto& entry : kNames)
        if (itemName == String(entry.name)) return entry.command;
    return EditCommand::None;
}

namespace {

// What a text widget offers, the same questions for each kind.
struct TextState {
    bool editable = false;
    bool hasSelection = false;
    bool canUndo = false;
    bool canRedo = false;
};

bool ReadState(QWidget* focus, TextState& state) {
    if (auto* line = qobject_cast<QLineEdit*>(focus)) {
        state = {!line->isReadOnly(), line->hasSelectedText(), line->isUndoAvailable(), line->isRedoAvailable()};
        return true;
    }
    if (auto* text = qobject_cast<QTextEdit*>(focus)) {
        state = {!text->isReadOnly(), text->textCursor().hasSelection(), text->document()->isUndoAvailable(),
                 text->document()->isRedoAvailable()};
        return true;
    }
    if (auto* plain = qobject_cast<QPlainTextEdit*>(focus)) {
        state = {!plain->isReadOnly(), plain->textCursor().hasSelection(), plain->document()->isUndoAvailable(),
                 plain->document()->isRedoAvailable()};
        return true;
    }
    return false;
}

template <class Edit>
void PerformOnTextEdit(Edit* edit, EditCommand command) {
    switch (command) {
    case EditCommand::Undo: edit->undo(); break;
    case EditCommand::Redo: edit->redo(); break;
    case EditCommand::Cut: edit->cut(); break;
    case EditCommand::Copy: edit->copy(); break;
    case EditCommand::Paste: edit->paste(); break;
    case EditCommand::Clear: edit->textCursor().removeSelectedText(); break;
    case EditCommand::SelectAll: edit->selectAll(); break;
    case EditCommand::None: break;
    }
}

}  // namespace

bool CanPerformEditCommand(EditCommand command, QWidget* focus) {
    TextState state;
    if (!ReadState(focus, state)) return false;
    switch (command) {
    case EditCommand::Undo: return state.editable && state.canUndo;
    case EditCommand::Redo: return state.editable && state.canRedo;
    case EditCommand::Cut:
    case EditCommand::Clear: return state.editable && state.hasSelection;
    case EditCommand::Copy: return state.hasSelection;
    case EditCommand::Paste: return state.editable;
    case EditCommand::SelectAll: return true;
    case EditCommand::None: return false;
    }
    return false;
}

void PerformEditCommand(EditCommand command, QWidget* focus) {
    if (!CanPerformEditCommand(command, focus)) return;
    if (auto* line = qobject_cast<QLineEdit*>(focus)) {
        switch (command) {
        case EditCommand::Undo: line->undo(); break;
        case EditCommand::Redo: line->redo(); break;
        case EditCommand::Cut: line->cut(); break;
        case EditCommand::Copy: line->copy(); break;
        case EditCommand::Paste: line->paste(); break;
        case EditCommand::Clear: line->del(); break;
        case EditCommand::SelectAll: line->selectAll(); break;
        case EditCommand::None: break;
        }
    } else if (auto* text = qobject_cast<QTextEdit*>(focus)) {
        PerformOnTextEdit(text, command);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(focus)) {
        PerformOnTextEdit(plain, command);
    }
}

}  // namespace runtime
