#pragma once
// Helpers shared by the runtime/app tests.

#include <functional>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include "runtime/app/ExceptionHook.h"
#include "runtime/app/ModalResponder.h"

namespace apptest {

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

// Leaves no responder and no exception helper behind.
class AppTest : public ::testing::Test {
protected:
    void TearDown() override {
        runtime::SetModalResponder(nullptr);
        runtime::RuntimeSetExceptionHelper(nullptr);
    }
};

}  // namespace apptest
