#include "NmActiveCall.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusReply>
#include <QDBusVariant>

#include "NmFailureCodes.h"
#include "NmNames.h"

namespace varnolt {
namespace {

// Long enough for the StateChanged that follows a state property change.
constexpr int kReasonGraceMs = 300;
// NetworkManager counts a device's bytes only while someone asked for a rate.
constexpr uint kStatisticsRateMs = 1000;

QList<QDBusObjectPath> PathList(const QVariant& value) {
    if (value.canConvert<QDBusArgument>()) {
        return qdbus_cast<QList<QDBusObjectPath>>(value.value<QDBusArgument>());
    }
    return value.value<QList<QDBusObjectPath>>();
}

}  // namespace

NmActiveCall::NmActiveCall(const QDBusConnection& bus, RasHandle handle, const QString& activePath,
                           RemoteAccess::DialNotify notify)
    : m_bus(bus), m_handle(handle), m_path(activePath), m_notify(std::move(notify)) {
    m_grace.setSingleShot(true);
    m_grace.setInterval(kReasonGraceMs);
    connect(&m_grace, &QTimer::timeout, this, [this] { End(0); });
}

NmActiveCall::~NmActiveCall() {
    Silence();
}

void NmActiveCall::Subscribe(bool on) {
    const auto link = [&](const QString& path, const QString& interfaceName, const QString& name,
                          const char* slot) {
        if (on) {
            m_bus.connect(nm::kService, path, interfaceName, name, this, slot);
        } else {
            m_bus.disconnect(nm::kService, path, interfaceName, name, this, slot);
        }
    };
    link(m_path, nm::kActiveInterface, "StateChanged", SLOT(OnStateChanged(uint, uint)));
    link(m_path, nm::kPropertiesInterface, "PropertiesChanged",
         SLOT(OnProperties(QString, QVariantMap, QStringList)));
    link(m_path, nm::kActiveInterface, "PropertiesChanged", SLOT(OnLegacyProperties(QVariantMap)));
    link(nm::kManagerPath, nm::kPropertiesInterface, "PropertiesChanged",
         SLOT(OnManagerProperties(QString, QVariantMap, QStringList)));
    link(nm::kManagerPath, nm::kManagerInterface, "PropertiesChanged",
         SLOT(OnLegacyManagerProperties(QVariantMap)));
    for (const QString& device : m_devices) {
        link(device, nm::kDeviceInterface, "StateChanged",
             SLOT(OnDeviceStateChanged(uint, uint, uint)));
    }
}

void NmActiveCall::Start() {
    Subscribe(true);
    QDBusMessage get =
        QDBusMessage::createMethodCall(nm::kService, m_path, nm::kPropertiesInterface, "GetAll");
    get << QString(nm::kActiveInterface);
    const QDBusMessage reply = m_bus.call(get, QDBus::Block, nm::kCallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        // Gone before it could be read: ended by NetworkManager at once.
        End(0);
        return;
    }
    const QVariantMap properties = qdbus_cast<QVariantMap>(reply.arguments().value(0));
    FollowDevices(properties.value("Devices"));
    ApplyState(properties.value("State").toUInt());
}

void NmActiveCall::FollowDevices(const QVariant& devices) {
    for (const QDBusObjectPath& device : PathList(devices)) {
        if (!m_devices.contains(device.path())) {
            m_devices << device.path();
            m_bus.connect(nm::kService, device.path(), nm::kDeviceInterface, "StateChanged", this,
                          SLOT(OnDeviceStateChanged(uint, uint, uint)));
        }
    }
}

void NmActiveCall::Silence() {
    if (!m_silenced) {
        m_silenced = true;
        m_grace.stop();
        Subscribe(false);
    }
}

void NmActiveCall::ServiceGone() {
    End(0);
}

unsigned NmActiveCall::LineState() const {
    if (m_ended) {
        return kStateDisconnected;
    }
    return m_connected ? ras::kStateConnected : kStateConnectDevice;
}

void NmActiveCall::OnStateChanged(uint state, uint reason) {
    if (state >= nm::active_state::kDeactivating) {
        End(reason);
        return;
    }
    ApplyState(state);
}

void NmActiveCall::OnProperties(const QString& interfaceName, const QVariantMap& changed,
                                const QStringList&) {
    if (interfaceName == nm::kActiveInterface) {
        OnLegacyProperties(changed);
    }
}

void NmActiveCall::OnLegacyProperties(const QVariantMap& changed) {
    if (changed.contains("Devices")) {
        FollowDevices(changed.value("Devices"));
    }
    if (changed.contains("State")) {
        ApplyState(changed.value("State").toUInt());
    }
}

void NmActiveCall::OnManagerProperties(const QString& interfaceName, const QVariantMap& changed,
                                       const QStringList&) {
    if (interfaceName == nm::kManagerInterface) {
        OnLegacyManagerProperties(changed);
    }
}

void NmActiveCall::OnLegacyManagerProperties(const QVariantMap& changed) {
    if (!changed.contains("ActiveConnections")) {
        return;
    }
    for (const QDBusObjectPath& active : PathList(changed.value("ActiveConnections"))) {
        if (active.path() == m_path) {
            return;
        }
    }
    EndSoon();
}

void NmActiveCall::OnDeviceStateChanged(uint newState, uint, uint reason) {
    if (newState == nm::device_reason::kDeviceFailedState && reason != 0) {
        m_deviceReason = reason;
    }
}

void NmActiveCall::ApplyState(unsigned state) {
    if (m_ended || state == m_state) {
        return;
    }
    m_state = state;
    if (state >= nm::active_state::kDeactivating) {
        EndSoon();
    } else if (state == nm::active_state::kActivated) {
        m_connected = true;
        RequestStatistics();
        Notify(ras::kStateConnected, ras::kSuccess);
    } else {
        Notify(kStateConnectDevice, ras::kSuccess);
    }
}

void NmActiveCall::EndSoon() {
    // A line that was up has dropped, whatever the reason: nothing to wait for.
    if (m_connected) {
        End(0);
    } else if (!m_ended && !m_grace.isActive()) {
        m_grace.start();
    }
}

void NmActiveCall::End(unsigned activeReason) {
    if (m_ended) {
        return;
    }
    m_ended = true;
    m_grace.stop();
    // Whether the program asked for the end decides, never the reason: a
    // silenced call reports nothing, and any other end of an established line
    // is the remote side's.
    const int error =
        m_connected ? ras::kErrorDisconnection : nm::FailureCode(activeReason, m_deviceReason);
    Notify(kStateDisconnected, error);
}

std::optional<TrafficBytes> NmActiveCall::Traffic() {
    if (!m_connected || m_ended) {
        return std::nullopt;
    }
    RequestStatistics();
    if (!m_countsAtConnect || !m_counts) {
        return std::nullopt;
    }
    // Counters that went back (a device reset) count from zero again.
    const auto since = [](std::uint64_t now, std::uint64_t then) {
        return now >= then ? now - then : now;
    };
    return TrafficBytes{since(m_counts->sent, m_countsAtConnect->sent),
                        since(m_counts->received, m_countsAtConnect->received)};
}

void NmActiveCall::RequestStatistics() {
    if (m_statisticsAsked || m_devices.isEmpty() || m_silenced) {
        return;
    }
    m_statisticsAsked = true;
    QDBusMessage get = QDBusMessage::createMethodCall(nm::kService, m_devices.first(),
                                                      nm::kPropertiesInterface, "GetAll");
    get << QString(nm::kStatisticsInterface);
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(get, nm::kCallTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                m_statisticsAsked = false;
                const QDBusPendingReply<QVariantMap> reply = *finished;
                // A NetworkManager or device without counts shows none.
                if (!reply.isError() && !m_silenced) {
                    TakeStatistics(reply.value());
                }
            });
}

void NmActiveCall::TakeStatistics(const QVariantMap& statistics) {
    if (!statistics.contains("TxBytes") || !statistics.contains("RxBytes")) {
        return;
    }
    if (statistics.value("RefreshRateMs").toUInt() == 0) {
        QDBusMessage set = QDBusMessage::createMethodCall(nm::kService, m_devices.first(),
                                                          nm::kPropertiesInterface, "Set");
        set << QString(nm::kStatisticsInterface) << QString("RefreshRateMs")
            << QVariant::fromValue(QDBusVariant(kStatisticsRateMs));
        m_bus.send(set);
    }
    const TrafficBytes counts{statistics.value("TxBytes").toULongLong(),
                              statistics.value("RxBytes").toULongLong()};
    if (!m_countsAtConnect) {
        m_countsAtConnect = counts;
    }
    m_counts = counts;
}

void NmActiveCall::Notify(unsigned state, int error) {
    if (!m_silenced && m_notify) {
        m_notify(m_handle, state, error);
    }
}

}  // namespace varnolt
