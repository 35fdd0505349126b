#pragma once

#include <chrono>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "EntryDialogs.h"
#include "LinePlan.h"
#include "PhonebookDatabase.h"
#include "platform/RemoteAccess.h"

namespace varnolt {

// The embedded dialer: a phonebook and a virtual modem line. Each dial runs on
// a worker thread of its own that walks the connection states and calls the
// notification for each; the line stays up until the entry's remote side
// drops it or the caller hangs up. Every dial gets its own line and a handle
// that is never given out again.
class SimulatedService final : public RemoteAccess {
public:
    // Codes the service produces besides those every dialer shares.
    static constexpr int kErrorInvalidHandle = 6;
    static constexpr int kErrorCannotWritePhonebook = 624;
    // A dial asked for while the service is being destroyed.
    static constexpr int kErrorServiceStopping = 711;

    // secondLength: how long one second of the virtual line lasts; tests
    // shorten it so that whole dials run in milliseconds.
    SimulatedService(PhonebookDatabase& phonebook, EntryDialogs& dialogs,
                     std::chrono::microseconds secondLength = std::chrono::seconds(1));
    // Hangs up every line; no notification arrives afterwards.
    ~SimulatedService() override;

    SimulatedService(const SimulatedService&) = delete;
    SimulatedService& operator=(const SimulatedService&) = delete;

    std::vector<std::string> EnumEntries() override;
    void CreateEntryDialog() override;
    void EditEntryDialog(const std::string& entryName) override;
    int DeleteEntry(const std::string& entryName) override;
    // Refuses what the entry dialog refuses: an invalid name, another entry's
    // name (case ignored) and a name the program keeps for its settings.
    int RenameEntry(const std::string& entryName, const std::string& newName) override;
    int GetEntryDialParams(const std::string& entryName, RasDialParams& params,
                           bool& passwordStored) override;
    int SetEntryDialParams(const std::string& entryName, const RasDialParams& params,
                           bool removePassword) override;
    int Dial(const std::string& entryName, const RasDialParams& params, DialNotify notify,
             RasHandle& handle) override;
    int GetConnectStatus(RasHandle handle, unsigned& state) override;
    // Safe in every state and from inside the notification: a worker that
    // hangs up its own line ends once the notification returns.
    int HangUp(RasHandle handle) override;
    std::string ErrorString(int code) override;

private:
    struct Connection;
    using Clock = std::chrono::steady_clock;

    void Run(const std::shared_ptr<Connection>& connection, std::vector<LineStep> steps,
             Clock::time_point start);
    // Joins the workers that have run their course.
    void ReapFinished();

    PhonebookDatabase& m_phonebook;
    EntryDialogs& m_dialogs;
    const std::chrono::microseconds m_secondLength;

    std::mutex m_mutex;
    std::map<RasHandle, std::shared_ptr<Connection>> m_connections;
    // Hung up from their own notification; their workers still need joining.
    std::vector<std::shared_ptr<Connection>> m_retired;
    RasHandle m_nextHandle = 1;
    // Set by the destructor: a notification may still dial, but no new line starts.
    bool m_stopping = false;
};

}  // namespace varnolt
