#include "SimulatedService.h"

#include <condition_variable>
#include <thread>
#include <utility>

#include "EntryNames.h"
#include "app/NumberText.h"
#include "app/UiText.h"

namespace varnolt {

struct SimulatedService::Connection {
    RasHandle handle = 0;
    DialNotify notify;
    std::thread worker;
    std::condition_variable wake;
    // Guarded by the service's mutex.
    unsigned state = line_state::kOpenPort;
    bool hungUp = false;
    bool finished = false;
};

SimulatedService::SimulatedService(PhonebookDatabase& phonebook, EntryDialogs& dialogs,
                                   std::chrono::microseconds secondLength)
    : m_phonebook(phonebook), m_dialogs(dialogs), m_secondLength(secondLength) {}

SimulatedService::~SimulatedService() {
    std::vector<std::shared_ptr<Connection>> all;
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
        for (auto& [handle, connection] : m_connections) {
            connection->hungUp = true;
            all.push_back(connection);
        }
        all.insert(all.end(), m_retired.begin(), m_retired.end());
        m_connections.clear();
        m_retired.clear();
    }
    for (const auto& connection : all) {
        connection->wake.notify_all();
    }
    for (const auto& connection : all) {
        if (connection->worker.joinable()) {
            connection->worker.join();
        }
    }
}

std::vector<std::string> SimulatedService::EnumEntries() {
    return m_phonebook.EntryNames(ras::kMaxEntries);
}

void SimulatedService::CreateEntryDialog() {
    m_dialogs.ShowNewEntry(
        [this](const PhonebookEntry& entry) { return m_phonebook.AddEntry(entry); });
}

void SimulatedService::EditEntryDialog(const std::string& entryName) {
    const auto entry = m_phonebook.FindEntry(entryName);
    if (!entry) {
        return;
    }
    m_dialogs.ShowEditEntry(*entry, [this, current = entry->name](const PhonebookEntry& edited) {
        return m_phonebook.UpdateEntry(current, edited);
    });
}

int SimulatedService::GetEntryDialParams(const std::string& entryName, RasDialParams& params,
                                         bool& passwordStored) {
    const auto stored = m_phonebook.FindCredentials(entryName);
    if (!stored) {
        return ras::kErrorCannotFindPhonebookEntry;
    }
    params.userName = stored->userName;
    params.password = stored->passwordStored ? stored->password : std::string();
    passwordStored = stored->passwordStored;
    return ras::kSuccess;
}

int SimulatedService::SetEntryDialParams(const std::string& entryName, const RasDialParams& params,
                                         bool removePassword) {
    StoredCredentials credentials{params.userName, removePassword ? std::string() : params.password,
                                  !removePassword};
    switch (m_phonebook.StoreCredentials(entryName, credentials)) {
        case PhonebookDatabase::StoreResult::Stored:
            return ras::kSuccess;
        case PhonebookDatabase::StoreResult::NoSuchEntry:
            return ras::kErrorCannotFindPhonebookEntry;
        case PhonebookDatabase::StoreResult::WriteFailed:
            break;
    }
    return kErrorCannotWritePhonebook;
}

int SimulatedService::DeleteEntry(const std::string& entryName) {
    switch (m_phonebook.DeleteEntry(entryName)) {
        case PhonebookDatabase::StoreResult::Stored:
            return ras::kSuccess;
        case PhonebookDatabase::StoreResult::NoSuchEntry:
            return ras::kErrorCannotFindPhonebookEntry;
        case PhonebookDatabase::StoreResult::WriteFailed:
            break;
    }
    return kErrorCannotWritePhonebook;
}

int SimulatedService::RenameEntry(const std::string& entryName, const std::string& newName) {
    std::optional<PhonebookEntry> entry = m_phonebook.FindEntry(entryName);
    if (!entry) {
        return ras::kErrorCannotFindPhonebookEntry;
    }
    if (!EntryNameProblem(newName).empty()) {
        return ras::kErrorInvalidEntryName;
    }
    // Only a change of case may find the entry itself.
    if (const auto other = m_phonebook.FindEntry(newName); other && other->name != entry->name) {
        return ras::kErrorEntryExists;
    }
    if (newName != entry->name && !ReservedNameProblem(newName).empty()) {
        return ras::kErrorReservedEntryName;
    }
    entry->name = newName;
    // The phonebook checks again as it writes, against another process.
    return m_phonebook.UpdateEntry(entryName, *entry).empty() ? ras::kSuccess
                                                              : kErrorCannotWritePhonebook;
}

