#pragma once
// Turning the Qt event loop from a test until something has happened, with a
// deadline, so that a test waiting for a timer, a thread or a dialog fails
// instead of hanging. Needs a QCoreApplication.

#include <chrono>
#include <functional>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace testsupport {

// Runs the event loop until condition() holds; false when the time ran out.
inline bool PumpUntil(const std::function<bool()>& condition,
                      std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
    QTimer heartbeat;  // wakes the loop so the deadline is noticed
    heartbeat.start(5);
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeout.count()) return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

inline void PumpFor(std::chrono::milliseconds duration) {
    QElapsedTimer clock;
    clock.start();
    PumpUntil([&] { return clock.elapsed() >= duration.count(); }, duration + std::chrono::seconds(1));
}

}  // namespace testsupport
