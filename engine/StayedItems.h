#pragma once
// The items a removal run left where they were, and the one message that
// names them, with why they stayed, once the run ends.

#include <memory>
#include <vector>

#include "runtime/core/String.h"
#include "runtime/scripts/ScriptOutcome.h"

namespace runtime {
class Window;
}

class StayedItems {
public:
    // Keeps the item unless the script's outcome is Done.
    void Note(const runtime::String& name, runtime::ScriptOutcome outcome);

    // Tells the user, modal to the window, which items stayed and why, the
    // first kListed of them by name; nothing when none stayed.
    void Tell(const std::shared_ptr<runtime::Window>& window) const;

    static constexpr size_t kListed = 10;

private:
    struct Item {
        runtime::String name;
        runtime::ScriptOutcome outcome;
    };
    std::vector<Item> items_;
};
