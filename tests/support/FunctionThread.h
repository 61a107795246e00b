#pragma once
// Runtime threads for tests: one whose Run event is a function, and running a
// thread to its end while the event loop turns.

#include <chrono>
#include <functional>
#include <memory>
#include <utility>

#include "runtime/threads/Thread.h"
#include "tests/support/EventLoop.h"

namespace testsupport {

// A thread whose Run event calls body; runs counts the calls.
class FunctionThread : public runtime::Thread {
public:
    explicit FunctionThread(std::function<void()> body = {}) : body(std::move(body)) {}
    void Event_Run() override {
        ++runs;
        if (body) body();
    }
    std::function<void()> body;
    int runs = 0;
};

inline std::shared_ptr<FunctionThread> MakeThread(std::function<void()> body) {
    return std::make_shared<FunctionThread>(std::move(body));
}

inline bool Ended(const std::shared_ptr<runtime::Thread>& thread) {
    return thread->State() == runtime::ThreadState::NotRunning;
}

// Runs the thread and the event loop until the thread's run has ended; false
// when the time ran out.
inline bool RunToEnd(const std::shared_ptr<runtime::Thread>& thread,
                     std::chrono::milliseconds timeout = std::chrono::seconds(20)) {
    thread->Run();
    return PumpUntil([&] { return Ended(thread); }, timeout);
}

}  // namespace testsupport
