#pragma once

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>

namespace varnolt {

using NmSettingsMap = QMap<QString, QVariantMap>;

// Hands NetworkManager the password typed in the dial dialog for the one
// activation it was typed for, so that it never needs to be stored anywhere:
// a secret agent registered with NetworkManager's agent manager. It keeps
// nothing beyond the dial and saves nothing.
class NmSecretAgent final : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kPath = "/org/freedesktop/NetworkManager/SecretAgent";

    explicit NmSecretAgent(const QDBusConnection& bus);
    ~NmSecretAgent() override;

    // Tells NetworkManager the agent is there; again whenever NetworkManager starts.
    void Register();
    // The password of the profile at `profilePath` until Withdraw.
    void Offer(const QString& profilePath, const QString& password);
    void Withdraw();

    // The agent's interface, called by NetworkManager through the adaptor.
    NmSettingsMap GetSecrets(const QDBusObjectPath& profilePath, const QString& settingName,
                             const QDBusMessage& message);

private:
    QDBusConnection m_bus;
    QString m_profilePath;
    QString m_password;
};

// org.freedesktop.NetworkManager.SecretAgent on the agent's object.
class NmSecretAgentAdaptor final : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.NetworkManager.SecretAgent")
public:
    explicit NmSecretAgentAdaptor(NmSecretAgent* agent);

public slots:
    NmSettingsMap GetSecrets(const NmSettingsMap& connection, const QDBusObjectPath& connectionPath,
                             const QString& settingName, const QStringList& hints, uint flags,
                             const QDBusMessage& message);
    void CancelGetSecrets(const QDBusObjectPath& connectionPath, const QString& settingName);
    void SaveSecrets(const NmSettingsMap& connection, const QDBusObjectPath& connectionPath);
    void DeleteSecrets(const NmSettingsMap& connection, const QDBusObjectPath& connectionPath);

private:
    NmSecretAgent* m_agent;
};

}  // namespace varnolt
