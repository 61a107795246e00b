#pragma once
// Helpers for the thread tests: the shared thread and event-loop helpers by
// their short names, a loop-turn counter, a destructor probe and a thread
// that holds one, and a fixture that restores the runtime settings.

#include <chrono>
#include <functional>
#include <memory>
#include <utility>

#include <QTimer>
#include <gtest/gtest.h>

#include "runtime/threads/BackgroundTask.h"
#include "runtime/threads/Scheduler.h"
#include "runtime/threads/Thread.h"
#include "runtime/threads/UnhandledException.h"
#include "tests/support/FunctionThread.h"

namespace runtime::testing {

using testsupport::Ended;
using testsupport::FunctionThread;
using testsupport::MakeThread;
using testsupport::PumpFor;
using testsupport::PumpUntil;
using testsupport::RunToEnd;

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

// A thread whose run holds a DestructorProbe on `destroyed` while body runs.
inline std::shared_ptr<FunctionThread> ProbedThread(bool& destroyed, std::function<void()> body) {
    return MakeThread([&destroyed, body = std::move(body)] {
        DestructorProbe probe(destroyed);
        body();
    });
}

class ThreadTest : public ::testing::Test {
protected:
    ~ThreadTest() override {
        SetThreadTimeSlice(std::chrono::milliseconds(5));
        SetUnhandledExceptionHandler({});
    }
};

}  // namespace runtime::testing
