#include "runtime/threads/Scheduler.h"

#include <algorithm>
#include <exception>
#include <optional>
#include <stdexcept>

#include <QCoreApplication>
#include <QTimer>

#include "runtime/threads/FiberStack.h"
#include "runtime/threads/UnhandledException.h"

namespace runtime::detail {

namespace ctx = boost::context;

namespace {

// At quit, how many times each remaining fiber is resumed to unwind before it
// is abandoned (a fiber that swallows its end with catch (...) could loop).
constexpr int kQuitUnwindRounds = 100;

}  // namespace

Scheduler& Scheduler::Instance() {
    // Never destroyed: a fiber still suspended after the application's quit
    // keeps its stack and is never resumed, so no code runs on it after main.
    static Scheduler* const instance = new Scheduler;
    return *instance;
}

Scheduler::Scheduler() = default;

void Scheduler::Start(const std::shared_ptr<Thread>& thread) {
    if (thread->fiber_ != nullptr) return;
    auto* app = QCoreApplication::instance();
    if (app == nullptr) throw std::logic_error("runtime::Thread::Run needs a QCoreApplication");
    if (tick_ == nullptr) {
        // Parentless: they live as long as the scheduler.
        tick_ = new QTimer;
        tick_->setInterval(0);
        QObject::connect(tick_, &QTimer::timeout, [this] { Tick(); });
        wake_ = new QTimer;
        wake_->setSingleShot(true);
        wake_->setTimerType(Qt::PreciseTimer);
        QObject::connect(wake_, &QTimer::timeout, [this] { UpdateTimers(); });
        QObject::connect(app, &QCoreApplication::aboutToQuit, app, [this] { UnwindAll(); });
    }
    auto fiber = std::make_unique<Fiber>();
    fiber->thread = thread;
    thread->fiber_ = fiber.get();
    fibers_.push_back(std::move(fiber));
    UpdateTimers();
}

bool Scheduler::Runnable(const Fiber& fiber, Clock::time_point now) const {
    return &fiber != current_ && !fiber.suspended && (!fiber.sleeping || fiber.wakeAt <= now);
}

// The running fiber's own code, where the unwinding object may be thrown: not
// an event handler inside a nested loop on its stack, not a destructor that
// runs during unwinding.
bool Scheduler::InOwnCode(const Fiber& fiber) const {
    return &fiber == current_ && modalDepth_ == 0 && std::uncaught_exceptions() == 0;
}

void Scheduler::Tick() {
    // Never resume a fiber from a loop nested on another fiber's stack.
    if (current_ != nullptr || modalDepth_ > 0) {
        tick_->stop();
        return;
    }
    const auto now = Clock::now();
    const std::size_t count = fibers_.size();
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t index = (next_ + i) % count;
        Fiber& fiber = *fibers_[index];
        if (Runnable(fiber, now)) {
            next_ = index + 1;
            Switch(fiber);
            break;
        }
    }
    UpdateTimers();
}

void Scheduler::Switch(Fiber& fiber) {
    fiber.sleeping = false;
    if (!fiber.started) {
        fiber.started = true;
        try {
            fiber.context = ctx::fiber(std::allocator_arg, RecordedStack(fiber.stack),
                                       [&fiber](ctx::fiber&& scheduler) { return Entry(fiber, std::move(scheduler)); });
        } catch (...) {
            // No stack could be had: the run ends before it began.
            Remove(fiber);
            ReportUnhandledException(std::current_exception());
            return;
        }
    }
    current_ = &fiber;
    sliceEnd_ = Clock::now() + slice_;
    void* mainFakeStack = nullptr;
    BeginSwitchToFiber(fiber.stack, &mainFakeStack);
    fiber.context = std::move(fiber.context).resume();
    EndSwitchToMain(mainFakeStack);
    current_ = nullptr;
    if (!fiber.context) Remove(fiber);
}

ctx::fiber Scheduler::Entry(Fiber& fiber, ctx::fiber&& scheduler) {
    EndSwitchToFiber(nullptr);
    fiber.scheduler = std::move(scheduler);
    std::exception_ptr error;
    try {
        fiber.thread->Event_Run();
    } catch (const ctx::detail::forced_unwind&) {
        throw;
    } catch (const ThreadKill&) {
    } catch (...) {
        error = std::current_exception();
    }
    if (error) {
        try {
            ReportUnhandledException(error);
        } catch (const ctx::detail::forced_unwind&) {
            throw;
        } catch (const ThreadKill&) {
        }
        error = nullptr;
    }
    BeginSwitchToMain(nullptr);  // this stack is about to go
    return std::move(fiber.scheduler);
}

void Scheduler::YieldCurrent() {
    Fiber& fiber = *current_;
    BeginSwitchToMain(&fiber.sanitizerFakeStack);
    fiber.scheduler = std::move(fiber.scheduler).resume();
    EndSwitchToFiber(fiber.sanitizerFakeStack);
}

void Scheduler::ThrowIfKilled(Fiber& fiber) {
    if (fiber.killRequested) throw ThreadKill{};
}

