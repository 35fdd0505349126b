#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <functional>

#include "platform/Notifier.h"

class QSystemTrayIcon;

namespace varnolt {

// Notifications through the desktop's notification service
// (org.freedesktop.Notifications on the session bus), else the tray icon's
// balloon, else none. Every message is sent without waiting for an answer;
// the service is taken to be there until a message comes back undelivered,
// and from then on the tray icon shows them, that one included.
class DesktopNotifications final : public QObject, public Notifier {
    Q_OBJECT
public:
    // On the session bus, when there is one. trayIcon: the icon to fall back
    // on when asked, possibly none.
    explicit DesktopNotifications(std::function<QSystemTrayIcon*()> trayIcon,
                                  QObject* parent = nullptr);
    // On the given bus (tests bring one of their own).
    DesktopNotifications(const QDBusConnection& bus, std::function<QSystemTrayIcon*()> trayIcon,
                         QObject* parent = nullptr);

    void Notify(const std::string& title, const std::string& text) override;

    // Whether the service has not (yet) failed a message.
    bool ServiceUsable() const { return m_serviceUsable; }

private:
    void ShowInTray(const QString& title, const QString& text) const;

    QDBusConnection m_bus;
    std::function<QSystemTrayIcon*()> m_trayIcon;
    bool m_serviceUsable;
};

}  // namespace varnolt
