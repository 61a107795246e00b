#include "app/Bundle.h"

using namespace runtime;

namespace Bundle {

FolderItemRef Contents() {
    FolderItemRef executable = ApplicationExecutableFile();
    FolderItemRef macOS = executable ? executable->Parent() : nullptr;
    return macOS ? macOS->Parent() : nullptr;
}

FolderItemRef Resources() {
    FolderItemRef contents = Contents();
    return contents ? contents->Child("Resources") : nullptr;
}

}  // namespace Bundle
