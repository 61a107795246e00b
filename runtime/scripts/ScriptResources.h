#pragma once
// The script resources of the application bundle, carried out by the Finder
// that ScriptFinder.h installs.
//
//   168  move the item at a colon path to the Trash (the file script)
//   169  move the item at a colon path to the Trash (the folder script)
//   170  show the item at a colon path in the Finder
//
// Each takes its first parameter, which must be text, as the item's
// colon-separated absolute path ("Macintosh HD:Users:me:a.txt"; a folder's may
// end in ":") and ignores any others. 168 and 169 move whatever the path names,
// file or folder alike, as the Finder would. A script does nothing without
// parameters, with an integer first parameter, with a path that names no
// existing item, and for any other number. A run gives its ScriptOutcome:
// Done unless a Trash script's item stayed where it was.

#include <cstdint>
#include <variant>
#include <vector>

#include "runtime/core/String.h"
#include "runtime/scripts/ScriptOutcome.h"

namespace runtime {

enum ScriptResourceID : int32_t {
    kScriptMoveFileToTrash = 168,
    kScriptMoveFolderToTrash = 169,
    kScriptRevealItem = 170,
};

using ScriptParam = std::variant<int32_t, String>;

ScriptOutcome RunScriptResource(int32_t scriptID, const std::vector<ScriptParam>& params);

}  // namespace runtime
