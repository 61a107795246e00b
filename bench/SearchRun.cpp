#include "bench/SearchRun.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include <QEventLoop>
#include <QTimer>

#include "app/Window1.h"
#include "engine/Thread2.h"
#include "runtime/app/ModalResponder.h"
#include "runtime/files/FolderItem.h"
#include "runtime/threads/BackgroundTask.h"

namespace bench {

using Clock = std::chrono::steady_clock;

SearchRun RunSearch(const std::shared_ptr<Window1>& win, const std::string& root) {
    runtime::SetThreadTimeSlice(std::chrono::milliseconds(5));
    runtime::SetModalResponder([&root](const runtime::ModalRequest& request) {
        if (request.kind == runtime::ModalKind::SelectFolder)
            return runtime::ModalAnswer::Choose(runtime::FolderItem::FromNativePath(root));
        return runtime::ModalAnswer::Press(runtime::ModalAnswer::Button::Action);
    });
    win->pCountGet = 0;
    win->pCountFind = 0;  // the search clears the list first

    auto search = std::make_shared<Thread2>();
    search->pWin1 = win;
    search->pMode = "FindItem";

    SearchRun result;
    QEventLoop loop;
    QTimer turns;  // fires once per turn of the loop
    turns.setInterval(0);
    Clock::time_point last = Clock::now();
    QObject::connect(&turns, &QTimer::timeout, [&] {
        const Clock::time_point now = Clock::now();
        result.longestGapMs =
            std::max(result.longestGapMs, std::chrono::duration<double, std::milli>(now - last).count());
        last = now;
        if (search->State() == runtime::ThreadState::NotRunning) loop.quit();
    });

    const Clock::time_point start = Clock::now();
    search->Run();
    turns.start();
    loop.exec();
    result.milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    turns.stop();
    runtime::SetModalResponder({});
    result.rows = win->Listbox1()->ListCount();
    return result;
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
