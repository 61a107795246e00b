#include "runtime/threads/BackgroundTask.h"

#include "runtime/threads/Scheduler.h"

namespace runtime {

void RuntimeBackgroundTask() { detail::Scheduler::Instance().BackgroundTask(); }

void SetThreadTimeSlice(std::chrono::microseconds slice) { detail::Scheduler::Instance().SetTimeSlice(slice); }

std::chrono::microseconds ThreadTimeSlice() { return detail::Scheduler::Instance().TimeSlice(); }

}  // namespace runtime
