#pragma once

#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "PeerFolder.h"
#include "PppdCall.h"
#include "PppdLogins.h"
#include "platform/RemoteAccess.h"

namespace varnolt {

class Prompts;

// Dials pppd's peers (/etc/ppp/peers, as "pon" does): one pppd per dial
// attempt, run without a shell and followed through its output. Peer files
// are written by the system's tools; this service keeps only the user names
// and passwords this program gives pppd, in a database of its own. Lives on
// the thread that owns its processes (the UI thread), where its
// notifications are made.
class PppdService final : public RemoteAccess {
public:
    static constexpr const char* kProgramVariable = "VARNOLT_PPPD";

    // viewFile shows a file to read in the desktop's viewer; false when none could.
    PppdService(pppd::PppdLogins& logins, Prompts& prompts,
                std::function<bool(const QString& path)> viewFile,
                pppd::PeerFolder peers = pppd::PeerFolder());
    // Hangs up every call it made.
    ~PppdService() override;

    PppdService(const PppdService&) = delete;
    PppdService& operator=(const PppdService&) = delete;

    // $VARNOLT_PPPD, else pppd found on PATH, else /usr/sbin/pppd.
    static QString Program();

    std::vector<std::string> EnumEntries() override;
    void CreateEntryDialog() override;
    void EditEntryDialog(const std::string& entryName) override;
    // Peer files belong to root: they are removed and renamed with its tools.
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
    // The last lines pppd printed for the dial.
    std::string DialOutput(RasHandle handle) override;

private:
    pppd::PppdLogins& m_logins;
    Prompts& m_prompts;
    std::function<bool(const QString&)> m_viewFile;
    const pppd::PeerFolder m_peers;
    std::map<RasHandle, std::unique_ptr<pppd::PppdCall>> m_calls;
    RasHandle m_nextHandle = 1;
    // The unreadable folder is told once, until it can be read again.
    bool m_toldUnreadable = false;
    QString m_lastProgram;
};

}  // namespace varnolt
