#include "bench/RoadRun.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include <QEventLoop>
#include <QTimer>

#include "app/Startup.h"
#include "app/Window1.h"
#include "runtime/app/ModalResponder.h"
#include "runtime/files/FolderItem.h"
#include "runtime/threads/BackgroundTask.h"

namespace bench {

namespace {

using Clock = std::chrono::steady_clock;

// Before Qt starts: offscreen, unless the caller chose a platform.
int& OffscreenUnlessChosen(int& argc) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    return argc;
}

RoadRun Press(const std::shared_ptr<Window1>& win, runtime::ToolItem& item) {
    runtime::SetThreadTimeSlice(std::chrono::milliseconds(5));
    Toolbar1& toolbar = *win->Toolbar11();
    RoadRun run;
    QEventLoop loop;
    QTimer turns;  // fires once per turn of the loop
    turns.setInterval(0);
    Clock::time_point last = Clock::now();
    QObject::connect(&turns, &QTimer::timeout, [&] {
        const Clock::time_point now = Clock::now();
        run.longestGapMs = std::max(run.longestGapMs, std::chrono::duration<double, std::milli>(now - last).count());
        last = now;
        if (!toolbar.ToolItem5->Enabled()) loop.quit();
    });
    const Clock::time_point start = Clock::now();
    win->Toolbar11_Action(toolbar, item);
    turns.start();
    loop.exec();
    run.milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    run.rows = win->Listbox1()->ListCount();
    return run;
}

}  // namespace

Program::Program(int& argc, char** argv) : qt_(OffscreenUnlessChosen(argc), argv) {
    ready_ = app_.LoadFile();
    if (!ready_) {
        std::fprintf(stderr, "the shipped catalogue is not in the bundle\n");
        return;
    }
    _InitPluginEntrypoints();  // row icons from the plug-in, as the program makes them
    win_ = Window1::Instance();
}

Program::~Program() {
    if (win_) win_->Close();
}

RoadRun RunAutoGet(const std::shared_ptr<Window1>& win) {
    runtime::SetModalResponder(
        [](const runtime::ModalRequest&) { return runtime::ModalAnswer::Press(runtime::ModalAnswer::Button::Action); });
    const RoadRun run = Press(win, *win->Toolbar11()->ToolItem1);
    runtime::SetModalResponder({});
    return run;
}

RoadRun RunSearch(const std::shared_ptr<Window1>& win, const std::string& root) {
    runtime::SetModalResponder([&root](const runtime::ModalRequest& request) {
        if (request.kind == runtime::ModalKind::SelectFolder)
            return runtime::ModalAnswer::Choose(runtime::FolderItem::FromNativePath(root));
        return runtime::ModalAnswer::Press(runtime::ModalAnswer::Button::Action);
    });
    win->pCountGet = 0;
    win->pCountFind = 0;  // the search clears the list first
    const RoadRun run = Press(win, *win->Toolbar11()->ToolItem6);
    runtime::SetModalResponder({});
    return run;
}

std::string MakeTemporaryFolder(const std::string& prefix) {
    const char* tmp = std::getenv("TMPDIR");
    std::string root = std::string(tmp && tmp[0] == '/' ? tmp : "/tmp") + "/" + prefix + "_XXXXXX";
    if (!mkdtemp(root.data())) {
        std::perror("mkdtemp");
        std::exit(1);
    }
    return root;
}

}  // namespace bench
