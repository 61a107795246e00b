// One whole life of the process, in the order the program's start-up code
// runs it: init, start-up routine, event loop, exit. It makes and deletes the
// QApplication itself, so it has a binary of its own.
#include <memory>
#include <string>
#include <vector>

#include <QByteArray>
#include <QCoreApplication>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

#include "runtime/app/Application.h"
#include "runtime/app/ExceptionHook.h"
#include "runtime/app/Runtime.h"
#include "runtime/ui/Window.h"

using namespace runtime;

namespace {

std::vector<std::string> gEvents;

class LifeApp : public Application {
public:
    void Event_Open() override {
        gEvents.push_back(QThread::currentThread()->loopLevel() > 0 ? "open in loop" : "open outside loop");
        // Quitting from code leaves the main window open for RuntimeExit.
        QTimer::singleShot(10, [] { QCoreApplication::exit(3); });
    }
};

class MainWindow : public Window {
public:
    void Event_Open() override { gEvents.push_back("window open"); }
    void Event_Close() override { gEvents.push_back("window close"); }
};

TEST(ProcessLifeTest, StartupOpenEventLoopAndExitInOrder) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    char name[] = "runtime_app_life_test";
    char* argv[] = {name, nullptr};
    RuntimeInit(1, argv);
    ASSERT_NE(QCoreApplication::instance(), nullptr);
    RuntimeSetExceptionHelper(_UnhandledException);

    std::weak_ptr<LifeApp> registered;
    RunFrameworkInitialization([&] {
        gEvents.push_back("startup");
        auto app = std::make_shared<LifeApp>();
        RuntimeRegisterAppObject(app);
        registered = app;
        NewWindow<MainWindow>();
    });
    gEvents.push_back("run");
    RuntimeRun();
    gEvents.push_back("after run");

    EXPECT_EQ(RuntimeExit(), 3);
    EXPECT_EQ(QCoreApplication::instance(), nullptr);
    EXPECT_TRUE(registered.expired());  // the runtime let go of the application object
    EXPECT_EQ(gEvents,
              (std::vector<std::string>{"startup", "window open", "run", "open in loop", "after run", "window close"}));
}

}  // namespace
