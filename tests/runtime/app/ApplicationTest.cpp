// The application object and the life of the process: menu handlers, the
// Open event, the event loop, translations, unhandled exceptions, and the
// desktop hand-offs.
#include "runtime/app/Application.h"

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <vector>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include "AppTestSupport.h"
#include "runtime/app/Desktop.h"
#include "runtime/app/ExceptionHook.h"
#include "runtime/app/Runtime.h"
#include "runtime/core/Exceptions.h"
#include "runtime/files/FolderItem.h"
#include "runtime/threads/Thread.h"
#include "runtime/ui/MenuItem.h"
#include "runtime/ui/Window.h"
#include "tests/support/UrlRecorder.h"

using namespace runtime;
using namespace apptest;

namespace {

class ApplicationTest : public AppTest {
protected:
    void TearDown() override {
        RuntimeRegisterAppObject(nullptr);
        AppTest::TearDown();
    }
};

class OpeningApp : public Application {
public:
    int opened = 0;
    void Event_Open() override { ++opened; }
};

MenuItemRef ItemNamed(const String& name) {
    auto item = std::make_shared<MenuItem>();
    item->SetName(name);
    return item;
}

TEST_F(ApplicationTest, RuntimeInitLoadsTheJapaneseToolkitTextsAndNamesTheApplication) {
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "キャンセル");
    EXPECT_EQ(QCoreApplication::applicationName(), "KELDO Uninstaller");
    EXPECT_THROW(RuntimeInit(0, nullptr), std::logic_error);
}

TEST_F(ApplicationTest, MenuCommandsReachTheHandlersOfTheRegisteredApplication) {
    auto app = std::make_shared<Application>();
    std::vector<std::string> calls;
    app->_AddMenuHandler("HelpHome", [&] {
        calls.push_back("HelpHome");
        return true;
    });
    app->_AddMenuHandler("HelpReadMe", [&] {
        calls.push_back("HelpReadMe");
        return false;
    });

    // Not registered yet: nobody handles the command.
    ItemNamed("HelpHome")->Choose();
    EXPECT_TRUE(calls.empty());

    RuntimeRegisterAppObject(app);
    ItemNamed("HelpHome")->Choose();
    ItemNamed("helphome")->Choose();  // item names ignore letter case
    ItemNamed("HelpManual")->Choose();
    EXPECT_EQ(calls, (std::vector<std::string>{"HelpHome", "HelpHome"}));

    EXPECT_TRUE(app->HandleMenuCommand("HelpHome"));
    EXPECT_FALSE(app->HandleMenuCommand("HelpReadMe"));  // it declined
    EXPECT_FALSE(app->HandleMenuCommand("AppleAbout"));  // no handler
}

