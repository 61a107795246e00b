#pragma once
// Helpers shared by the runtime/app tests.

#include <chrono>
#include <functional>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include "runtime/app/ExceptionHook.h"
#include "runtime/app/ModalResponder.h"
#include "runtime/threads/Thread.h"

namespace apptest {

// Runs the event loop until done() or the time is up; true when done.
inline bool SpinUntil(const std::function<bool()>& done, int timeoutMs = 5000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

// Calls act with the active modal widget of type W as soon as one is up,
// from a timer, i.e. from inside whatever nested loop shows it.
template <class W>
void WhenModalUp(std::function<void(W*)> act) {
    auto* poll = new QTimer(qApp);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
        if (auto* widget = qobject_cast<W*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            act(widget);
        }
    });
    poll->start();
}

// A thread that runs the given body.
class BodyThread : public runtime::Thread {
public:
    std::function<void()> body;
    void Event_Run() override { body(); }
};

// Leaves no responder and no exception helper behind.
class AppTest : public ::testing::Test {
protected:
    void TearDown() override {
        runtime::SetModalResponder(nullptr);
        runtime::RuntimeSetExceptionHelper(nullptr);
    }
};

}  // namespace apptest
