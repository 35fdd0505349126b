#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QMap>
#include <QString>
#include <QVariantMap>
#include <map>
#include <memory>
#include <optional>

#include "NmActiveCall.h"
#include "NmSecretAgent.h"
#include "platform/RemoteAccess.h"

namespace varnolt {

class Prompts;

// Dials NetworkManager's connection profiles over the system bus: mobile
// broadband, PPPoE and Bluetooth dial-up (every profile with allConnections).
// Lives on the thread that owns the bus connection, as its signals do; every
// call to NetworkManager is short, so the window never waits long.
class NetworkManagerService final : public RemoteAccess {
public:
    // Stands for a password that NetworkManager keeps itself and never hands out.
    static constexpr const char* kKeptPassword = "\xE2\x80\xA2\xE2\x80\xA2\xE2\x80\xA2\xE2\x80\xA2";

    NetworkManagerService(const QDBusConnection& bus, Prompts& prompts, bool allConnections);
    // Stops following its calls; what is still up stays up.
    ~NetworkManagerService() override;

    NetworkManagerService(const NetworkManagerService&) = delete;
    NetworkManagerService& operator=(const NetworkManagerService&) = delete;

    std::vector<std::string> EnumEntries() override;
    void CreateEntryDialog() override;
    void EditEntryDialog(const std::string& entryName) override;
    // Left to NetworkManager's own tools: both fail with ras::kErrorNotSupported.
    int DeleteEntry(const std::string& entryName) override;
    int RenameEntry(const std::string& entryName, const std::string& newName) override;
    int GetEntryDialParams(const std::string& entryName, RasDialParams& params,
                           bool& passwordStored) override;
    int SetEntryDialParams(const std::string& entryName, const RasDialParams& params,
                           bool removePassword) override;
    int Dial(const std::string& entryName, const RasDialParams& params, DialNotify notify,
             RasHandle& handle) override;
    int GetConnectStatus(RasHandle handle, unsigned& state) override;
    int HangUp(RasHandle handle) override;
    std::string ErrorString(int code) override;
    std::optional<TrafficBytes> Traffic(RasHandle handle) override;
    bool IsConnectedOutside(const std::string& entryName) override;

    // Whether a connection of the entry is up or coming up, dialed by anyone.
    bool IsActive(const std::string& entryName);

private:
    using Settings = QMap<QString, QVariantMap>;
    struct Profile {
        QString path;
        Settings settings;
        QString Id() const;
        QString Uuid() const;
        QString Type() const;
        // The setting that holds the login: gsm, cdma or pppoe.
        QString LoginSetting() const;
    };

    std::vector<Profile> ListProfiles();
    std::optional<Profile> FindProfile(const std::string& entryName);
    // The active connections of the profile, up or coming up.
    QStringList ActivePaths(const QString& profilePath);
    bool IsProfileActive(const QString& profilePath) {
        return !ActivePaths(profilePath).isEmpty();
    }
    // A short blocking call; on failure the reply's message becomes the error text.
    QDBusMessage Call(const QString& path, const QString& interfaceName, const QString& method,
                      const QVariantList& arguments);
    void ServiceGone();

    QDBusConnection m_bus;
    Prompts& m_prompts;
    const bool m_allConnections;
    QDBusServiceWatcher m_watcher;
    NmSecretAgent m_agent;
    std::map<RasHandle, std::unique_ptr<NmActiveCall>> m_calls;
    RasHandle m_nextHandle = 1;
    std::string m_callError;
    // Whether NetworkManager answered the last listing of its profiles.
    bool m_listed = false;
};

}  // namespace varnolt
