#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>

namespace varnolt::pppd {

// The line states a pppd call reports; those below ras::kStateConnected
// are dialing states, named after the steps every dialer shares.
constexpr unsigned kStateOpenPort = 0;
constexpr unsigned kStateConnectDevice = 2;        // the chat script talks to the modem
constexpr unsigned kStateDeviceConnected = 3;      // "Serial connection established."
constexpr unsigned kStateAllDevicesConnected = 4;  // "Using interface ppp0"
constexpr unsigned kStateAuthenticate = 5;         // "Connect: ppp0 <--> /dev/ttyS0"
constexpr unsigned kStateAuthenticated = 14;       // "... authentication succeeded"
constexpr unsigned kStateDisconnected = 0x2001;    // pppd has ended

// The service's own codes. pppd's exit statuses without a code shared with
// every dialer become kExitStatusBase plus the status (750 to 1005).
constexpr int kErrorInvalidHandle = 6;
constexpr int kErrorLoginNotSaved = 747;  // the private login database refused a write
constexpr int kErrorNotStarted = 748;     // the pppd program could not be run
constexpr int kErrorCrashed = 749;        // pppd died without an exit status
constexpr int kExitStatusBase = 750;

// pppd's exit statuses this service reads (pppd(8), "EXIT STATUS").
namespace exit_status {
constexpr int kPeerRequest = 0;
constexpr int kNotAllowed = 3;
constexpr int kNoKernelSupport = 4;
constexpr int kSignal = 5;
constexpr int kPortLocked = 6;
constexpr int kPortNotOpened = 7;
constexpr int kConnectScriptFailed = 8;
constexpr int kPeerAuthFailed = 11;
constexpr int kPeerNotResponding = 15;
constexpr int kModemHangup = 16;
constexpr int kAuthFailed = 19;
}  // namespace exit_status

// What pppd (and the chat script it runs) printed during one call: moves the
// call through its states line by line, keeps the last lines for the user,
// and tells which failure the end of the call was. No Qt, so it is tested
// on plain text.
class PppdLog {
public:
    static constexpr std::size_t kKeptLines = 200;

    // Reads one line (without its line end); the state the call has reached
    // when the line moves it on.
    std::optional<unsigned> Read(const std::string& line);

    bool Connected() const { return m_connected; }
    // The code for a call whose pppd ended with exitStatus; crashed when it
    // died without one.
    int FailureCode(int exitStatus, bool crashed) const;
    // The last kKeptLines lines, oldest first.
    const std::deque<std::string>& Lines() const { return m_lines; }

    // In plain words, what one of this service's own codes means; empty for
    // any other code.
    static std::string CodeText(int code);

private:
    std::deque<std::string> m_lines;
    bool m_connected = false;
    // The code the chat script's last failure word stands for, 0 while none.
    int m_chatFailure = 0;
};

}  // namespace varnolt::pppd
