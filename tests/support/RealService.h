#pragma once

#include <QEventLoop>
#include <QTimer>
#include <functional>

#include "sim/EntryDialogs.h"

namespace varnolt::test {

// The simulated service's own dialogs, never opened where nobody clicks.
struct NoEntryDialogs final : EntryDialogs {
    void ShowNewEntry(const Submit&) override {}
    void ShowEditEntry(const PhonebookEntry&, const Submit&) override {}
};

// Runs the event loop until `done` holds; false when `timeoutMs` passed first.
inline bool WaitUntil(const std::function<bool()>& done, int timeoutMs) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done()) {
            loop.quit();
        }
    });
    poll.start(20);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    if (!done()) {
        loop.exec();
    }
    return done();
}

// Runs the event loop for `ms`, with no wake-up of its own in between.
inline void RunEventsFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace varnolt::test
