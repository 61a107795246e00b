#pragma once
// Internal: the scheduler of the cooperative threads. Every fiber runs on the
// GUI thread; the event loop resumes one runnable fiber per turn of a
// zero-time timer, round-robin. Only runtime/threads and its tests include
// this header.

#include <chrono>
#include <memory>
#include <vector>

#include <boost/context/fiber.hpp>

#include "runtime/threads/FiberStack.h"
#include "runtime/threads/Thread.h"

class QTimer;

namespace runtime::detail {

using Clock = std::chrono::steady_clock;

// Thrown by Kill inside the fiber it ends; caught only at the fiber's entry.
// Deliberately not a std::exception, so handlers of those let it pass.
struct ThreadKill {};

// The scheduling record of one run of a Thread.
struct Fiber {
    std::shared_ptr<Thread> thread;   // keeps the object alive until the run ends
    boost::context::fiber context;    // the suspended fiber; empty while it runs
    boost::context::fiber scheduler;  // where a yield returns to, while it runs
    bool started = false;
    bool killRequested = false;
    bool suspended = false;
    bool sleeping = false;
    Clock::time_point wakeAt{};
    int nestedLoops = 0;                    // nested event loops running on its stack
    boost::context::stack_context stack{};  // its stack, for the address sanitizer
    void* sanitizerFakeStack = nullptr;
};

class Scheduler {
public:
    static Scheduler& Instance();

    void Start(const std::shared_ptr<Thread>& thread);
    void Kill(Fiber& fiber);
    void Suspend(Fiber& fiber);
    void Resume(Fiber& fiber);
    void Sleep(Fiber& fiber, std::chrono::milliseconds duration);
    ThreadState StateOf(const Fiber& fiber) const;

    // The fiber whose stack is executing, nullptr on the main stack.
    Fiber* Current() const { return current_; }

    // Called by RuntimeBackgroundTask inside a fiber.
    void BackgroundTask();

    std::chrono::microseconds TimeSlice() const { return slice_; }
    void SetTimeSlice(std::chrono::microseconds slice);

    void EnterModal();
    void LeaveModal();
    int ModalDepth() const { return modalDepth_; }

    bool TimerActive() const;

private:
    Scheduler();

    bool Runnable(const Fiber& fiber, Clock::time_point now) const;
    bool InOwnCode(const Fiber& fiber) const;
    void Tick();
    void Switch(Fiber& fiber);
    void YieldCurrent();
    void ThrowIfKilled(Fiber& fiber);
    void Remove(Fiber& fiber);
    void UpdateTimers();
    void UnwindAll();
    static boost::context::fiber Entry(Fiber& fiber, boost::context::fiber&& scheduler);

    std::vector<std::unique_ptr<Fiber>> fibers_;
    std::size_t next_ = 0;  // round-robin position in fibers_
    Fiber* current_ = nullptr;
    int modalDepth_ = 0;
    std::chrono::microseconds slice_{5000};
    Clock::time_point sliceEnd_{};
    QTimer* tick_ = nullptr;  // zero-time: resumes the next runnable fiber
    QTimer* wake_ = nullptr;  // single-shot: the earliest sleeper's wake time
};

// Whether the zero-time timer that resumes fibers is running.
bool IsSchedulerTimerActive();

}  // namespace runtime::detail
