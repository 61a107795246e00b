#pragma once
// Cooperative threads: each run of a Thread is a stackful fiber on the GUI
// thread, resumed by the event loop. Threads switch only where a fiber yields
// (RuntimeBackgroundTask, Sleep, Suspend), so their code never runs at the
// same instant as an event handler. All calls belong on the GUI thread.

#include <memory>

#include "runtime/core/Object.h"

namespace runtime {

namespace detail {
struct Fiber;
class Scheduler;
}  // namespace detail

enum class ThreadState {
    Running = 0,  // scheduled: executing or ready to run
    Waiting = 1,  // blocked in a modal call (a nested loop on its stack)
    Suspended = 2,
    Sleeping = 3,
    NotRunning = 4,  // never run, or its run has ended
};

class Thread : public Object {
public:
    Thread();
    ~Thread() override;

    // The Run event: the body of one run.
    virtual void Event_Run() {}

    // Schedules one run. The scheduler holds the object until the run ends,
    // so the caller may drop its reference at once. Does nothing while a run
    // is scheduled or going on. The object must be held by a std::shared_ptr
    // and a QCoreApplication must exist (std::logic_error otherwise).
    void Run();

    // On the running thread, in its own code: ends the run at once; the
    // destructors of the fiber's locals run. Called from an event handler
    // inside a nested loop on the thread's stack, or during unwinding, it only
    // marks the thread, which ends at its next yield. On another thread: a
    // thread not yet started is removed; a started one ends the same way the
    // next time it is resumed, even if it was suspended or sleeping.
    void Kill();

    // Stops resuming the thread until Resume. On the running thread, in its
    // own code, it yields at once.
    void Suspend();

    // Undoes Suspend and ends a Sleep early.
    void Resume();

    // The thread is not resumed until the time has passed. On the running
    // thread, in its own code, it yields at once.
    void Sleep(int milliseconds);

    ThreadState State() const;

    // Stored for the program; scheduling is round-robin whatever its value.
    int Priority() const { return priority_; }
    void SetPriority(int priority) { priority_ = priority; }

private:
    friend class detail::Scheduler;
    detail::Fiber* fiber_ = nullptr;  // set while a run is scheduled or going on
    int priority_ = 5;
};

// The thread whose code (or whose nested loop) is executing; nullptr on the
// main thread.
std::shared_ptr<Thread> CurrentThread();

}  // namespace runtime
