#pragma once
// The items a removal run left where they were, and the one message that
// names them, with why they stayed, once the run ends.

#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "runtime/core/String.h"
#include "runtime/files/FolderItem.h"
#include "runtime/scripts/ScriptOutcome.h"

namespace runtime {
class Window;
}

class StayedItems {
public:
    // Keeps the item unless the script's outcome is Done; an item kept
    // already (listed under two products) is kept once.
    void Note(const runtime::FolderItem& item, runtime::ScriptOutcome outcome);

    // Tells the user, modal to the window, which items stayed under every
    // reason why, ten of them by name, shared among the reasons, and the rest
    // by their number under their reason; nothing when none stayed.
    void Tell(const std::shared_ptr<runtime::Window>& window) const;

private:
    static constexpr size_t kListed = 10;

    struct Item {
        runtime::String name;
        runtime::ScriptOutcome outcome;
    };
    std::vector<Item> items_;
    std::unordered_set<std::string> paths_;  // by CaselessKey, as the found-item table compares them
};
