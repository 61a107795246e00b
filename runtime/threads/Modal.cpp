#include "runtime/threads/Modal.h"

#include <QAbstractEventDispatcher>
#include <QEventLoop>

#include "runtime/threads/Scheduler.h"

namespace runtime {

using detail::Scheduler;

ModalScope::ModalScope() { Scheduler::Instance().EnterModal(); }

ModalScope::~ModalScope() { Scheduler::Instance().LeaveModal(); }

bool InModalLoop() { return Scheduler::Instance().ModalDepth() > 0; }

namespace {

// Marks the running fiber as blocked in a modal call while its loop runs.
class NestedLoopMark {
public:
    NestedLoopMark() : fiber_(Scheduler::Instance().Current()) {
        if (fiber_ != nullptr) ++fiber_->nestedLoops;
    }
    ~NestedLoopMark() {
        if (fiber_ != nullptr) --fiber_->nestedLoops;
    }
    NestedLoopMark(const NestedLoopMark&) = delete;
    NestedLoopMark& operator=(const NestedLoopMark&) = delete;

private:
    detail::Fiber* fiber_;
};

}  // namespace

void RunNestedLoop(const std::function<bool()>& done) {
    if (done()) return;
    ModalScope scope;
    NestedLoopMark mark;
    QEventLoop loop;
    // The dispatcher reports every turn of the loop: before it waits and when
    // it wakes. A loop nested deeper only marks this one to end after it. Quit
    // once: every quit interrupts the dispatcher, and a deeper loop that is
    // interrupted at each turn would never get to its timers.
    bool quitting = false;
    const auto check = [&loop, &done, &quitting] {
        if (!quitting && done()) {
            quitting = true;
            loop.quit();
        }
    };
    if (auto* dispatcher = QAbstractEventDispatcher::instance()) {
        QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, &loop, check);
        QObject::connect(dispatcher, &QAbstractEventDispatcher::awake, &loop, check);
    }
    loop.exec();
}

}  // namespace runtime
