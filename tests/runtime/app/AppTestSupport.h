#pragma once
// Helpers shared by the runtime/app tests, with the shared thread and
// event-loop helpers by their short names.

#include <functional>

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

#include "runtime/app/ExceptionHook.h"
#include "runtime/app/ModalResponder.h"
#include "tests/support/FunctionThread.h"

namespace apptest {

using testsupport::FunctionThread;
using testsupport::PumpUntil;

// A key press sent to the widget, with the text it types.
inline void SendKey(QWidget* widget, Qt::Key key, const QString& text = QString()) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &press);
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

// Leaves no responder and no exception helper behind.
class AppTest : public ::testing::Test {
protected:
    void TearDown() override {
        runtime::SetModalResponder(nullptr);
        runtime::RuntimeSetExceptionHelper(nullptr);
    }
};

}  // namespace apptest
