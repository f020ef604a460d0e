#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <functional>

namespace nubo::test {

// Runs the event loop until the condition holds; false when the time ran out.
inline bool pumpUntil(const std::function<bool()>& condition, int timeoutMs = 10000) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

}  // namespace nubo::test
