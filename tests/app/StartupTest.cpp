// The start-up routine in its order, the application's Open event and the
// release of the module globals, in a bundle that carries the icon plug-in.
#include "app/Startup.h"

#include <algorithm>
#include <string>
#include <vector>

#include <QImage>
#include <gtest/gtest.h>

#include "app/App.h"
#include "app/MenuBar1.h"
#include "app/PluginFunctions.h"
#include "app/Window1.h"
#include "foundation/Globals.h"
#include "runtime/app/ModalResponder.h"
#include "runtime/app/Runtime.h"
#include "runtime/files/FolderItem.h"
#include "tests/support/EventLoop.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/UrlRecorder.h"

using namespace runtime;

namespace {

TEST(StartupTest, TheStartupRoutineBindsTheIconFunctionMakesTheAppObjectAndOpensTheMainWindow) {
    testsupport::ModalAnswerer dialogs;
    dialogs.Answer(ModalAnswer::Button::Action);
    Globals::gItem.clear();

    RunFrameworkInitialization(_Startup);

    // The entry table: 82 entries, the icon function bound at 81.
    EXPECT_EQ(PluginEntrypoints().Count(), 82);
    EXPECT_NE(PluginEntrypoints().Entry(81), nullptr);
    EXPECT_EQ(PluginEntrypoints().Entry(80), nullptr);

    // The application object with its menu bar.
    std::shared_ptr<App> app = App::Instance();
    ASSERT_TRUE(app);
    EXPECT_EQ(app->MenuBar(), MenuBar1::Instance());

    // The main window is open; the application's Open event, posted for the
    // event loop, fills the catalogue from the bundle's file.
    std::shared_ptr<Window1> win = Window1::Instance();
    EXPECT_TRUE(win->IsOpen());
    EXPECT_EQ(win->Title().Bytes(), "KELDO アンインストーラ");
    EXPECT_TRUE(Globals::gItem.empty());
    ASSERT_TRUE(testsupport::PumpUntil([] { return !Globals::gItem.empty(); }));
    EXPECT_EQ(Globals::gItem.size(), 6u);
    EXPECT_TRUE(Globals::gBeep);
    const std::vector<std::string> messages = dialogs.Messages();
    EXPECT_EQ(std::count(messages.begin(), messages.end(), "not found."), 0);

    // The four menu handlers; the responder answers their dialogs, and the
    // desktop's side is recorded instead of opening anything.
    testsupport::UrlRecorder desktop({"file", "https"});
    for (const char* item : {"AppleAbout", "HelpManual", "HelpReadMe", "HelpHome"})
        EXPECT_TRUE(app->HandleMenuCommand(item)) << item;  // the responder answers their dialogs
    EXPECT_FALSE(app->HandleMenuCommand("FileQuit"));       // the framework's own
    ASSERT_EQ(desktop.opened.size(), 3);
    EXPECT_TRUE(desktop.opened[0].toLocalFile().endsWith(QString::fromUtf8("Japanese.lproj/簡易マニュアル.rtf")));
    EXPECT_TRUE(desktop.opened[1].toLocalFile().endsWith(QString::fromUtf8("Japanese.lproj/お読み下さい.rtf")));
    EXPECT_EQ(desktop.opened[2].toString().toStdString(), "https://www.keldo.example/KELDO/");

    // With the plug-in bound, a row icon shows the item's icon.
    PictureRef icon = win->MakeListFolIcon(FolderItem::FromNativePath("/tmp"));
    ASSERT_TRUE(icon);
    const QImage image = icon->ToImage();
    int opaque = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) opaque += image.pixelColor(x, y).alpha() > 0;
    EXPECT_GT(opaque, 16);

    // Shut-down: the menu bar instance and the catalogue go.
    dialogs.asked.clear();  // the requests hold their parent windows
    std::weak_ptr<MenuBar1> bar = MenuBar1::Instance();
    win->Close();
    win.reset();
    app->SetMenuBar(nullptr);
    RuntimeRegisterAppObject(nullptr);
    app.reset();
    _ReleaseModuleGlobals();
    EXPECT_TRUE(bar.expired());
    EXPECT_TRUE(Globals::gItem.empty());
    EXPECT_TRUE(Globals::gDocDir.empty());
}

}  // namespace
