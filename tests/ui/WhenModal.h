#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <functional>

namespace varnolt::test {

// Acts on the next modal dialog of type T from inside its event loop, once it
// is up. The watch belongs to `owner` and ends with it, so a dialog that never
// opens leaves nothing behind (the test's own checks then fail). A dialog the
// act leaves open is closed after a while with a failure: a broken dialog
// fails the test instead of hanging it.
template <typename T>
void WhenModal(QObject& owner, std::function<void(T&)> act) {
    auto* poll = new QTimer(&owner);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act = std::move(act)] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        poll->stop();
        poll->deleteLater();
        act(*dialog);
        QTimer::singleShot(5000, dialog, [left = QPointer<T>(dialog)] {
            if (left && left->isVisible()) {
                ADD_FAILURE() << "a dialog was left open: " << left->windowTitle().toStdString();
                left->reject();
            }
        });
    });
    poll->start(5);
}

}  // namespace varnolt::test
