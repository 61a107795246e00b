#pragma once
// Module Globals: the one caution alert. Every command that asks first asks
// through it; with one button it tells what could not be done.

#include <cstdint>
#include <memory>

#include "runtime/core/String.h"

namespace runtime {
class Window;
}

namespace Globals {

// CautionDialogResult.
enum : int32_t { kAlternateButton = 0, kCancelButton = 1, kActionButton = 2 };

// A modal caution alert: within parent, or application-modal when parent is
// nil. buttonCount 1 or less shows the action button alone, 2 adds the cancel
// button, 3 or more the alternate button too. Returns the pressed button as
// above; an alert ended any other way gives 1.
int32_t gCautionDlg(const std::shared_ptr<runtime::Window>& parent, bool beep, int32_t buttonCount,
                    const runtime::String& alternateCaption, const runtime::String& cancelCaption,
                    const runtime::String& actionCaption, const runtime::String& message,
                    const runtime::String& explanation);

}  // namespace Globals
