#pragma once
// One run of the program's roads as a user starts it: a tool item of the main
// window pressed, the dialogs answered by the responder, 5 ms time slices,
// timed until the stop command is disabled again, together with the longest
// gap between two turns of the event loop (how long the window kept a user
// waiting).

#include <functional>
#include <memory>
#include <string>

class Window1;

namespace bench {

struct RoadRun {
    double milliseconds = 0;
    int rows = 0;
    double longestGapMs = 0;
};

// Presses "自動で取得".
RoadRun RunAutoGet(const std::shared_ptr<Window1>& win);

// Presses "指定場所を探す…" and chooses the folder at `root` (a POSIX path),
// after a clearing, so that the list holds this search's rows only.
RoadRun RunSearch(const std::shared_ptr<Window1>& win, const std::string& root);

// A fresh folder in $TMPDIR (or /tmp) named after `prefix`; exits on failure.
std::string MakeTemporaryFolder(const std::string& prefix);

}  // namespace bench
