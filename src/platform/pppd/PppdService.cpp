#include "PppdService.h"

#include <QStandardPaths>

#include "app/UiText.h"
#include "platform/Prompts.h"

namespace varnolt {
namespace {

constexpr const char* kDefaultProgram = "/usr/sbin/pppd";

std::string DebianTools(const std::string& folder) {
    return FillText(VARNOLT_TEXT("Dial-up peers are the files in %1, one file per peer, written by "
                                 "the system's tools: on Debian run \"sudo pppconfig\" (package "
                                 "pppconfig), or write the file as root with an editor (sudo "
                                 "editor %1/NAME) as pppd(8) and chat(8) describe. The peers "
                                 "appear here the next time the phonebook is read."),
                    {folder});
}

}  // namespace

PppdService::PppdService(pppd::PppdLogins& logins, Prompts& prompts,
                         std::function<bool(const QString& path)> viewFile, pppd::PeerFolder peers)
    : m_logins(logins),
      m_prompts(prompts),
      m_viewFile(std::move(viewFile)),
      m_peers(std::move(peers)) {}

PppdService::~PppdService() {
    // Taken out first: each wait runs the event loop, which may hang up too.
    std::map<RasHandle, std::unique_ptr<pppd::PppdCall>> calls = std::move(m_calls);
    m_calls.clear();
    for (auto& [handle, call] : calls) {
        call->HangUp();
    }
}

QString PppdService::Program() {
    const QString set = qEnvironmentVariable(kProgramVariable);
    if (!set.isEmpty()) {
        return set;
    }
    const QString found = QStandardPaths::findExecutable("pppd");
    return found.isEmpty() ? QString(kDefaultProgram) : found;
}

std::vector<std::string> PppdService::EnumEntries() {
    std::string problem;
    std::optional<std::vector<std::string>> names = m_peers.Names(ras::kMaxEntries, problem);
    if (names) {
        m_toldUnreadable = false;
        return std::move(*names);
    }
    if (!m_toldUnreadable) {
        m_toldUnreadable = true;
        m_prompts.MessageBox(
            FillText(VARNOLT_TEXT("The pppd peers folder %1 cannot be read (%2), so the phonebook "
                                  "shows no entries. Check that it exists and that you may read "
                                  "it; on Debian its peers are readable by the dip group (sudo "
                                  "adduser $USER dip, then log in again)."),
                     {m_peers.Path(), problem}),
            VARNOLT_TEXT("Phonebook"), PromptIcon::Exclamation, PromptButtons::Ok);
    }
    return {};
}

void PppdService::CreateEntryDialog() {
    m_prompts.MessageBox(DebianTools(m_peers.Path()), VARNOLT_TEXT("New entry"),
                         PromptIcon::Information, PromptButtons::Ok);
}

void PppdService::EditEntryDialog(const std::string& entryName) {
    // Peer files belong to root: the viewer shows them, changing them is root's.
    if (m_peers.Has(entryName) && m_viewFile &&
        m_viewFile(QString::fromStdString(m_peers.FilePath(entryName)))) {
        return;
    }
    m_prompts.MessageBox(DebianTools(m_peers.Path()), VARNOLT_TEXT("Edit entry"),
                         PromptIcon::Information, PromptButtons::Ok);
}

int PppdService::GetEntryDialParams(const std::string& entryName, RasDialParams& params,
                                    bool& passwordStored) {
    if (!m_peers.Has(entryName)) {
        return ras::kErrorCannotFindPhonebookEntry;
    }
    const pppd::PeerLogin login = m_logins.Find(entryName);
    params.userName = login.userName;
    params.password = login.password;
    passwordStored = login.passwordStored;
    return ras::kSuccess;
}

int PppdService::SetEntryDialParams(const std::string& entryName, const RasDialParams& params,
                                    bool removePassword) {
    if (!m_peers.Has(entryName)) {
        return ras::kErrorCannotFindPhonebookEntry;
    }
    const pppd::PeerLogin login{params.userName, removePassword ? std::string() : params.password,
                                !removePassword};
    return m_logins.Store(entryName, login) ? ras::kSuccess : pppd::kErrorLoginNotSaved;
}

int PppdService::Dial(const std::string& entryName, const RasDialParams& params, DialNotify notify,
                      RasHandle& handle) {
    handle = 0;
    if (!m_peers.Has(entryName)) {
        return ras::kErrorCannotFindPhonebookEntry;
    }
    QStringList arguments{"call", QString::fromStdString(entryName), "nodetach"};
    // Without a password the peer's own settings apply, its user name too.
    if (!params.password.empty() && !params.userName.empty()) {
        arguments << "user" << QString::fromStdString(params.userName);
    }
    const RasHandle next = m_nextHandle++;
    auto call = std::make_unique<pppd::PppdCall>(next, std::move(notify));
    m_lastProgram = Program();
    if (!call->Start(m_lastProgram, arguments, params.password)) {
        return pppd::kErrorNotStarted;
    }
    handle = next;
    m_calls.emplace(handle, std::move(call));
    return ras::kPending;
}

int PppdService::GetConnectStatus(RasHandle handle, unsigned& state) {
    const auto it = m_calls.find(handle);
    if (it == m_calls.end()) {
        return pppd::kErrorInvalidHandle;
    }
    state = it->second->LineState();
    return ras::kSuccess;
}

int PppdService::HangUp(RasHandle handle) {
    const auto it = m_calls.find(handle);
    if (it == m_calls.end()) {
        return pppd::kErrorInvalidHandle;
    }
    // Out of the map first: the wait runs the event loop, which may ask again.
    std::unique_ptr<pppd::PppdCall> call = std::move(it->second);
    m_calls.erase(it);
    call->HangUp();
    return ras::kSuccess;
}

std::string PppdService::DialOutput(RasHandle handle) {
    const auto it = m_calls.find(handle);
    std::string text;
    if (it != m_calls.end()) {
        for (const std::string& line : it->second->Output()) {
            text += (text.empty() ? "" : "\n") + line;
        }
    }
    return text;
}

int PppdService::DeleteEntry(const std::string& /*entryName*/) {
    return ras::kErrorNotSupported;
}

int PppdService::RenameEntry(const std::string& /*entryName*/, const std::string& /*newName*/) {
    return ras::kErrorNotSupported;
}

std::string PppdService::ErrorString(int code) {
    switch (code) {
        case ras::kErrorNotSupported:
            return FillText(VARNOLT_TEXT("pppd peers are files of %1: delete or rename them there "
                                         "as root (for example with sudo mv)."),
                            {m_peers.Path()});
        case ras::kErrorCannotFindPhonebookEntry:
            return FillText(VARNOLT_TEXT("There is no pppd peer of this name in %1."),
                            {m_peers.Path()});
        case pppd::kErrorNotStarted:
            return FillText(VARNOLT_TEXT("The program %1 could not be run. Install pppd (on "
                                         "Debian: sudo apt install ppp), or name it in the "
                                         "environment variable %2."),
                            {m_lastProgram.toStdString(), kProgramVariable});
        default:
            if (const char* text = ras::CommonErrorText(code)) {
                return MarkedText(text);
            }
            break;
    }
    const std::string text = pppd::PppdLog::CodeText(code);
    return text.empty() ? FillText(VARNOLT_TEXT("Unknown error %1."), {std::to_string(code)})
                        : text;
}

}  // namespace varnolt
