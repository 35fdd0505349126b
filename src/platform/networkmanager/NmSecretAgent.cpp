#include "NmSecretAgent.h"

#include <QDBusMetaType>

#include "NmNames.h"

namespace varnolt {
namespace {

constexpr const char* kAgentManagerPath = "/org/freedesktop/NetworkManager/AgentManager";
constexpr const char* kAgentManagerInterface = "org.freedesktop.NetworkManager.AgentManager";
constexpr const char* kIdentifier = "org.kessendral.varnolt";
constexpr const char* kNoSecrets = "org.freedesktop.NetworkManager.SecretAgent.NoSecrets";

}  // namespace

NmSecretAgent::NmSecretAgent(const QDBusConnection& bus) : m_bus(bus) {
    qDBusRegisterMetaType<NmSettingsMap>();
    // The adaptor's slots name the type as written there.
    qRegisterMetaType<NmSettingsMap>("NmSettingsMap");
    new NmSecretAgentAdaptor(this);
    m_bus.registerObject(kPath, this);
}

NmSecretAgent::~NmSecretAgent() {
    m_bus.unregisterObject(kPath);
}

void NmSecretAgent::Register() {
    // Not waited for: without NetworkManager there is nobody to register with.
    QDBusMessage message = QDBusMessage::createMethodCall(nm::kService, kAgentManagerPath,
                                                          kAgentManagerInterface, "Register");
    message << QString(kIdentifier);
    m_bus.send(message);
}

void NmSecretAgent::Offer(const QString& profilePath, const QString& password) {
    m_profilePath = profilePath;
    m_password = password;
}

void NmSecretAgent::Withdraw() {
    m_profilePath.clear();
    m_password.clear();
}

NmSettingsMap NmSecretAgent::GetSecrets(const QDBusObjectPath& profilePath,
                                        const QString& settingName, const QDBusMessage& message) {
    if (m_profilePath.isEmpty() || profilePath.path() != m_profilePath) {
        message.setDelayedReply(true);
        m_bus.send(message.createErrorReply(kNoSecrets, "No password was given for this profile."));
        return {};
    }
    return {{settingName, QVariantMap{{"password", m_password}}}};
}

NmSecretAgentAdaptor::NmSecretAgentAdaptor(NmSecretAgent* agent)
    : QDBusAbstractAdaptor(agent), m_agent(agent) {}

NmSettingsMap NmSecretAgentAdaptor::GetSecrets(const NmSettingsMap&,
                                               const QDBusObjectPath& connectionPath,
                                               const QString& settingName, const QStringList&, uint,
                                               const QDBusMessage& message) {
    return m_agent->GetSecrets(connectionPath, settingName, message);
}

// Answers come at once, so there is never a request to cancel.
void NmSecretAgentAdaptor::CancelGetSecrets(const QDBusObjectPath&, const QString&) {}

// Nothing is kept by this agent: remembered passwords go to the profile itself.
void NmSecretAgentAdaptor::SaveSecrets(const NmSettingsMap&, const QDBusObjectPath&) {}
void NmSecretAgentAdaptor::DeleteSecrets(const NmSettingsMap&, const QDBusObjectPath&) {}

}  // namespace varnolt
