#pragma once
// The yield of the cooperative threads and its time slice.

#include <chrono>

namespace runtime {

// Inside a thread: returns to the event loop once the thread's time slice is
// spent (and at once when the thread was asked to suspend or sleep), otherwise
// returns at once; a thread that was killed ends here. Does nothing on the main
// thread, inside a modal loop and during unwinding.
void RuntimeBackgroundTask();

// How long a thread runs before RuntimeBackgroundTask returns to the event
// loop; 0 returns at every call. Default 5 ms; a negative value counts as 0.
void SetThreadTimeSlice(std::chrono::microseconds slice);
std::chrono::microseconds ThreadTimeSlice();

}  // namespace runtime
