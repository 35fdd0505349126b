#include "NetworkManagerService.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QProcess>
#include <QStandardPaths>
#include <algorithm>

#include "NmFailureCodes.h"
#include "NmNames.h"
#include "app/UiText.h"
#include "platform/Prompts.h"

namespace varnolt {
namespace {

constexpr const char* kEditorProgram = "nm-connection-editor";

// Password flags: 0 NetworkManager keeps the password, 4 none is needed.
constexpr uint kPasswordNotRequired = 4;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

bool Dialable(const QString& type) {
    return type == "gsm" || type == "cdma" || type == "pppoe" || type == "bluetooth";
}

}  // namespace

QString NetworkManagerService::Profile::Id() const {
    return settings.value("connection").value("id").toString();
}

QString NetworkManagerService::Profile::Uuid() const {
    return settings.value("connection").value("uuid").toString();
}

QString NetworkManagerService::Profile::Type() const {
    return settings.value("connection").value("type").toString();
}

QString NetworkManagerService::Profile::LoginSetting() const {
    for (const char* name : {"gsm", "cdma", "pppoe"}) {
        if (settings.contains(name)) {
            return name;
        }
    }
    return Type();
}

NetworkManagerService::NetworkManagerService(const QDBusConnection& bus, Prompts& prompts,
                                             bool allConnections)
    : m_bus(bus),
      m_prompts(prompts),
      m_allConnections(allConnections),
      m_watcher(nm::kService, bus, QDBusServiceWatcher::WatchForOwnerChange),
      m_agent(bus) {
    qDBusRegisterMetaType<QMap<QString, QVariantMap>>();
    QObject::connect(&m_watcher, &QDBusServiceWatcher::serviceUnregistered,
                     [this] { ServiceGone(); });
    QObject::connect(&m_watcher, &QDBusServiceWatcher::serviceRegistered,
                     [this] { m_agent.Register(); });
    m_agent.Register();
}

NetworkManagerService::~NetworkManagerService() = default;

QDBusMessage NetworkManagerService::Call(const QString& path, const QString& interfaceName,
                                         const QString& method, const QVariantList& arguments) {
    QDBusMessage message =
        QDBusMessage::createMethodCall(nm::kService, path, interfaceName, method);
    message.setArguments(arguments);
    const QDBusMessage reply = m_bus.call(message, QDBus::Block, nm::kCallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        m_callError = reply.errorMessage().isEmpty() ? reply.errorName().toStdString()
                                                     : reply.errorMessage().toStdString();
    }
    return reply;
}

std::vector<NetworkManagerService::Profile> NetworkManagerService::ListProfiles() {
    std::vector<Profile> profiles;
    const QDBusMessage list =
        Call(nm::kSettingsPath, nm::kSettingsInterface, "ListConnections", {});
    m_listed = list.type() == QDBusMessage::ReplyMessage;
    if (!m_listed) {
        return profiles;
    }
    const auto paths = qdbus_cast<QList<QDBusObjectPath>>(list.arguments().value(0));
    for (const QDBusObjectPath& path : paths) {
        if (static_cast<int>(profiles.size()) >= ras::kMaxEntries) {
            break;
        }
        const QDBusMessage reply = Call(path.path(), nm::kConnectionInterface, "GetSettings", {});
        if (reply.type() != QDBusMessage::ReplyMessage) {
            continue;  // removed meanwhile
        }
        Profile profile{path.path(), qdbus_cast<Settings>(reply.arguments().value(0))};
        if (m_allConnections || Dialable(profile.Type())) {
            profiles.push_back(std::move(profile));
        }
    }
    return profiles;
}

std::optional<NetworkManagerService::Profile> NetworkManagerService::FindProfile(
    const std::string& entryName) {
    for (Profile& profile : ListProfiles()) {
        if (profile.Id() == Text(entryName)) {
            return std::move(profile);
        }
    }
    return std::nullopt;
}

std::vector<std::string> NetworkManagerService::EnumEntries() {
    std::vector<std::string> names;
    for (const Profile& profile : ListProfiles()) {
        names.push_back(profile.Id().toStdString());
    }
    return names;
}

void NetworkManagerService::CreateEntryDialog() {
    const QString editor = QStandardPaths::findExecutable(kEditorProgram);
    if (!editor.isEmpty() && QProcess::startDetached(editor, {"--create", "--type=gsm"})) {
        return;
    }
    m_prompts.MessageBox(
        VARNOLT_TEXT("Connections are made in NetworkManager. Install and start "
                     "nm-connection-editor to create one, or create it in a terminal, for "
                     "example:\n\n"
                     "nmcli connection add type gsm ifname '*' con-name \"My provider\" apn "
                     "internet"),
        VARNOLT_TEXT("New entry"), PromptIcon::Information, PromptButtons::Ok);
}

void NetworkManagerService::EditEntryDialog(const std::string& entryName) {
    const std::optional<Profile> profile = FindProfile(entryName);
    const QString editor = QStandardPaths::findExecutable(kEditorProgram);
    if (profile && !editor.isEmpty() &&
        QProcess::startDetached(editor, {"--edit=" + profile->Uuid()})) {
        return;
    }
    m_prompts.MessageBox(
        FillText(VARNOLT_TEXT("Connections are changed in NetworkManager. Install and start "
                              "nm-connection-editor to edit '%1', or change it in a terminal, for "
                              "example:\n\nnmcli connection edit id \"%1\""),
                 {entryName}),
        VARNOLT_TEXT("Edit entry"), PromptIcon::Information, PromptButtons::Ok);
}

int NetworkManagerService::GetEntryDialParams(const std::string& entryName, RasDialParams& params,
                                              bool& passwordStored) {
    const std::optional<Profile> profile = FindProfile(entryName);
    if (!profile) {
        return ras::kErrorCannotFindPhonebookEntry;
    }
    const QVariantMap login = profile->settings.value(profile->LoginSetting());
    params.userName = login.value("username").toString().toStdString();
    // NetworkManager never hands out a password it keeps; it is only known to be there.
    const uint flags = login.value("password-flags", 0u).toUInt();
    passwordStored = flags == 0 || (flags & kPasswordNotRequired) != 0;
    params.password = passwordStored ? kKeptPassword : std::string();
    return ras::kSuccess;
}

int NetworkManagerService::SetEntryDialParams(const std::string& entryName,
                                              const RasDialParams& params, bool removePassword) {
    std::optional<Profile> profile = FindProfile(entryName);
    if (!profile) {
        return ras::kErrorCannotFindPhonebookEntry;
    }
    // A password not to be remembered only serves the dial it was given for.
    if (removePassword) {
        return ras::kSuccess;
    }
    const QString setting = profile->LoginSetting();
    QVariantMap login = profile->settings.value(setting);
    login.insert("username", Text(params.userName));
    if (params.password != kKeptPassword) {
        login.insert("password", Text(params.password));
        login.insert("password-flags", 0u);
    }
    profile->settings.insert(setting, login);
    const QDBusMessage reply = Call(profile->path, nm::kConnectionInterface, "Update",
                                    {QVariant::fromValue(profile->settings)});
    if (reply.type() == QDBusMessage::ReplyMessage) {
        return ras::kSuccess;
    }
    m_prompts.MessageBox(
        FillText(VARNOLT_TEXT("NetworkManager did not save the user name and password of '%1': %2"),
                 {entryName, m_callError}),
        VARNOLT_TEXT("Error..."), PromptIcon::Stop, PromptButtons::Ok);
    return nm::kErrorNotSaved;
}

bool NetworkManagerService::IsActive(const std::string& entryName) {
    const std::optional<Profile> profile = FindProfile(entryName);
    return profile && IsProfileActive(profile->path);
}

bool NetworkManagerService::IsConnectedOutside(const std::string& entryName) {
    const std::optional<Profile> profile = FindProfile(entryName);
    if (!profile) {
        return false;
    }
    for (const QString& active : ActivePaths(profile->path)) {
        const bool ours = std::any_of(m_calls.begin(), m_calls.end(), [&](const auto& call) {
            return call.second->Path() == active;
        });
        if (!ours) {
            return true;
        }
    }
    return false;
}

std::optional<TrafficBytes> NetworkManagerService::Traffic(RasHandle handle) {
    const auto it = m_calls.find(handle);
    return it == m_calls.end() ? std::nullopt : it->second->Traffic();
}

QStringList NetworkManagerService::ActivePaths(const QString& profilePath) {
    QStringList paths;
    QDBusMessage get = QDBusMessage::createMethodCall(nm::kService, nm::kManagerPath,
                                                      nm::kPropertiesInterface, "Get");
    get << QString(nm::kManagerInterface) << QString("ActiveConnections");
    const QDBusMessage reply = m_bus.call(get, QDBus::Block, nm::kCallTimeoutMs);
    const auto actives = qdbus_cast<QList<QDBusObjectPath>>(
        reply.arguments().value(0).value<QDBusVariant>().variant().value<QDBusArgument>());
    for (const QDBusObjectPath& active : actives) {
        QDBusMessage connection = QDBusMessage::createMethodCall(nm::kService, active.path(),
                                                                 nm::kPropertiesInterface, "Get");
        connection << QString(nm::kActiveInterface) << QString("Connection");
        const QDBusMessage answer = m_bus.call(connection, QDBus::Block, nm::kCallTimeoutMs);
        const auto path = qdbus_cast<QDBusObjectPath>(
            answer.arguments().value(0).value<QDBusVariant>().variant());
        if (path.path() == profilePath) {
            paths << active.path();
        }
    }
    return paths;
}

int NetworkManagerService::Dial(const std::string& entryName, const RasDialParams& params,
                                DialNotify notify, RasHandle& handle) {
    handle = 0;
    const std::optional<Profile> profile = FindProfile(entryName);
    if (!profile) {
        // NetworkManager unreachable says so rather than "no such connection".
        return m_listed ? ras::kErrorCannotFindPhonebookEntry : nm::kErrorCallFailed;
    }
    // Metered are only the calls this program makes.
    if (IsProfileActive(profile->path)) {
        return nm::kErrorAlreadyActive;
    }
    // A password typed for this dial reaches NetworkManager only when it asks.
    if (params.password.empty() || params.password == kKeptPassword) {
        m_agent.Withdraw();
    } else {
        m_agent.Offer(profile->path, Text(params.password));
    }
    const QDBusMessage reply = Call(
        nm::kManagerPath, nm::kManagerInterface, "ActivateConnection",
        {QVariant::fromValue(QDBusObjectPath(profile->path)),
         QVariant::fromValue(QDBusObjectPath("/")), QVariant::fromValue(QDBusObjectPath("/"))});
    if (reply.type() != QDBusMessage::ReplyMessage) {
        m_agent.Withdraw();
        return nm::kErrorCallFailed;
    }
    const QString active = qdbus_cast<QDBusObjectPath>(reply.arguments().value(0)).path();
    handle = m_nextHandle++;
    auto call = std::make_unique<NmActiveCall>(m_bus, handle, active, std::move(notify));
    NmActiveCall& started = *call;
    m_calls.emplace(handle, std::move(call));
    started.Start();
    return ras::kPending;
}

int NetworkManagerService::GetConnectStatus(RasHandle handle, unsigned& state) {
    const auto it = m_calls.find(handle);
    if (it == m_calls.end()) {
        return nm::kErrorInvalidHandle;
    }
    state = it->second->LineState();
    return ras::kSuccess;
}

int NetworkManagerService::HangUp(RasHandle handle) {
    const auto it = m_calls.find(handle);
    if (it == m_calls.end()) {
        return nm::kErrorInvalidHandle;
    }
    std::unique_ptr<NmActiveCall> call = std::move(it->second);
    m_calls.erase(it);
    call->Silence();
    m_agent.Withdraw();
    if (!call->HasEnded()) {
        // Not waited for: a connection already gone only makes the answer an error.
        QDBusMessage message = QDBusMessage::createMethodCall(
            nm::kService, nm::kManagerPath, nm::kManagerInterface, "DeactivateConnection");
        message << QVariant::fromValue(QDBusObjectPath(call->Path()));
        m_bus.send(message);
    }
    return ras::kSuccess;
}

void NetworkManagerService::ServiceGone() {
    for (auto& [handle, call] : m_calls) {
        call->ServiceGone();
    }
}

int NetworkManagerService::DeleteEntry(const std::string& /*entryName*/) {
    return ras::kErrorNotSupported;
}

int NetworkManagerService::RenameEntry(const std::string& /*entryName*/,
                                       const std::string& /*newName*/) {
    return ras::kErrorNotSupported;
}

std::string NetworkManagerService::ErrorString(int code) {
    switch (code) {
        case ras::kErrorNotSupported:
            return MarkedText(
                VARNOLT_TEXT("NetworkManager connections are deleted and renamed "
                             "with its own tools: use nm-connection-editor or "
                             "nmcli."));
        case nm::kErrorInvalidHandle:
            return MarkedText(VARNOLT_TEXT("The connection handle is not valid."));
        case ras::kErrorCannotFindPhonebookEntry:
            return MarkedText(VARNOLT_TEXT("NetworkManager has no connection of this name."));
        case nm::kErrorCallFailed:
            return m_callError;
        case nm::kErrorAlreadyActive:
            return MarkedText(
                VARNOLT_TEXT("The connection is already active; made outside this "
                             "program, it is not metered."));
        case nm::kErrorNotSaved:
            return FillText(VARNOLT_TEXT("NetworkManager did not save the password: %1"),
                            {m_callError});
        default:
            if (const char* text = ras::CommonErrorText(code)) {
                return MarkedText(text);
            }
            break;
    }
    const std::string reason = nm::ReasonText(code);
    return reason.empty() ? FillText(VARNOLT_TEXT("Unknown error %1."), {std::to_string(code)})
                          : reason;
}

}  // namespace varnolt
