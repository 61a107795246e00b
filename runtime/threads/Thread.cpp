#include "runtime/threads/Thread.h"

#include <chrono>
#include <stdexcept>

#include "runtime/threads/Scheduler.h"

namespace runtime {

using detail::Scheduler;

Thread::Thread() = default;

// A scheduled run holds a reference, so fiber_ is null by the time this runs.
Thread::~Thread() = default;

void Thread::Run() {
    if (fiber_ != nullptr) return;
    std::shared_ptr<Thread> self;
    try {
        self = std::static_pointer_cast<Thread>(shared_from_this());
    } catch (const std::bad_weak_ptr&) {
        throw std::logic_error("runtime::Thread::Run needs a thread held by std::shared_ptr");
    }
    Scheduler::Instance().Start(self);
}

void Thread::Kill() {
    if (fiber_ != nullptr) Scheduler::Instance().Kill(*fiber_);
}

void Thread::Suspend() {
    if (fiber_ != nullptr) Scheduler::Instance().Suspend(*fiber_);
}

void Thread::Resume() {
    if (fiber_ != nullptr) Scheduler::Instance().Resume(*fiber_);
}

void Thread::Sleep(int milliseconds) {
    if (fiber_ != nullptr) Scheduler::Instance().Sleep(*fiber_, std::chrono::milliseconds{milliseconds});
}

ThreadState Thread::State() const {
    return fiber_ != nullptr ? Scheduler::Instance().StateOf(*fiber_) : ThreadState::NotRunning;
}

std::shared_ptr<Thread> CurrentThread() {
    const detail::Fiber* fiber = Scheduler::Instance().Current();
    return fiber != nullptr ? fiber->thread : nullptr;
}

}  // namespace runtime
