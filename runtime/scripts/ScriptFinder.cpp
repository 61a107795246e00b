#include "runtime/scripts/ScriptFinder.h"

#include <mutex>

#include "platform/finder/Finder.h"

namespace runtime {

void SystemScriptFinder::MoveToTrash(const std::string& posixPath) {
    platform::finder::MoveToTrash(posixPath);
}

void SystemScriptFinder::RevealItem(const std::string& posixPath) {
    platform::finder::RevealItem(posixPath);
}

namespace {

std::mutex gFinderMutex;

std::shared_ptr<ScriptFinder>& InstalledFinder() {
    static std::shared_ptr<ScriptFinder> finder = std::make_shared<SystemScriptFinder>();
    return finder;
}

}  // namespace

std::shared_ptr<ScriptFinder> SetScriptFinder(std::shared_ptr<ScriptFinder> finder) {
    if (!finder) finder = std::make_shared<SystemScriptFinder>();
    std::lock_guard lock(gFinderMutex);
    std::swap(InstalledFinder(), finder);
    return finder;
}

std::shared_ptr<ScriptFinder> CurrentScriptFinder() {
    std::lock_guard lock(gFinderMutex);
    return InstalledFinder();
}

}  // namespace runtime
