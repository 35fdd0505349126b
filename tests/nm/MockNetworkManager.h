#pragma once

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>
#include <QVariantMap>
#include <functional>
#include <memory>
#include <string>

namespace varnolt::test {

// Runs the event loop until `done` holds; false when `timeoutMs` passed first.
inline bool WaitFor(const std::function<bool()>& done, int timeoutMs = 5000) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done()) {
            loop.quit();
        }
    });
    poll.start(10);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    if (!done()) {
        loop.exec();
    }
    return done();
}

// Runs the event loop for `ms`.
inline void RunFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// A private message bus, and python-dbusmock's NetworkManager on it, both
// started by the test; the mock is driven through its org.freedesktop.DBus.Mock
// interface.
class MockNetworkManager {
public:
    static constexpr const char* kPython = "/usr/bin/python3";
    static constexpr const char* kMain = "/org/freedesktop";
    static constexpr const char* kManager = "/org/freedesktop/NetworkManager";
    static constexpr const char* kSettings = "/org/freedesktop/NetworkManager/Settings";
    static constexpr const char* kActiveInterface =
        "org.freedesktop.NetworkManager.Connection.Active";

    // Why the mock cannot run here, or empty.
    static std::string Missing() {
        if (!QFileInfo::exists("/usr/bin/dbus-daemon")) {
            return "dbus-daemon is not installed (package dbus)";
        }
        if (QProcess::execute(kPython, {"-c", "import dbusmock"}) != 0) {
            return "python-dbusmock is not installed (package python3-dbusmock)";
        }
        return {};
    }

    // The bus alone; Start() adds NetworkManager.
    MockNetworkManager() {
        qDBusRegisterMetaType<QMap<QString, QVariantMap>>();
        m_daemon.start("/usr/bin/dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        m_daemon.waitForReadyRead(5000);
        m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
        m_name = "test-bus-" + QString::number(++Count());
        m_bus = std::make_unique<QDBusConnection>(QDBusConnection::connectToBus(m_address, m_name));
    }
    ~MockNetworkManager() {
        Stop();
        m_bus.reset();
        QDBusConnection::disconnectFromBus(m_name);
        m_daemon.kill();
        m_daemon.waitForFinished(5000);
    }

    // Starts NetworkManager's mock; false when its name did not appear.
    bool Start() {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DBUS_SYSTEM_BUS_ADDRESS", m_address);
        m_mock.setProcessEnvironment(environment);
        m_mock.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_mock.start(kPython, {"-m", "dbusmock", "--template", "networkmanager", "--system"});
        return WaitFor([this] { return Running(); }, 15'000);
    }
    // NetworkManager leaves the bus.
    void Stop() {
        if (m_mock.state() != QProcess::NotRunning) {
            m_mock.kill();
            m_mock.waitForFinished(5000);
        }
    }
    bool Running() const {
        return Bus().interface()->isServiceRegistered("org.freedesktop.NetworkManager");
    }

    QDBusConnection& Bus() const { return *m_bus; }
    const QString& Address() const { return m_address; }

    QDBusMessage Call(const QString& path, const QString& interfaceName, const QString& method,
                      const QVariantList& arguments) {
        QDBusMessage message = QDBusMessage::createMethodCall("org.freedesktop.NetworkManager",
                                                              path, interfaceName, method);
        message.setArguments(arguments);
        return m_bus->call(message, QDBus::Block, 5000);
    }
    QDBusMessage Mock(const QString& path, const QString& method, const QVariantList& arguments) {
        return Call(path, "org.freedesktop.DBus.Mock", method, arguments);
    }

    // A profile of `type` named `id`; its path. `login` goes to the type's setting.
    QString AddProfile(const QString& id, const QString& type, const QVariantMap& login = {}) {
        QMap<QString, QVariantMap> settings;
        settings["connection"] = {{"id", id}, {"type", type}};
        if (!login.isEmpty()) {
            settings[type] = login;
        }
        const QDBusMessage reply = Call(kSettings, "org.freedesktop.NetworkManager.Settings",
                                        "AddConnection", {QVariant::fromValue(settings)});
        return qdbus_cast<QDBusObjectPath>(reply.arguments().value(0)).path();
    }
    QMap<QString, QVariantMap> ProfileSettings(const QString& path) {
        const QDBusMessage reply =
            Call(path, "org.freedesktop.NetworkManager.Settings.Connection", "GetSettings", {});
        return qdbus_cast<QMap<QString, QVariantMap>>(reply.arguments().value(0));
    }
    QString AddModem() {
        const QDBusMessage reply =
            Mock(kMain, "AddEthernetDevice", {QString("modem0"), QString("ttyUSB0"), 30});
        return reply.arguments().value(0).toString();
    }
    // From now on an activation stays in state 1 (activating) on `device`,
    // for the test to drive.
    void ActivateSlowly(const QString& device) {
        Mock(kManager, "AddMethod",
             {QString("org.freedesktop.NetworkManager"), QString("ActivateConnection"),
              QString("ooo"), QString("o"),
              QString("ret = dbus.ObjectPath(self.AddActiveConnection(['%1'], args[0], '/', "
                      "str(args[0]).split('/')[-1], dbus.UInt32(1)))")
                  .arg(device)});
    }
    // An activation fails at once with a D-Bus error.
    void RefuseActivation(const QString& message) {
        Mock(kManager, "AddMethod",
             {QString("org.freedesktop.NetworkManager"), QString("ActivateConnection"),
              QString("ooo"), QString("o"),
              QString("raise dbus.exceptions.DBusException('%1', "
                      "name='org.freedesktop.NetworkManager.PermissionDenied')")
                  .arg(message)});
    }
    QStringList ActiveConnections() {
        QDBusMessage get = QDBusMessage::createMethodCall(
            "org.freedesktop.NetworkManager", kManager, "org.freedesktop.DBus.Properties", "Get");
        get << QString("org.freedesktop.NetworkManager") << QString("ActiveConnections");
        const QDBusMessage reply = m_bus->call(get, QDBus::Block, 5000);
        QStringList paths;
        for (const QDBusObjectPath& path :
             qdbus_cast<QList<QDBusObjectPath>>(reply.arguments()
                                                    .value(0)
                                                    .value<QDBusVariant>()
                                                    .variant()
                                                    .value<QDBusArgument>())) {
            paths << path.path();
        }
        return paths;
    }
    void SetActiveState(const QString& active, uint state) {
        Mock(kMain, "SetProperty",
             {active, QString(kActiveInterface), QString("State"),
              QVariant::fromValue(QDBusVariant(state))});
    }
    void EmitSignal(const QString& path, const QString& interfaceName, const QString& name,
                    const QString& signature, const QVariantList& arguments) {
        QVariantList wrapped;
        for (const QVariant& argument : arguments) {
            wrapped << QVariant::fromValue(QDBusVariant(argument));
        }
        Mock(path, "EmitSignal", {interfaceName, name, signature, wrapped});
    }
    void RemoveActive(const QString& device, const QString& active) {
        Mock(kMain, "RemoveActiveConnection", {device, active});
    }

private:
    static int& Count() {
        static int count = 0;
        return count;
    }

    QProcess m_daemon;
    QProcess m_mock;
    QString m_address;
    QString m_name;
    std::unique_ptr<QDBusConnection> m_bus;
};

}  // namespace varnolt::test
