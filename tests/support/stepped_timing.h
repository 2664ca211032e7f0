#pragma once

#include "windows/timing.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <QTimerEvent>

namespace plotmere::testing_support {

// Widget tests step time themselves instead of sleeping: with a day per tick no timer of the
// program fires on its own during a test, and a test delivers each tick with Tick() when it
// wants that much time to have passed. The splash takes no time at all.
inline constexpr int NeverOnItsOwnMs = 24 * 60 * 60 * 1000;
inline constexpr Timing SteppedTiming{
    .resizeTickMs = NeverOnItsOwnMs, .messageTickMs = NeverOnItsOwnMs, .splashMs = 0};

// Delivers up to `count` ticks to a running timer, each exactly as the event loop delivers one
// when the interval has passed, and stops early once the timer stops (or goes with its owner).
// Returns the number delivered.
inline int Tick(QTimer* timer, int count = 1) {
    const QPointer<QTimer> running(timer);
    int delivered = 0;
    while (delivered < count && !running.isNull() && running->isActive()) {
        QTimerEvent tick(running->timerId());
        QCoreApplication::sendEvent(running.data(), &tick);
        ++delivered;
    }
    return delivered;
}

} // namespace plotmere::testing_support
