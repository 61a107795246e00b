#pragma once
// Runs a command line with /bin/sh -c and waits for it. Standard output and
// standard error together become Result; ErrorCode is the exit status, or
// 128 + the signal that ended the command, or -1 when no shell could start.
// The bundle's helper folder (NAME.app/Contents/Helpers), when it exists,
// comes first on the command's PATH.

#include <cstdint>
#include <memory>
#include <string>

#include "runtime/core/Object.h"
#include "runtime/core/String.h"

namespace runtime {

class Shell : public Object {
public:
    void Execute(const String& command);
    const String& Result() const { return result_; }
    int32_t ErrorCode() const { return errorCode_; }

private:
    String result_;
    int32_t errorCode_ = 0;
};

using ShellRef = std::shared_ptr<Shell>;

namespace files {

// PATH for a command: the helper folder first, then `currentPath` (nullptr:
// PATH is unset, the default search path follows). An empty helper folder, or
// one whose path holds a ":", leaves PATH as it is.
std::string SearchPathWithHelpers(const char* currentPath, const std::string& helpersFolder);

}  // namespace files

}  // namespace runtime
