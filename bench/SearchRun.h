#pragma once
// One folder search as the program runs it: a Thread2 in "FindItem" mode over
// the main window, the folder chosen through the responder, 5 ms time slices,
// timed together with the longest gap between two turns of the event loop.

#include <memory>
#include <string>

class Window1;

namespace bench {

struct SearchRun {
    double milliseconds = 0;
    int rows = 0;
    double longestGapMs = 0;
};

// Searches the folder at `root` (a POSIX path) after clearing the list.
SearchRun RunSearch(const std::shared_ptr<Window1>& win, const std::string& root);

// A fresh folder in $TMPDIR (or /tmp) named after `prefix`; exits on failure.
std::string MakeTemporaryFolder(const std::string& prefix);

}  // namespace bench
