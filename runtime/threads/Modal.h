#pragma once
// Modal calls and the threads: while a modal loop runs, no thread is resumed,
// so every nested loop runs on one stack and they end in reverse order.

#include <functional>

namespace runtime {

// While any ModalScope exists the scheduler resumes no thread and its timer is
// stopped; when the last one ends, runnable threads are resumed again.
class ModalScope {
public:
    ModalScope();
    ~ModalScope();
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;
};

bool InModalLoop();

// Runs a nested event loop on the caller's stack (main thread or a thread's
// fiber) inside a ModalScope until done() is true, or until the application
// quits. done() is tested before the loop starts and on every turn of it.
void RunNestedLoop(const std::function<bool()>& done);

}  // namespace runtime
