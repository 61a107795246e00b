#pragma once
// What the engine tests share: a fake home folder laid out as the program
// expects it, the main window, and a way to run a worker to its end.

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/Window1.h"
#include "engine/Thread2.h"
#include "foundation/Globals.h"
#include "runtime/app/ModalResponder.h"
#include "runtime/threads/BackgroundTask.h"
#include "runtime/threads/Thread.h"
#include "tests/support/EnvGuard.h"
#include "tests/support/FunctionThread.h"
#include "tests/support/TempFolder.h"

namespace engine_testing {

using testsupport::RunToEnd;
using testsupport::TempFolder;

// A temporary HOME (and TMPDIR inside it) with the folders the lookups use:
// Applications, Library/Preferences, Library/Application Support, Documents.
class FakeHome {
public:
    FakeHome() {
        root_.MakeFolder("Applications");
        root_.MakeFolder("Library/Preferences");
        root_.MakeFolder("Library/Application Support");
        root_.MakeFolder("Documents");
    }

    std::string Path(const std::string& relative) const { return root_ / relative; }
    std::string Applications(const std::string& relative = "") const { return Join("Applications", relative); }
    std::string Preferences(const std::string& relative = "") const { return Join("Library/Preferences", relative); }
    std::string ApplicationSupport(const std::string& relative = "") const {
        return Join("Library/Application Support", relative);
    }

    std::string MakeFolder(const std::string& relative) const { return root_.MakeFolder(relative); }
    std::string Write(const std::string& relative, const std::string& bytes) const {
        return root_.Write(relative, bytes);
    }

    // An application package: Contents/PkgInfo holding the code, and an
    // Info.plist naming the maker when maker is true.
    std::string MakeAppBundle(const std::string& relative, const std::string& code, bool maker = false) const {
        const std::string path = root_.MakeFolder(relative);
        if (!code.empty()) root_.Write(relative + "/Contents/PkgInfo", code + "\n");
        if (maker)
            root_.Write(relative + "/Contents/Info.plist",
                        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>\n"
                        "<key>CFBundleGetInfoString</key><string>KELDO Software</string>\n</dict></plist>\n");
        return path;
    }

private:
    std::string Join(const std::string& folder, const std::string& relative) const {
        return relative.empty() ? root_ / folder : root_ / (folder + "/" + relative);
    }

    TempFolder root_;
    testsupport::EnvGuard home_{"HOME", root_.Path()};
    testsupport::EnvGuard tmp_{"TMPDIR", root_.MakeFolder("tmp")};
};

// Opens the protected operations of the search worker to the tests; its run
// is body, run on the worker as the program runs the roads.
class Thread2Probe : public Thread2 {
public:
    using Thread2::FolderApp;
    using Thread2::FolderAS;
    using Thread2::FolderPref;
    using Thread2::GetItemApp;
    using Thread2::GetItemAS;
    using Thread2::GetItemDoc;
    using Thread2::GetItemDocDPlm;
    using Thread2::GetItemDocDPlm2;
    using Thread2::GetItemDocDPlmVx;
    using Thread2::GetItemDocDTolv;
    using Thread2::GetItemDocDTolv2;
    using Thread2::GetItemDocDZorub;
    using Thread2::GetItemDocDZorub2;
    using Thread2::GetItemPlist;
    using Thread2::GetItemPref;
    using Thread2::MatchApp;
    using Thread2::MatchAppD;
    using Thread2::MatchAppF;

    std::function<void(Thread2Probe&)> body;
    void Event_Run() override {
        if (body) body(*this);
    }
};

// Each test gets a fresh fake home, a fresh main window, an empty catalogue,
// a time slice of 0 (every yield returns to the event loop) and no responder.
class EngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        runtime::SetThreadTimeSlice(std::chrono::microseconds(0));
        Globals::gItem.clear();
        Globals::gDocDir.clear();
        win = Window1::Instance();
    }
    void TearDown() override {
        runtime::SetModalResponder({});
        if (win && win->IsOpen()) win->Close();
        win.reset();
        Globals::gItem.clear();
        Globals::gDocDir.clear();
        runtime::SetThreadTimeSlice(std::chrono::milliseconds(5));
    }

    // Answers every modal question with button and keeps what was asked.
    void AnswerWith(runtime::ModalAnswer::Button button) {
        runtime::SetModalResponder([this, button](const runtime::ModalRequest& request) {
            asked.push_back(request);
            return runtime::ModalAnswer::Press(button);
        });
    }

    // A press of a tool item, as the toolbar reports it.
    void Press(const runtime::ToolButtonRef& item) { win->Toolbar11_Action(*win->Toolbar11(), *item); }
    // Waits until the running worker has given the commands back.
    bool WaitForRunEnd() {
        return testsupport::PumpUntil([&] { return !win->Toolbar11()->ToolItem5->Enabled(); });
    }
    // Presses a command that starts a worker and waits until the run has ended.
    bool RunCommand(const runtime::ToolButtonRef& item) {
        Press(item);
        return WaitForRunEnd();
    }

    // On/off of the tool items 1, 4, 6, 8, 5, 9.
    std::string ToolItemStates() const {
        const Toolbar1& tb = *win->Toolbar11();
        std::string states;
        for (const runtime::ToolButtonRef& item :
             {tb.ToolItem1, tb.ToolItem4, tb.ToolItem6, tb.ToolItem8, tb.ToolItem5, tb.ToolItem9})
            states += item->Enabled() ? '1' : '0';
        return states;
    }

    FakeHome home;
    std::shared_ptr<Window1> win;
    std::vector<runtime::ModalRequest> asked;
};

}  // namespace engine_testing
