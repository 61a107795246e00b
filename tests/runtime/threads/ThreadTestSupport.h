#pragma once
// Helpers for the thread tests: a thread whose Run event is a function, an
// event pump with a deadline, and a fixture that restores the runtime settings.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>
#include <utility>

#include "runtime/threads/BackgroundTask.h"
#include "runtime/threads/Scheduler.h"
#include "runtime/threads/Thread.h"
#include "runtime/threads/UnhandledException.h"

namespace runtime::testing {

class FunctionThread : public Thread {
public:
    explicit FunctionThread(std::function<void()> body) : body_(std::move(body)) {}
    void Event_Run() override {
        ++runs;
        body_();
    }
    int runs = 0;

private:
    std::function<void()> body_;
};

inline std::shared_ptr<FunctionThread> MakeThread(std::function<void()> body) {
    return std::make_shared<FunctionThread>(std::move(body));
}

// Runs the event loop until condition() holds; false when the time ran out.
inline bool PumpUntil(const std::function<bool()>& condition,
                      std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
    QTimer heartbeat;  // wakes the loop so the deadline is noticed
    heartbeat.start(5);
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeout.count())
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

inline bool Ended(const std::shared_ptr<FunctionThread>& thread) {
    return thread->State() == ThreadState::NotRunning;
}

// Runs the thread and the event loop until the thread has ended; false when the time ran out.
inline bool RunToEnd(const std::shared_ptr<FunctionThread>& thread) {
    thread->Run();
    return PumpUntil([&] { return Ended(thread); });
}

inline void PumpFor(std::chrono::milliseconds duration) {
    QElapsedTimer clock;
    clock.start();
    PumpUntil([&] { return clock.elapsed() >= duration.count(); }, duration + std::chrono::seconds(1));
}

// Counts the turns of the event loop with a zero-time timer of its own.
class LoopTurnCounter {
public:
    LoopTurnCounter() {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this] { ++turns; });
        timer_.start();
    }
    int turns = 0;

private:
    QTimer timer_;
};

// Sets a flag when destroyed: stands for a fiber's local with a destructor.
class DestructorProbe {
public:
    explicit DestructorProbe(bool& destroyed) : destroyed_(destroyed) {}
    ~DestructorProbe() { destroyed_ = true; }

private:
    bool& destroyed_;
};

class ThreadTest : public ::testing::Test {
protected:
    ~ThreadTest() override {
        SetThreadTimeSlice(std::chrono::milliseconds(5));
        SetUnhandledExceptionHandler({});
    }
};

}  // namespace runtime::testing
