#include "foundation/DebugConsoleModule.h"

namespace DebugConsoleModule {

void TRACE(const runtime::String&) {}

}  // namespace DebugConsoleModule
