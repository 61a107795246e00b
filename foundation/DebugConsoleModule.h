#pragma once
// The trace hook. There is no log: TRACE takes its message and does nothing.

#include "runtime/core/String.h"

namespace DebugConsoleModule {

void TRACE(const runtime::String& message);

}  // namespace DebugConsoleModule
