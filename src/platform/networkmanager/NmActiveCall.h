#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QVariantMap>
#include <optional>

#include "platform/RemoteAccess.h"

namespace varnolt {

// One activation this program asked NetworkManager for: follows its active
// connection until it is up, fails or goes away, and reports each change
// through the dial's notification. The end is noticed once, whichever word of
// it comes first; once silenced (the program hangs up) nothing is reported.
class NmActiveCall final : public QObject {
    Q_OBJECT
public:
    // The line states reported to the program.
    static constexpr unsigned kStateConnectDevice = 2;
    static constexpr unsigned kStateDisconnected = 0x2001;

    NmActiveCall(const QDBusConnection& bus, RasHandle handle, const QString& activePath,
                 RemoteAccess::DialNotify notify);
    ~NmActiveCall() override;

    // Subscribes to the connection's signals, then reads its state once: it
    // may be up already, with no signal to come.
    void Start();
    // No notification after this returns.
    void Silence();
    // NetworkManager left the bus: whatever ran has ended.
    void ServiceGone();

    unsigned LineState() const;
    // The bytes moved since the line came up, as NetworkManager last counted
    // them on the connection's device; nothing where it does not count. Asks
    // for a fresh count without waiting for it.
    std::optional<TrafficBytes> Traffic();
    bool HasEnded() const { return m_ended; }
    const QString& Path() const { return m_path; }

private slots:
    void OnStateChanged(uint state, uint reason);
    void OnProperties(const QString& interfaceName, const QVariantMap& changed,
                      const QStringList& invalidated);
    void OnLegacyProperties(const QVariantMap& changed);
    void OnManagerProperties(const QString& interfaceName, const QVariantMap& changed,
                             const QStringList& invalidated);
    void OnLegacyManagerProperties(const QVariantMap& changed);
    void OnDeviceStateChanged(uint newState, uint oldState, uint reason);

private:
    void Subscribe(bool on);
    void FollowDevices(const QVariant& devices);
    void ApplyState(unsigned state);
    // An end seen without a reason waits a moment for StateChanged to bring one.
    void EndSoon();
    void End(unsigned activeReason);
    void Notify(unsigned state, int error);
    // Asks the device for its byte counts; the answer arrives later.
    void RequestStatistics();
    void TakeStatistics(const QVariantMap& statistics);

    QDBusConnection m_bus;
    const RasHandle m_handle;
    const QString m_path;
    RemoteAccess::DialNotify m_notify;
    QStringList m_devices;
    unsigned m_state = 0;
    bool m_connected = false;
    bool m_ended = false;
    bool m_silenced = false;
    // The last failure a device of this connection gave, 0 while none.
    unsigned m_deviceReason = 0;
    QTimer m_grace;
    // The device's counts when the line came up, and the latest ones.
    std::optional<TrafficBytes> m_countsAtConnect;
    std::optional<TrafficBytes> m_counts;
    bool m_statisticsAsked = false;
};

}  // namespace varnolt
