#pragma once
// What the Finder scripts ask of the Finder. The running implementation can be
// replaced, so that tests can see the calls instead of moving files.

#include <memory>
#include <string>

#include "runtime/scripts/ScriptOutcome.h"

namespace runtime {

class ScriptFinder {
public:
    virtual ~ScriptFinder() = default;
    // Both take an absolute POSIX path of an item that exists. MoveToTrash
    // tells why the item stayed where it was, if it did.
    [[nodiscard]] virtual ScriptOutcome MoveToTrash(const std::string& posixPath) = 0;
    virtual void RevealItem(const std::string& posixPath) = 0;
};

// The Finder of this system: platform/finder. A move or a reveal that fails
// also leaves one line on stderr.
class SystemScriptFinder : public ScriptFinder {
public:
    [[nodiscard]] ScriptOutcome MoveToTrash(const std::string& posixPath) override;
    void RevealItem(const std::string& posixPath) override;
};

// Installs the Finder that scripts use from now on and returns the one it
// replaces; nullptr puts the system's back.
std::shared_ptr<ScriptFinder> SetScriptFinder(std::shared_ptr<ScriptFinder> finder);

// The Finder scripts use now; never null.
std::shared_ptr<ScriptFinder> CurrentScriptFinder();

}  // namespace runtime
