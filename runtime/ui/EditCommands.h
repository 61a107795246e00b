#pragma once
// The Edit menu's items, served by the runtime on the focused text widget
// (a line edit or a text edit). An item is enabled only while the focused
// widget can do its command: undo and redo when there is something to undo or
// redo; cut and delete when text is selected in an editable widget; copy when
// text is selected; paste in an editable widget; select all in any text widget.

#include "runtime/core/String.h"

class QWidget;

namespace runtime {

enum class EditCommand { None, Undo, Redo, Cut, Copy, Paste, Clear, SelectAll };

// The command of an item by its name ("EditUndo", "EditRedo", "EditCut",
// "EditCopy", "EditPaste", "EditClear", "EditSelectAll"); None for others.
EditCommand EditCommandFor(const String& itemName);

bool CanPerformEditCommand(EditCommand command, QWidget* focus);
// Does nothing when the command cannot be done.
void PerformEditCommand(EditCommand command, QWidget* focus);

}  // namespace runtime
