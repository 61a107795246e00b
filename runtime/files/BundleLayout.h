#pragma once
// Where the application bundle's parts lie, seen from the running program:
// NAME.app/Contents/MacOS/program, NAME.app/Contents/Helpers.

#include <string>
#include <string_view>

namespace runtime::files {

// The running program's path (/proc/self/exe), "" when unknown.
std::string ExecutablePath();

// The folder that holds the bundle around `executable`; the executable's own
// folder when it lies in no bundle.
std::string ApplicationFolderOf(std::string_view executable);

// The bundle's helper folder (the executable's ../Helpers) when it is a folder,
// else "".
std::string HelpersFolderOf(std::string_view executable);

}  // namespace runtime::files
