// Test main for tests of what a user sees on a real X screen: a private Xvfb
// of 1280 x 1024 pixels, the xcb platform and the runtime's own QApplication.
// Without Xvfb the tests skip (XvfbScreen.h).
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <string>

#include <QByteArray>
#include <gtest/gtest.h>

#include "XvfbScreen.h"
#include "runtime/app/Runtime.h"

namespace apptest {
bool gXvfbScreen = false;
}

namespace {

// Xvfb on a display of its own choosing; its process id, or 0 when it did not start.
pid_t StartXvfb(std::string& display) {
    int ready[2];
    if (pipe(ready) != 0) return 0;
    const pid_t pid = fork();
    if (pid == 0) {
        close(ready[0]);
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        const std::string fd = std::to_string(ready[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(ready[1]);
    // Xvfb writes its display number once it takes connections.
    std::string number;
    char c = 0;
    while (pid > 0 && read(ready[0], &c, 1) == 1 && c != '\n') number += c;
    close(ready[0]);
    if (pid <= 0) return 0;
    if (number.empty()) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        return 0;
    }
    display = ":" + number;
    return pid;
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
    std::string display;
    const pid_t xvfb = StartXvfb(display);
    apptest::gXvfbScreen = xvfb != 0;
    if (xvfb != 0) {
        qputenv("DISPLAY", QByteArray::fromStdString(display));
        qputenv("QT_QPA_PLATFORM", "xcb");
    } else {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    runtime::RuntimeInit(argc, argv);
    const int failed = RUN_ALL_TESTS();
    runtime::RuntimeExit();
    if (xvfb != 0) {
        kill(xvfb, SIGTERM);
        waitpid(xvfb, nullptr, 0);
    }
    return failed;
}
