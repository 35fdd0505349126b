#include "PppdLog.h"

#include <array>
#include <utility>

#include "app/UiText.h"
#include "platform/RemoteAccess.h"

namespace varnolt::pppd {
namespace {

std::string Trimmed(const std::string& line) {
    const auto first = line.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return {};
    }
    const auto last = line.find_last_not_of(" \t\r");
    return line.substr(first, last - first + 1);
}

// The words a modem answers a dial with, as the chat script reports them.
constexpr std::array<std::pair<const char*, int>, 6> kModemWords{{
    {"BUSY", ras::kErrorLineBusy},
    {"NO CARRIER", ras::kErrorNoAnswer},
    {"NO ANSWER", ras::kErrorNoAnswer},
    {"NO DIALTONE", ras::kErrorNoDialtone},
    {"NO DIAL TONE", ras::kErrorNoDialtone},
    {"alarm", ras::kErrorNoAnswer},  // chat's word for a timeout
}};

// A failure word the chat script met: the modem's answer alone on a line
// ("BUSY", or after chat's prefix), or chat's "Failed (BUSY)". The script's
// own set-up ("abort on (BUSY)") names the words without meeting them.
int ChatFailure(const std::string& line) {
    if (line.starts_with("abort on") || line.starts_with("report")) {
        return 0;
    }
    for (const auto& [word, code] : kModemWords) {
        const std::string text = word;
        if (line == text || line.ends_with(" " + text) ||
            line.find("Failed (" + text + ")") != std::string::npos) {
            return code;
        }
    }
    if (line.find("timeout") != std::string::npos && line.find("Failed") != std::string::npos) {
        return ras::kErrorNoAnswer;
    }
    return 0;
}

bool IsChatLine(const std::string& line) {
    for (const char* start : {"send (", "expect (", "abort on (", "timeout set to", "-- got it",
                              "chat", "ATD", "CONNECT", "OK"}) {
        if (line.starts_with(start)) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::optional<unsigned> PppdLog::Read(const std::string& line) {
    m_lines.push_back(line);
    if (m_lines.size() > kKeptLines) {
        m_lines.pop_front();
    }
    const std::string text = Trimmed(line);
    if (text.starts_with("local  IP address")) {
        m_connected = true;
        return ras::kStateConnected;
    }
    if (m_connected) {
        return std::nullopt;  // what follows only says how the line ends
    }
    if (const int failure = ChatFailure(text); failure != 0) {
        m_chatFailure = failure;
        return std::nullopt;
    }
    if (text == "Serial connection established.") {
        return kStateDeviceConnected;
    }
    if (text.starts_with("Using interface ")) {
        return kStateAllDevicesConnected;
    }
    if (text.starts_with("Connect: ")) {
        return kStateAuthenticate;
    }
    if (text.ends_with("authentication succeeded")) {
        return kStateAuthenticated;
    }
    if (IsChatLine(text)) {
        return kStateConnectDevice;
    }
    return std::nullopt;
}

int PppdLog::FailureCode(int exitStatus, bool crashed) const {
    using namespace exit_status;
    if (crashed) {
        return kErrorCrashed;
    }
    if (m_connected) {
        switch (exitStatus) {
            case kPeerRequest:
            case kSignal:
            case kPeerNotResponding:
            case kModemHangup:
                return ras::kErrorDisconnection;
            default:
                return kExitStatusBase + exitStatus;
        }
    }
    if (m_chatFailure != 0) {
        return m_chatFailure;
    }
    if (exitStatus == kAuthFailed || exitStatus == kPeerAuthFailed) {
        return ras::kErrorAuthenticationFailure;
    }
    return kExitStatusBase + exitStatus;
}

std::string PppdLog::CodeText(int code) {
    switch (code) {
        case kErrorInvalidHandle:
            return MarkedText(VARNOLT_TEXT("The connection handle is not valid."));
        case kErrorLoginNotSaved:
            return MarkedText(VARNOLT_TEXT(
                "The user name and password could not be saved in pppd's login database."));
        case kErrorCrashed:
            return MarkedText(VARNOLT_TEXT("pppd ended abnormally, without an exit status."));
        default:
            break;
    }
    if (code < kExitStatusBase || code > kExitStatusBase + 255) {
        return {};
    }
    const int status = code - kExitStatusBase;
    const char* reason = nullptr;
    switch (status) {
        case 0:
            reason = VARNOLT_TEXT("the connection ended at the peer's request.");
            break;
        case 1:
            reason = VARNOLT_TEXT("a fatal error occurred; pppd's output says which.");
            break;
        case 2:
            reason = VARNOLT_TEXT("an option in the peer file or on the command line is wrong.");
            break;
        case exit_status::kNotAllowed:
            reason = VARNOLT_TEXT(
                "you are not allowed to run pppd. On Debian, add yourself to the dip group "
                "(sudo adduser $USER dip), then log out and in again.");
            break;
        case exit_status::kNoKernelSupport:
            reason = VARNOLT_TEXT(
                "the kernel has no PPP support. Load the ppp_generic module (sudo modprobe "
                "ppp_generic) or use a kernel built with PPP.");
            break;
        case exit_status::kSignal:
            reason =
                VARNOLT_TEXT("pppd was stopped by a signal from outside before the line came up.");
            break;
        case exit_status::kPortLocked:
            reason = VARNOLT_TEXT(
                "the modem's serial port is locked: another program, perhaps another pppd, "
                "is using it.");
            break;
        case exit_status::kPortNotOpened:
            reason = VARNOLT_TEXT(
                "the modem's serial port could not be opened. Check that the modem is "
                "connected and that the peer file names the right device; on Debian, the "
                "port belongs to the dialout group, pppd to the dip group (sudo adduser $USER "
                "dip; sudo adduser $USER dialout; then log in again).");
            break;
        case exit_status::kConnectScriptFailed:
            reason = VARNOLT_TEXT("the chat script that dials the modem failed.");
            break;
        case 9:
            reason = VARNOLT_TEXT("the pty command could not be run.");
            break;
        case 10:
            reason = VARNOLT_TEXT("the PPP negotiation with the remote side failed.");
            break;
        case 12:
            reason = VARNOLT_TEXT("the link was idle and was closed.");
            break;
        case 13:
            reason = VARNOLT_TEXT("the connect time limit of the peer file was reached.");
            break;
        case 14:
            reason = VARNOLT_TEXT("callback was negotiated; the remote side will call back.");
            break;
        case 17:
            reason = VARNOLT_TEXT("the serial line loops back: the modem is not dialing out.");
            break;
        case 18:
            reason = VARNOLT_TEXT("the peer's init script failed.");
            break;
        case 20:
            reason = VARNOLT_TEXT("no usable network protocol could be negotiated.");
            break;
        default:
            reason = VARNOLT_TEXT("see pppd's output for the reason.");
            break;
    }
    return FillText(VARNOLT_TEXT("pppd ended with exit status %1: %2"),
                    {std::to_string(status), MarkedText(reason)});
}

}  // namespace varnolt::pppd
