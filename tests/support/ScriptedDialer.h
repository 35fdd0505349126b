#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/RemoteAccess.h"

namespace varnolt::test {

// A dialer for tests: entries and credentials in memory, dial outcomes from a
// script, notifications delivered only when the test asks, on the test's own
// thread. No threads, no delays.
class ScriptedDialer final : public RemoteAccess {
public:
    struct Notification {
        unsigned state;
        int error;
    };
    struct DialCall {
        std::string entryName;
        RasDialParams params;
        RasHandle handle;
        // Kept after a hang-up, so a test can play a service thread that
        // reports late.
        DialNotify notify;
    };

    // --- the phonebook
    void AddEntry(const std::string& name, const std::string& user = "",
                  const std::string& password = "", bool passwordStored = false);

    // Run by the service dialogs, so a test can act as the user would there.
    std::function<void()> onCreateEntryDialog;
    std::function<void(const std::string&)> onEditEntryDialog;
    int createDialogCount = 0;
    std::vector<std::string> editDialogNames;

    // --- dialing
    // The next Dial of a known entry returns `result` at once and then queues
    // the notifications; an unknown entry fails with 623 and takes no script.
    void ScriptDial(int result, std::vector<Notification> notifications);
    // Shorthands: a dial that connects, or one that fails with `error`.
    void ScriptConnect();
    void ScriptFailure(int error);
    // Delivers the next queued notification; false when none is left.
    bool DeliverNext();
    void DeliverAll();
    // The remote side drops the line of the current connection.
    void DropLine();

    const std::vector<DialCall>& dials() const { return m_dials; }
    const std::vector<RasHandle>& hangUps() const { return m_hangUps; }
    bool IsConnected() const { return m_connected != 0; }

    // --- RemoteAccess
    std::vector<std::string> EnumEntries() override;
    void CreateEntryDialog() override;
    void EditEntryDialog(const std::string& entryName) override;
    // Unknown entries fail with 623; a rename to another entry's name with
    // ras::kErrorEntryExists.
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
    std::string DialOutput(RasHandle /*handle*/) override { return dialOutput; }
    std::optional<TrafficBytes> Traffic(RasHandle /*handle*/) override { return traffic; }
    bool IsConnectedOutside(const std::string& entryName) override {
        return connectedOutside.count(entryName) != 0;
    }

    // What DialOutput tells of every dial.
    std::string dialOutput;
    // What Traffic tells of every call, and the entries up outside the program.
    std::optional<TrafficBytes> traffic;
    std::set<std::string> connectedOutside;

private:
    struct Entry {
        std::string name;
        RasDialParams params;
        bool passwordStored = false;
    };
    struct Script {
        int result;
        std::vector<Notification> notifications;
    };

    Entry* Find(const std::string& name);

    std::vector<Entry> m_entries;
    std::deque<Script> m_scripts;
    std::deque<Notification> m_pending;
    DialNotify m_notify;
    RasHandle m_active = 0;     // handle of the dial under way
    RasHandle m_connected = 0;  // handle of the live connection
    RasHandle m_nextHandle = 1;
    std::vector<DialCall> m_dials;
    std::vector<RasHandle> m_hangUps;
};

}  // namespace varnolt::test
