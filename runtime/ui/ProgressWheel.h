#pragma once
// ProgressWheel: a small busy indicator that turns while it is shown.

#include "runtime/ui/Control.h"

namespace runtime {

class ProgressWheel : public Control {
public:
    ProgressWheel();
    // Whether the wheel is turning now (shown in a shown window).
    bool Animating() const;
};

using ProgressWheelRef = std::shared_ptr<ProgressWheel>;

}  // namespace runtime
