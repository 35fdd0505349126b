#pragma once

#include <string>

namespace varnolt::nm {

// NetworkManager's D-Bus constants this service reads.
namespace active_state {
constexpr unsigned kUnknown = 0;
constexpr unsigned kActivating = 1;
constexpr unsigned kActivated = 2;
constexpr unsigned kDeactivating = 3;
constexpr unsigned kDeactivated = 4;
}  // namespace active_state

// NMActiveConnectionStateReason
namespace active_reason {
constexpr unsigned kUserDisconnected = 2;
constexpr unsigned kDeviceDisconnected = 3;
constexpr unsigned kConnectTimeout = 6;
constexpr unsigned kNoSecrets = 9;
constexpr unsigned kLoginFailed = 10;
}  // namespace active_reason

// NMDeviceStateReason, and the device state that carries a failure.
namespace device_reason {
constexpr unsigned kDeviceFailedState = 120;
constexpr unsigned kNoSecrets = 7;
constexpr unsigned kModemBusy = 23;
constexpr unsigned kModemNoDialTone = 24;
constexpr unsigned kModemNoCarrier = 25;
constexpr unsigned kModemDialTimeout = 26;
}  // namespace device_reason

// The service's own failure codes. A reason without a code shared with
// every dialer gets one of its own: kActiveReasonBase plus the connection's
// reason, or kDeviceReasonBase plus the device's.
constexpr int kErrorInvalidHandle = 6;
constexpr int kErrorCallFailed = 720;     // a D-Bus call itself failed; its message is kept
constexpr int kErrorAlreadyActive = 721;  // made before, or by another program
constexpr int kErrorNotSaved = 722;       // NetworkManager refused to keep the password
constexpr int kActiveReasonBase = 800;
constexpr int kDeviceReasonBase = 900;

// The code for an attempt that ended before it connected: activeReason from
// the connection's StateChanged (0 when none came), deviceReason from its
// device's failure (0 when none came).
int FailureCode(unsigned activeReason, unsigned deviceReason);

// NetworkManager's reason behind one of the codes of its own above, in words;
// empty for any other code.
std::string ReasonText(int code);

}  // namespace varnolt::nm
