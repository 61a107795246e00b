#pragma once
// The steps of MoveToTrash, for callers that already know the item's place.

#include <string>

#include "platform/finder/Finder.h"

namespace platform::finder {

// Names tried in one trash before the attempt ends.
inline constexpr int kMaxNameAttempts = 1000;

// Writes info/NAME.trashinfo exclusively (Path= is `pathValue`), then renames
// the item (absolute, resolved) to files/NAME of the prepared `trash`. On a
// taken name the next one is tried; any other failure ends the attempt.
[[nodiscard]] TrashResult MoveIntoTrash(const std::string& itemLocation, const std::string& trash,
                                        const std::string& pathValue);

// Moves an item of the mount whose top folder is `topdir` into that mount's
// trash, Path= relative to `topdir`.
[[nodiscard]] TrashResult MoveToTopdirTrash(const std::string& itemLocation, const std::string& topdir);

}  // namespace platform::finder
