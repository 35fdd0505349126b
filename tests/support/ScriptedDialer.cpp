#include "ScriptedDialer.h"

#include <algorithm>

namespace varnolt::test {

namespace {
constexpr int kErrorInvalidHandle = 6;
constexpr unsigned kStateDisconnected = 0x2001;
}  // namespace

void ScriptedDialer::AddEntry(const std::string& name, const std::string& user,
                              const std::string& password, bool passwordStored) {
    m_entries.push_back({name, {user, password}, passwordStored});
}

int ScriptedDialer::DeleteEntry(const std::string& entryName) {
    const Entry* entry = Find(entryName);
    if (entry == nullptr) {
        return ras::kErrorCannotFindPhonebookEntry;
    }
    m_entries.erase(m_entries.begin() + (entry - m_entries.data()));
    return ras::kSuccess;
}

int ScriptedDialer::RenameEntry(const std::string& entryName, const std::string& newName) {
    Entry* entry = Find(entryName);
    if (entry == nullptr) {
        return ras::kErrorCannotFindPhonebookEntry;
    }
    if (Find(newName) != nullptr && newName != entryName) {
        return ras::kErrorEntryExists;
    }
    entry->name = newName;
    return ras::kSuccess;
}

ScriptedDialer::Entry* ScriptedDialer::Find(const std::string& name) {
    auto it = std::find_if(m_entries.begin(), m_entries.end(),
                           [&](const Entry& e) { return e.name == name; });
    return it == m_entries.end() ? nullptr : &*it;
}

void ScriptedDialer::ScriptDial(int result, std::vector<Notification> notifications) {
    m_scripts.push_back({result, std::move(notifications)});
}

void ScriptedDialer::ScriptConnect() {
    ScriptDial(ras::kPending, {{0, 0}, {1, 0}, {ras::kStateConnected, 0}});
}

void ScriptedDialer::ScriptFailure(int error) {
    ScriptDial(ras::kPending, {{0, 0}, {kStateDisconnected, error}});
}

bool ScriptedDialer::DeliverNext() {
    if (m_pending.empty() || m_active == 0) {
        return false;
    }
    Notification next = m_pending.front();
    m_pending.pop_front();
    if (next.state == ras::kStateConnected && next.error == 0) {
        m_connected = m_active;
    }
    if (m_notify) {
        m_notify(m_active, next.state, next.error);
    }
    return true;
}

void ScriptedDialer::DeliverAll() {
    while (DeliverNext()) {
    }
}

void ScriptedDialer::DropLine() {
    m_connected = 0;
}

std::vector<std::string> ScriptedDialer::EnumEntries() {
    std::vector<std::string> names;
    for (const Entry& entry : m_entries) {
        if (names.size() == static_cast<std::size_t>(ras::kMaxEntries)) {
            break;
        }
        names.push_back(entry.name);
    }
    return names;
}

void ScriptedDialer::CreateEntryDialog() {
    ++createDialogCount;
    if (onCreateEntryDialog) {
        onCreateEntryDialog();
    }
}

void ScriptedDialer::EditEntryDialog(const std::string& entryName) {
    editDialogNames.push_back(entryName);
    if (onEditEntryDialog) {
        onEditEntryDialog(entryName);
    }
}

int ScriptedDialer::GetEntryDialParams(const std::string& entryName, RasDialParams& params,
                                       bool& passwordStored) {
    const Entry* entry = Find(entryName);
    if (entry == nullptr) {
        return ras::kErrorCannotFindPhonebookEntry;
    }
    params.userName = entry->params.userName;
    params.password = entry->passwordStored ? entry->params.password : std::string();
    passwordStored = entry->passwordStored;
    return ras::kSuccess;
}

int ScriptedDialer::SetEntryDialParams(const std::string& entryName, const RasDialParams& params,
                                       bool removePassword) {
    Entry* entry = Find(entryName);
    if (entry == nullptr) {
        return ras::kErrorCannotFindPhonebookEntry;
    }
    entry->params = params;
    entry->passwordStored = !removePassword;
    if (removePassword) {
        entry->params.password.clear();
    }
    return ras::kSuccess;
}

int ScriptedDialer::Dial(const std::string& entryName, const RasDialParams& params,
                         DialNotify notify, RasHandle& handle) {
    handle = 0;
    if (Find(entryName) == nullptr) {
        // Like the real service: an unknown entry fails at once, without a handle.
        m_dials.push_back({entryName, params, 0, notify});
        return ras::kErrorCannotFindPhonebookEntry;
    }
    Script script = m_scripts.empty() ? Script{ras::kPending, {}} : m_scripts.front();
    if (!m_scripts.empty()) {
        m_scripts.pop_front();
    }
    handle = m_nextHandle++;
    m_dials.push_back({entryName, params, handle, notify});
    if (script.result != ras::kSuccess && script.result != ras::kPending) {
        return script.result;
    }
    m_active = handle;
    m_notify = std::move(notify);
    m_pending.assign(script.notifications.begin(), script.notifications.end());
    return script.result;
}

int ScriptedDialer::GetConnectStatus(RasHandle handle, unsigned& state) {
    if (handle == 0 || handle != m_active) {
        return kErrorInvalidHandle;
    }
    state = handle == m_connected ? ras::kStateConnected : kStateDisconnected;
    return ras::kSuccess;
}

int ScriptedDialer::HangUp(RasHandle handle) {
    m_hangUps.push_back(handle);
    if (handle != 0 && handle == m_active) {
        m_active = 0;
        m_connected = 0;
        m_pending.clear();
        m_notify = nullptr;
    }
    return ras::kSuccess;
}

std::string ScriptedDialer::ErrorString(int code) {
    return "Scripted error " + std::to_string(code);
}

}  // namespace varnolt::test