TEST_F(ApplicationTest, StartupRunsOnceAndTheOpenEventWaitsForTheLoop) {
    std::shared_ptr<OpeningApp> app;
    int startups = 0;
    RunFrameworkInitialization([&] {
        ++startups;
        app = std::make_shared<OpeningApp>();
        RuntimeRegisterAppObject(app);
    });
    EXPECT_EQ(startups, 1);
    EXPECT_EQ(app->opened, 0);
    ASSERT_TRUE(PumpUntil([&] { return app->opened > 0; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(app->opened, 1);
}

TEST_F(ApplicationTest, AnExceptionOfTheStartupRoutineReachesTheCallerAndPostsNoOpenEvent) {
    auto app = std::make_shared<OpeningApp>();
    RuntimeRegisterAppObject(app);
    EXPECT_THROW(RunFrameworkInitialization([] { throw NilObjectException(); }), NilObjectException);
    QCoreApplication::processEvents();
    EXPECT_EQ(app->opened, 0);
}

TEST_F(ApplicationTest, TheLoopEndsWhenTheLastWindowIsClosed) {
    auto first = NewWindow<Window>();
    auto second = NewWindow<Window>();
    bool runningAfterFirst = false;
    QTimer::singleShot(10, [&] { first->Close(); });
    QTimer::singleShot(40, [&] {
        runningAfterFirst = true;
        second->Close();
    });
    QTimer watchdog;  // ends a loop that would not end by itself
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(7); });
    watchdog.start(5000);
    RuntimeRun();
    watchdog.stop();
    EXPECT_TRUE(runningAfterFirst);
    EXPECT_FALSE(second->IsOpen());
}

TEST_F(ApplicationTest, ExecutableFileIsTheRunningProgram) {
    Application app;
    FolderItemRef exe = app.ExecutableFile();
    ASSERT_NE(exe, nullptr);
    EXPECT_EQ(exe->NativePath(), QFileInfo("/proc/self/exe").canonicalFilePath().toStdString());
}

class UnhandledExceptionTest : public AppTest {};

TEST_F(UnhandledExceptionTest, AnExceptionOfAnEventHandlerShowsTheAlertAndTheLoopGoesOn) {
    std::vector<ModalRequest> alerts;
    SetModalResponder([&](const ModalRequest& request) {
        alerts.push_back(request);
        return ModalAnswer::Press(ModalAnswer::Button::Action);
    });
    bool laterTimerRan = false;
    QTimer::singleShot(0, [] { throw NilObjectException(); });
    QTimer::singleShot(20, [&] { laterTimerRan = true; });
    ASSERT_TRUE(PumpUntil([&] { return laterTimerRan; }));

    ASSERT_EQ(alerts.size(), 1u);
    EXPECT_EQ(alerts[0].kind, ModalKind::ExceptionAlert);
    EXPECT_NE(alerts[0].message.ToUTF8().find("NilObjectException"), std::string::npos);
    EXPECT_TRUE(alerts[0].explanation.EqualsBytes("Nil object"));
}

TEST_F(UnhandledExceptionTest, TheInstalledHelperReceivesExceptionsOfHandlersAndThreads) {
    std::vector<std::string> received;
    RuntimeSetExceptionHelper([&](std::exception_ptr error) {
        received.push_back(detail::ExceptionClassName(error).ToUTF8() + ": " +
                           detail::ExceptionMessage(error).ToUTF8());
    });
    QTimer::singleShot(0, [] { throw std::runtime_error("from a timer"); });

    class Failing : public Thread {
    public:
        void Event_Run() override { throw OutOfBoundsException(); }
    };
    auto thread = std::make_shared<Failing>();
    thread->Run();
    ASSERT_TRUE(PumpUntil([&] { return received.size() == 2; }));
    EXPECT_TRUE(PumpUntil([&] { return thread->State() == ThreadState::NotRunning; }));
    std::sort(received.begin(), received.end());
    EXPECT_EQ(received,
              (std::vector<std::string>{"OutOfBoundsException: Out of bounds", "runtime_error: from a timer"}));
}

TEST_F(UnhandledExceptionTest, AnExceptionWhileTheAlertIsUpShowsNoSecondAlert) {
    int alerts = 0;
    SetModalResponder([&](const ModalRequest&) {
        ++alerts;
        _UnhandledException(std::make_exception_ptr(std::runtime_error("second")));
        return ModalAnswer::Press(ModalAnswer::Button::Action);
    });
    _UnhandledException(std::make_exception_ptr(std::runtime_error("first")));
    EXPECT_EQ(alerts, 1);
}

TEST_F(UnhandledExceptionTest, ClassNamesOfOtherThrownValuesAndOfNil) {
    EXPECT_TRUE(detail::ExceptionClassName(std::make_exception_ptr(42)).EqualsBytes("int"));
    EXPECT_TRUE(detail::ExceptionMessage(std::make_exception_ptr(42)).IsEmpty());
    EXPECT_TRUE(detail::ExceptionClassName(nullptr).IsEmpty());
}

TEST(DesktopTest, ShowUrlAndLaunchHandTheirTargetsToTheDesktop) {
    testsupport::UrlRecorder desktop({"https", "file"});
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QString path = QDir(temp.path()).canonicalPath() + "/お読み下さい.rtf";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    EXPECT_TRUE(ShowURL("https://www.keldo.example/KELDO/"));
    EXPECT_FALSE(ShowURL(""));
    EXPECT_FALSE(ShowURL("no scheme"));
    EXPECT_TRUE(FolderItem::FromNativePath(path.toStdString())->Launch(true));

    ASSERT_EQ(desktop.opened.size(), 2);
    EXPECT_EQ(desktop.opened[0], QUrl("https://www.keldo.example/KELDO/"));
    EXPECT_EQ(desktop.opened[1], QUrl::fromLocalFile(path));
}

}  // namespace
