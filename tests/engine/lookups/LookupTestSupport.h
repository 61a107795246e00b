#pragma once
// What the lookup tests share: a Thread2 whose run is one call to a lookup,
// and readers of the main window's table of found items.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "engine/Thread2.h"
#include "tests/engine/support/EngineHarness.h"

namespace engine_testing {

using LookupProbe = Thread2Probe;

class LookupTest : public MainWindowFixture {
protected:
    // Runs one lookup on a worker, as the auto-get road does. The result is
    // the lookup's list, or nullopt when the run was ended inside it.
    std::optional<std::string> RunLookup(const std::function<runtime::String(LookupProbe&)>& lookup) {
        auto probe = std::make_shared<LookupProbe>();
        probe->pWin1 = win;
        probe->pMode = "GetItem";
        std::optional<std::string> result;
        probe->body = [&](LookupProbe& p) { result = lookup(p).ToUTF8(); };
        EXPECT_TRUE(RunToEnd(probe));
        return result;
    }

    // A probe for the rules, which need no worker and no window.
    std::shared_ptr<LookupProbe> Rules() const { return std::make_shared<LookupProbe>(); }

    runtime::FolderItemRef Item(const std::string& posixPath) const {
        return runtime::FolderItem::FromNativePath(posixPath);
    }

    // The registered items as "kind name", in pFI order.
    std::vector<std::string> Found() const { return FoundItems(*win, false); }

    // The window as a stop leaves it.
    void ExpectStoppedWindow() const {
        EXPECT_EQ(win->StaticText1()->Text().ToUTF8(), "処理が中止されました。");
        EXPECT_FALSE(win->ProgressWheel1()->Visible());
        EXPECT_EQ(ToolItemStates(), "111001");
    }
};

}  // namespace engine_testing
