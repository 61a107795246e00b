#include "runtime/threads/Modal.h"

#include <QAbstractEventDispatcher>
#include <QEventLoop>

#include "runtime/threads/Scheduler.h"

namespace runtime {

using detail::Scheduler;

ModalScope::ModalScope() {
    Scheduler::Instance().EnterModal();
}

ModalScope::~ModalScope() {
    Scheduler::Instance().LeaveModal();
}

bool InModalLoop() {
    return Scheduler::Instance().ModalDepth() > 0;
}

namespace {

// Marks the running fiber as blocked in a modal call while its loop runs.
class NestedLoopMark {
public:
    NestedLoopMark() : fiber_(Scheduler::Instance().Current()) {
        if (fiber_ != nullptr)
            ++fiber_->nestedLoops;
    }
    ~NestedLoopMark() {
        if (fiber_ != nullptr)
            --fiber_->nestedLoops;
    }
    NestedLoopMark(const NestedLoopMark&) = delete;
    NestedLoopMark& operator=(const NestedLoopMark&) = delete;

private:
    detail::Fiber* fiber_;
};

}  // namespace

void RunNestedLoop(const std::function<bool()>& done) {
    if (done())
        return;
    ModalScope scope;
    NestedLoopMark mark;
    QEventLoop loop;
    // The dispatcher reports every turn of the loop: before it waits and when
    // it wakes. A loop nested deeper only marks this one to end after it.
    const auto check = [&loop, &done] {
        if (done())
            loop.quit();
    };
    if (auto* dispatcher = QAbstractEventDispatcher::instance()) {
        QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, &loop, check);
        QObject::connect(dispatcher, &QAbstractEventDispatcher::awake, &loop, check);
    }
    loop.exec();
}

}  // namespace runtime
