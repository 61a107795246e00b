#pragma once
// What the benchmarks of the roads share: the program in the benchmark's own
// bundle, and one run of a road as a user starts it (a tool item of the main
// window pressed, the dialogs answered by the responder, 5 ms time slices),
// timed until the stop command is disabled again, together with the longest
// gap between two turns of the event loop (how long the window kept a user
// waiting).

#include <memory>
#include <string>

#include <QApplication>

#include "app/App.h"

class Window1;

namespace bench {

// The program as the benchmarks run it: Qt offscreen unless told otherwise,
// the shipped catalogue from the bundle, the icon plug-in bound and the main
// window open; closed again when it goes.
class Program {
public:
    Program(int& argc, char** argv);
    ~Program();
    // False, with a line on stderr, when the catalogue is not in the bundle.
    bool Ready() const { return ready_; }
    const std::shared_ptr<Window1>& Window() const { return win_; }

private:
    QApplication qt_;
    App app_;
    bool ready_ = false;
    std::shared_ptr<Window1> win_;
};

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