void Scheduler::BackgroundTask() {
    Fiber* fiber = current_;
    if (fiber == nullptr || modalDepth_ > 0) return;
    if (!fiber->killRequested && !fiber->suspended && !fiber->sleeping && Clock::now() < sliceEnd_) return;
    // Never switch inside a destructor that runs during unwinding.
    if (std::uncaught_exceptions() > 0) return;
    ThrowIfKilled(*fiber);
    YieldCurrent();
    ThrowIfKilled(*fiber);
}

void Scheduler::Remove(Fiber& fiber) {
    auto it = std::find_if(fibers_.begin(), fibers_.end(),
                           [&fiber](const std::unique_ptr<Fiber>& f) { return f.get() == &fiber; });
    if (it == fibers_.end()) return;
    const auto index = static_cast<std::size_t>(it - fibers_.begin());
    std::unique_ptr<Fiber> owned = std::move(*it);
    fibers_.erase(it);
    if (index < next_) --next_;
    owned->thread->fiber_ = nullptr;
    // Releasing the thread may run its destructor, which may start or kill
    // other threads: fibers_ is consistent by now.
    owned.reset();
}

void Scheduler::Kill(Fiber& fiber) {
    fiber.killRequested = true;
    if (InOwnCode(fiber)) throw ThreadKill{};
    if (!fiber.started) {
        Remove(fiber);
    } else {
        fiber.suspended = false;
        fiber.sleeping = false;
    }
    UpdateTimers();
}

void Scheduler::Suspend(Fiber& fiber) {
    fiber.suspended = true;
    if (InOwnCode(fiber)) {
        YieldCurrent();
        ThrowIfKilled(fiber);
    } else {
        UpdateTimers();
    }
}

void Scheduler::Resume(Fiber& fiber) {
    fiber.suspended = false;
    fiber.sleeping = false;
    UpdateTimers();
}

void Scheduler::Sleep(Fiber& fiber, std::chrono::milliseconds duration) {
    fiber.sleeping = true;
    fiber.wakeAt = Clock::now() + std::max(duration, std::chrono::milliseconds{0});
    if (InOwnCode(fiber)) {
        YieldCurrent();
        ThrowIfKilled(fiber);
    } else {
        UpdateTimers();
    }
}

ThreadState Scheduler::StateOf(const Fiber& fiber) const {
    if (fiber.suspended) return ThreadState::Suspended;
    if (fiber.sleeping) return ThreadState::Sleeping;
    if (fiber.nestedLoops > 0) return ThreadState::Waiting;
    return ThreadState::Running;
}

void Scheduler::SetTimeSlice(std::chrono::microseconds slice) {
    slice_ = std::max(slice, std::chrono::microseconds{0});
}

void Scheduler::EnterModal() {
    ++modalDepth_;
    UpdateTimers();
}

void Scheduler::LeaveModal() {
    if (modalDepth_ > 0) --modalDepth_;
    UpdateTimers();
}

bool Scheduler::TimerActive() const { return tick_ != nullptr && tick_->isActive(); }

// Runs the zero-time timer only while some fiber can be resumed, and the
// single-shot timer only for the earliest sleeper, so an idle program does not
// spin.
void Scheduler::UpdateTimers() {
    if (tick_ == nullptr) return;
    if (modalDepth_ > 0) {
        tick_->stop();
        wake_->stop();
        return;
    }
    const auto now = Clock::now();
    bool runnable = false;
    std::optional<Clock::time_point> earliest;
    for (const auto& fiber : fibers_) {
        if (fiber.get() == current_ || fiber->suspended) continue;
        if (fiber->sleeping && fiber->wakeAt > now) {
            earliest = earliest ? std::min(*earliest, fiber->wakeAt) : fiber->wakeAt;
            continue;
        }
        runnable = true;
        break;
    }
    if (runnable) {
        wake_->stop();
        if (!tick_->isActive()) tick_->start();
        return;
    }
    tick_->stop();
    if (earliest) {
        const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*earliest - now);
        wake_->start(static_cast<int>(std::max<long long>(wait.count(), 0)));
    } else {
        wake_->stop();
    }
}

// At the application's quit every fiber still scheduled is killed and resumed,
// so its stack unwinds and its locals' destructors run while the application
// still exists. Runs not yet started are dropped.
void Scheduler::UnwindAll() {
    if (current_ != nullptr || modalDepth_ > 0) return;
    for (int round = 0; round < kQuitUnwindRounds && !fibers_.empty(); ++round) {
        std::vector<Fiber*> pending;
        for (const auto& fiber : fibers_) pending.push_back(fiber.get());
        for (Fiber* fiber : pending) {
            const bool present = std::any_of(fibers_.begin(), fibers_.end(),
                                             [fiber](const std::unique_ptr<Fiber>& f) { return f.get() == fiber; });
            if (!present) continue;
            fiber->killRequested = true;
            fiber->suspended = false;
            fiber->sleeping = false;
            if (fiber->started)
                Switch(*fiber);
            else
                Remove(*fiber);
        }
    }
    UpdateTimers();
}

bool IsSchedulerTimerActive() { return Scheduler::Instance().TimerActive(); }

}  // namespace runtime::detail
