#pragma once
// Whether the window system can be reached, asked before Qt tries (Qt ends
// the process when its platform cannot connect).

#include <string>

namespace runtime::detail {

// Why no window can be shown, or "" when a display is at hand. Platforms that
// need no display (offscreen, minimal, vnc ...) are always at hand.
std::string MissingDisplayReason();

}  // namespace runtime::detail
