#pragma once
// Menu shortcuts: the framework writes them for a Mac keyboard ("Cmd+Q",
// "Cmd+Shift+Z"). Here the command key is Ctrl, Option is Alt and the Mac
// Control key is Meta. A single character without a modifier is a command-key
// shortcut too, as a menu shortcut always carries the command key.

#include <QKeySequence>
#include <QString>

#include "runtime/core/String.h"

namespace runtime {

// The shortcut in Qt's portable text ("Ctrl+Shift+Z"); "" for no shortcut.
QString ShortcutText(const String& shortcut);
QKeySequence ShortcutKeySequence(const String& shortcut);

}  // namespace runtime