int SimulatedService::Dial(const std::string& entryName, const RasDialParams& params,
                           DialNotify notify, RasHandle& handle) {
    handle = 0;
    const Clock::time_point start = Clock::now();
    ReapFinished();
    const auto entry = m_phonebook.FindEntry(entryName);
    if (!entry) {
        return ras::kErrorCannotFindPhonebookEntry;
    }
    // The password is checked here and not kept for the worker.
    const bool accepted =
        !entry->accountRequired || (EqualIgnoringCase(params.userName, entry->accountUser) &&
                                    params.password == entry->accountPassword);
    auto connection = std::make_shared<Connection>();
    connection->notify = std::move(notify);

    std::lock_guard lock(m_mutex);
    if (m_stopping) {
        // A worker started now would outlive the service.
        return kErrorServiceStopping;
    }
    connection->handle = m_nextHandle++;
    handle = connection->handle;
    m_connections.emplace(handle, connection);
    // The worker waits for the lock before its first step, so the thread
    // object is in place before any notification could hang it up.
    connection->worker =
        std::thread(&SimulatedService::Run, this, connection, PlanDial(*entry, accepted), start);
    return ras::kPending;
}

void SimulatedService::Run(const std::shared_ptr<Connection>& connection,
                           std::vector<LineStep> steps, Clock::time_point start) {
    std::unique_lock lock(m_mutex);
    for (const LineStep& step : steps) {
        const auto due = start + m_secondLength * step.atTenths / 10;
        connection->wake.wait_until(lock, due, [&] { return connection->hungUp; });
        if (connection->hungUp) {
            break;
        }
        // The status says what the notification is about to tell.
        connection->state = step.error != 0 ? line_state::kDisconnected : step.state;
        lock.unlock();
        if (connection->notify) {
            connection->notify(connection->handle, step.state, step.error);
        }
        lock.lock();
    }
    connection->finished = true;
}

void SimulatedService::ReapFinished() {
    std::vector<std::thread> done;
    {
        std::lock_guard lock(m_mutex);
        for (auto& [handle, connection] : m_connections) {
            if (connection->finished && connection->worker.joinable()) {
                done.push_back(std::move(connection->worker));
            }
        }
        std::erase_if(m_retired, [&](const std::shared_ptr<Connection>& connection) {
            if (!connection->finished) {
                return false;
            }
            done.push_back(std::move(connection->worker));
            return true;
        });
    }
    for (std::thread& worker : done) {
        worker.join();
    }
}

int SimulatedService::GetConnectStatus(RasHandle handle, unsigned& state) {
    std::lock_guard lock(m_mutex);
    const auto it = m_connections.find(handle);
    if (it == m_connections.end()) {
        return kErrorInvalidHandle;
    }
    state = it->second->state;
    return ras::kSuccess;
}

int SimulatedService::HangUp(RasHandle handle) {
    std::shared_ptr<Connection> connection;
    std::thread worker;
    {
        std::lock_guard lock(m_mutex);
        const auto it = m_connections.find(handle);
        if (it == m_connections.end()) {
            return kErrorInvalidHandle;
        }
        connection = it->second;
        m_connections.erase(it);
        connection->hungUp = true;
        connection->state = line_state::kDisconnected;
        if (connection->worker.get_id() == std::this_thread::get_id()) {
            // Called from this line's own notification: the worker cannot join
            // itself; it stops as soon as the notification returns.
            m_retired.push_back(connection);
        } else {
            worker = std::move(connection->worker);
        }
    }
    connection->wake.notify_all();
    if (worker.joinable()) {
        worker.join();
    }
    return ras::kSuccess;
}

std::string SimulatedService::ErrorString(int code) {
    switch (code) {
        case kErrorInvalidHandle:
            return MarkedText(VARNOLT_TEXT("The connection handle is not valid."));
        case ras::kErrorCannotFindPhonebookEntry:
            return MarkedText(
                VARNOLT_TEXT("The phonebook entry for this connection could not be found."));
        case kErrorCannotWritePhonebook:
            return MarkedText(VARNOLT_TEXT("The phonebook could not be written."));
        case ras::kErrorInvalidEntryName:
            return MarkedText(
                VARNOLT_TEXT("The new name is not valid: it must not be empty, be "
                             "too long or hold control characters."));
        case ras::kErrorEntryExists:
            return MarkedText(
                VARNOLT_TEXT("An entry of that name already exists. Please choose another name."));
        case ras::kErrorReservedEntryName:
            return MarkedText(VARNOLT_TEXT(
                "The program keeps that name for its own settings. Please choose another name."));
        case kErrorServiceStopping:
            return MarkedText(VARNOLT_TEXT("The remote access service is shutting down."));
        case ras::kErrorAuthenticationFailure:
            return MarkedText(
                VARNOLT_TEXT("Access was denied because the user name or password is not valid."));
        default: {
            const char* text = ras::CommonErrorText(code);
            return text != nullptr
                       ? MarkedText(text)
                       : FillText(VARNOLT_TEXT("Remote access error %1."), {FormatInt(code)});
        }
    }
}

}  // namespace varnolt
