#include "DesktopNotifications.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QFileInfo>
#include <QSystemTrayIcon>
#include <QVariantMap>

#include "CoreText.h"
#include "app/AppIdentity.h"

namespace varnolt {
namespace {

constexpr int kTrayMessageMs = 8000;

// The session bus when there can be one. Without an address or the usual
// socket, connecting could start a bus of its own and wait for it; then a
// connection that is not connected stands in.
QDBusConnection SessionBusIfKnown() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS") ||
        (!runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus")))) {
        return QDBusConnection::sessionBus();
    }
    return QDBusConnection(QStringLiteral("varnolt-no-session-bus"));
}

}  // namespace

DesktopNotifications::DesktopNotifications(std::function<QSystemTrayIcon*()> trayIcon,
                                           QObject* parent)
    : DesktopNotifications(SessionBusIfKnown(), std::move(trayIcon), parent) {}

DesktopNotifications::DesktopNotifications(const QDBusConnection& bus,
                                           std::function<QSystemTrayIcon*()> trayIcon,
                                           QObject* parent)
    : QObject(parent),
      m_bus(bus),
      m_trayIcon(std::move(trayIcon)),
      m_serviceUsable(bus.isConnected()) {}

void DesktopNotifications::Notify(const std::string& title, const std::string& text) {
    const QString summary = CoreText(title);
    const QString body = CoreText(text);
    if (!m_serviceUsable || !m_bus.isConnected()) {
        m_serviceUsable = false;
        ShowInTray(summary, body);
        return;
    }
    QDBusMessage message = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    // app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout
    message << QString::fromUtf8(kProgramName) << 0U << QStringLiteral("varnolt") << summary << body
            << QStringList() << QVariantMap() << -1;
    // The answer is awaited by the event loop, never here.
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(message), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, summary, body](QDBusPendingCallWatcher* done) {
                if (done->isError()) {
                    m_serviceUsable = false;
                    ShowInTray(summary, body);
                }
                done->deleteLater();
            });
}

void DesktopNotifications::ShowInTray(const QString& title, const QString& text) const {
    QSystemTrayIcon* tray = m_trayIcon ? m_trayIcon() : nullptr;
    if (tray != nullptr && tray->isVisible()) {
        tray->showMessage(title, text, QSystemTrayIcon::Information, kTrayMessageMs);
    }
}

}  // namespace varnolt
