#pragma once
// What the engine tests share besides the main-window fixture: the search
// worker with its protected operations opened, and the window's table of
// found items read back.

#include <functional>
#include <string>
#include <vector>

#include "app/Window1.h"
#include "engine/Thread2.h"
#include "tests/support/FunctionThread.h"
#include "tests/support/MainWindowFixture.h"

namespace engine_testing {

using testsupport::MainWindowFixture;
using testsupport::RunToEnd;

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

// The items registered in the window's table, in pFI order, as "kind name",
// or "kind path" with paths.
inline std::vector<std::string> FoundItems(const Window1& win, bool paths) {
    std::vector<std::string> out;
    for (const auto& entry : win.pFI) {
        const auto item = entry->Value("item").ObjectValue<runtime::FolderItem>();
        const std::string shown = !item ? "<nil>" : paths ? item->NativePath() : item->Name().ToUTF8();
        out.push_back(entry->Value("kind").StringValue().ToUTF8() + " " + shown);
    }
    return out;
}

}  // namespace engine_testing
