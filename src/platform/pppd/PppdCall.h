#pragma once

#include <QObject>
#include <QProcess>
#include <QStringList>
#include <atomic>
#include <chrono>
#include <deque>
#include <string>

#include "PppdLog.h"
#include "platform/RemoteAccess.h"

namespace varnolt::pppd {

// One dial attempt: one pppd process, followed through its output lines as
// they come, reported through the dial's notification on the thread that
// owns this object. Once hung up, nothing is reported.
class PppdCall final : public QObject {
    Q_OBJECT
public:
    PppdCall(RasHandle handle, RemoteAccess::DialNotify notify);
    // Ends a pppd still running the way HangUp does.
    ~PppdCall() override;

    PppdCall(const PppdCall&) = delete;
    PppdCall& operator=(const PppdCall&) = delete;

    // Starts pppd; a non-empty password goes through the passwordfd plugin on
    // a pipe pppd inherits, never through the arguments or the environment.
    // False when the program could not be run.
    bool Start(const QString& program, QStringList arguments, const std::string& password);

    unsigned LineState() const { return m_state.load(); }
    // SIGTERM, then waits for pppd's exit, at most grace before SIGKILL. The
    // wait runs the event loop without user input, so the window keeps
    // painting and timers keep firing while the modem hangs up.
    void HangUp(std::chrono::milliseconds grace = std::chrono::seconds(5));
    // The last lines pppd printed, oldest first.
    const std::deque<std::string>& Output() const { return m_log.Lines(); }

private:
    void ReadOutput();
    void Line(const std::string& line);
    void Finished(int exitCode, QProcess::ExitStatus status);
    void Notify(unsigned state, int error);

    const RasHandle m_handle;
    RemoteAccess::DialNotify m_notify;
    QProcess m_process;
    PppdLog m_log;
    std::string m_partial;
    std::atomic<unsigned> m_state{kStateOpenPort};
    bool m_silenced = false;
};

}  // namespace varnolt::pppd
