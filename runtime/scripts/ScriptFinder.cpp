#include "runtime/scripts/ScriptFinder.h"

#include <cerrno>
#include <cstring>
#include <iostream>
#include <mutex>

#include "platform/finder/Finder.h"

namespace runtime {

namespace {

using platform::finder::TrashOutcome;

const char* FailureText(TrashOutcome outcome) {
    switch (outcome) {
    case TrashOutcome::Moved: break;
    case TrashOutcome::NotFound: return "nothing is there";
    case TrashOutcome::Refused: return "it may not go to the Trash";
    case TrashOutcome::NoUsableTrash: return "no usable Trash on its file system";
    case TrashOutcome::InfoNotWritten: return "the Trash information could not be written";
    case TrashOutcome::MoveFailed: return "the move failed";
    }
    return "";
}

ScriptOutcome OutcomeOf(const platform::finder::TrashResult& result) {
    switch (result.outcome) {
    case TrashOutcome::Moved:
    case TrashOutcome::NotFound: return ScriptOutcome::Done;  // gone meanwhile: nothing stayed
    case TrashOutcome::Refused: return ScriptOutcome::ItemNotMovable;
    default: break;
    }
    switch (result.error) {
    case EROFS: return ScriptOutcome::DiskReadOnly;
    case ENOSPC:
    case EDQUOT: return ScriptOutcome::DiskFull;
    case EBUSY:
    case ETXTBSY: return ScriptOutcome::ItemInUse;
    case EACCES:
    case EPERM:
        // Only the rename touches the item's own folder; the other steps write the Trash.
        return result.outcome == TrashOutcome::MoveFailed ? ScriptOutcome::ItemNotWritable
                                                          : ScriptOutcome::TrashNotWritable;
    default: break;
    }
    return result.outcome == TrashOutcome::NoUsableTrash ? ScriptOutcome::NoTrash : ScriptOutcome::Failed;
}

}  // namespace

ScriptOutcome SystemScriptFinder::MoveToTrash(const std::string& posixPath) {
    const platform::finder::TrashResult result = platform::finder::MoveToTrash(posixPath);
    if (!result.Moved()) {
        std::cerr << "Trash: " << posixPath << " stays where it is: " << FailureText(result.outcome);
        if (result.error != 0) std::cerr << " (" << std::strerror(result.error) << ')';
        std::cerr << '\n';
    }
    return OutcomeOf(result);
}

void SystemScriptFinder::RevealItem(const std::string& posixPath) {
    if (platform::finder::RevealItem(posixPath) == platform::finder::RevealOutcome::Failed)
        std::cerr << "Reveal: " << posixPath << " could not be shown\n";
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
