// Notifications on a bus of the test's own, with a notification service
// played by the test and then without one.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>
#include <QVariantMap>

#include "qt/DesktopNotifications.h"

namespace varnolt {
namespace {

// The desktop's notification service as far as Notify goes.
class FakeNotificationService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QStringList received;  // "app | summary | body | timeout"

public slots:
    uint Notify(const QString& app, uint, const QString&, const QString& summary,
                const QString& body, const QStringList&, const QVariantMap&, int timeout) {
        received << QStringLiteral("%1 | %2 | %3 | %4").arg(app, summary, body).arg(timeout);
        return static_cast<uint>(received.size());
    }
};

bool WaitFor(const std::function<bool()>& done) {
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < 10'000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return done();
}

TEST(DesktopNotifications, GoToTheServiceWithoutWaitingAndToTheTrayOnceItIsGone) {
    const QString daemon = QStandardPaths::findExecutable("dbus-daemon");
    if (daemon.isEmpty()) {
        GTEST_SKIP() << "dbus-daemon is not installed (package dbus-daemon)";
    }
    QProcess bus;
    bus.start(daemon, {"--session", "--nofork", "--print-address=1"});
    ASSERT_TRUE(bus.waitForReadyRead(10'000));
    const QString address = QString::fromUtf8(bus.readLine()).trimmed();
    QDBusConnection client = QDBusConnection::connectToBus(address, "notifications-client");
    QDBusConnection server = QDBusConnection::connectToBus(address, "notifications-server");
    ASSERT_TRUE(client.isConnected() && server.isConnected());
    FakeNotificationService service;
    ASSERT_TRUE(server.registerObject("/org/freedesktop/Notifications", &service,
                                      QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(server.registerService("org.freedesktop.Notifications"));

    int trayAsked = 0;
    DesktopNotifications notifications(client, [&trayAsked]() -> QSystemTrayIcon* {
        ++trayAsked;
        return nullptr;
    });
    QElapsedTimer sending;
    sending.start();
    notifications.Notify("Office - connected", "Unit price: 0.12 DM per 90 s");
    // Sent, not delivered: the fake service answers only from the event loop.
    EXPECT_TRUE(service.received.isEmpty());
    EXPECT_LT(sending.elapsed(), 1000);
    ASSERT_TRUE(WaitFor([&] { return !service.received.isEmpty(); }));
    EXPECT_EQ(service.received,
              QStringList{"Varnolt | Office - connected | Unit price: 0.12 DM per 90 s | -1"});
    QCoreApplication::processEvents();
    EXPECT_TRUE(notifications.ServiceUsable());
    EXPECT_EQ(trayAsked, 0);

    server.unregisterService("org.freedesktop.Notifications");
    notifications.Notify("Office - call ended", "Duration: 00:00:03 h, fee: 0.12 DM");
    ASSERT_TRUE(WaitFor([&] { return trayAsked == 1; }));
    EXPECT_FALSE(notifications.ServiceUsable());
    notifications.Notify("The call could not be saved", "disk full");
    EXPECT_EQ(trayAsked, 2);  // at once, without asking the bus again
    EXPECT_EQ(service.received.size(), 1);

    QDBusConnection::disconnectFromBus("notifications-client");
    QDBusConnection::disconnectFromBus("notifications-server");
    bus.kill();
    bus.waitForFinished();
}

}  // namespace
}  // namespace varnolt

#include "DesktopNotificationsTest.moc"
