#include "NmFailureCodes.h"

#include "app/UiText.h"
#include "platform/RemoteAccess.h"

namespace varnolt::nm {
namespace {

const char* ActiveReasonText(unsigned reason) {
    switch (reason) {
        case 0:
            return VARNOLT_TEXT("The reason is unknown.");
        case 1:
            return VARNOLT_TEXT("No reason was given.");
        case 2:
            return VARNOLT_TEXT("The connection was disconnected by a user.");
        case 3:
            return VARNOLT_TEXT("The device of the connection was disconnected.");
        case 4:
            return VARNOLT_TEXT("The service providing the connection was stopped.");
        case 5:
            return VARNOLT_TEXT("The IP configuration of the connection was invalid.");
        case 6:
            return VARNOLT_TEXT("The connection attempt timed out.");
        case 7:
            return VARNOLT_TEXT("The service providing the connection did not start in time.");
        case 8:
            return VARNOLT_TEXT("The service providing the connection failed to start.");
        case 9:
            return VARNOLT_TEXT("The secrets the connection needs were not provided.");
        case 10:
            return VARNOLT_TEXT("The login failed.");
        case 11:
            return VARNOLT_TEXT("The connection profile was removed.");
        case 12:
            return VARNOLT_TEXT("A connection this one depends on failed.");
        case 13:
            return VARNOLT_TEXT("A software device could not be created.");
        case 14:
            return VARNOLT_TEXT("The device of the connection disappeared.");
        default:
            return nullptr;
    }
}

const char* DeviceReasonText(unsigned reason) {
    switch (reason) {
        case 4:
            return VARNOLT_TEXT("The device could not be readied for configuration.");
        case 5:
            return VARNOLT_TEXT("No IP configuration could be obtained.");
        case 6:
            return VARNOLT_TEXT("The IP configuration is no longer valid.");
        case 12:
            return VARNOLT_TEXT("The PPP service failed to start.");
        case 13:
            return VARNOLT_TEXT("The PPP service disconnected.");
        case 14:
            return VARNOLT_TEXT("The PPP service failed.");
        case 27:
            return VARNOLT_TEXT("The modem failed to dial.");
        case 28:
            return VARNOLT_TEXT("The modem could not be initialised.");
        case 29:
            return VARNOLT_TEXT("The access point name (APN) could not be selected.");
        case 30:
            return VARNOLT_TEXT("The modem is not searching for networks.");
        case 31:
            return VARNOLT_TEXT("The network refused the registration.");
        case 32:
            return VARNOLT_TEXT("The network registration timed out.");
        case 33:
            return VARNOLT_TEXT("The network registration failed.");
        case 34:
            return VARNOLT_TEXT("The SIM PIN check failed.");
        case 36:
            return VARNOLT_TEXT("The device was removed.");
        case 37:
            return VARNOLT_TEXT("The system is going to sleep.");
        case 38:
            return VARNOLT_TEXT("The connection profile was removed.");
        case 40:
            return VARNOLT_TEXT("The carrier or link changed.");
        case 43:
            return VARNOLT_TEXT("The modem could not be found.");
        case 44:
            return VARNOLT_TEXT("The Bluetooth connection failed or timed out.");
        case 45:
            return VARNOLT_TEXT("No SIM card is inserted.");
        case 46:
            return VARNOLT_TEXT("The SIM card needs its PIN.");
        case 47:
            return VARNOLT_TEXT("The SIM card needs its PUK.");
        case 48:
            return VARNOLT_TEXT("The SIM card is not the right one.");
        case 52:
            return VARNOLT_TEXT("ModemManager is not available.");
        case 57:
            return VARNOLT_TEXT("The modem failed.");
        default:
            return nullptr;
    }
}

}  // namespace

int FailureCode(unsigned activeReason, unsigned deviceReason) {
    // The device knows best what the line did; the connection's reason is
    // looked at only when the device gave none the program knows.
    switch (deviceReason) {
        case device_reason::kModemBusy:
            return ras::kErrorLineBusy;
        case device_reason::kModemNoCarrier:
        case device_reason::kModemDialTimeout:
            return ras::kErrorNoAnswer;
        case device_reason::kModemNoDialTone:
            return ras::kErrorNoDialtone;
        case device_reason::kNoSecrets:
            return ras::kErrorAuthenticationFailure;
        default:
            break;
    }
    switch (activeReason) {
        case active_reason::kNoSecrets:
        case active_reason::kLoginFailed:
            return ras::kErrorAuthenticationFailure;
        case active_reason::kConnectTimeout:
            return ras::kErrorNoAnswer;
        default:
            break;
    }
    if (DeviceReasonText(deviceReason) != nullptr) {
        return kDeviceReasonBase + static_cast<int>(deviceReason);
    }
    // Ended by someone else (a terminal, another program) or with nothing
    // said: as if the remote side had hung up.
    if (activeReason == 0 || activeReason == active_reason::kUserDisconnected ||
        activeReason == active_reason::kDeviceDisconnected ||
        ActiveReasonText(activeReason) == nullptr) {
        return ras::kErrorDisconnection;
    }
    return kActiveReasonBase + static_cast<int>(activeReason);
}

std::string ReasonText(int code) {
    const char* text = nullptr;
    if (code >= kDeviceReasonBase) {
        text = DeviceReasonText(static_cast<unsigned>(code - kDeviceReasonBase));
    } else if (code >= kActiveReasonBase) {
        text = ActiveReasonText(static_cast<unsigned>(code - kActiveReasonBase));
    }
    return text != nullptr ? FillText(VARNOLT_TEXT("NetworkManager: %1"), {MarkedText(text)})
                           : std::string();
}

}  // namespace varnolt::nm
