#include "LinePlan.h"

#include <algorithm>

#include "platform/RemoteAccess.h"

namespace varnolt {

std::vector<LineStep> PlanDial(const PhonebookEntry& entry, bool accountAccepted) {
    using namespace line_state;
    // The first states come at once: callers poll soon after dialing and rely
    // on the first notification having arrived by then.
    std::vector<LineStep> steps = {{0, kOpenPort, 0}, {0, kPortOpened, 0}, {0, kConnectDevice, 0}};
    switch (entry.answer) {
        case LineAnswer::NoDialTone:
            steps.push_back({kNoDialToneSeconds * 10, kConnectDevice, ras::kErrorNoDialtone});
            return steps;
        case LineAnswer::Busy:
            steps.push_back({kBusySeconds * 10, kConnectDevice, ras::kErrorLineBusy});
            return steps;
        case LineAnswer::NoAnswer:
            steps.push_back({kNoAnswerSeconds * 10, kConnectDevice, ras::kErrorNoAnswer});
            return steps;
        case LineAnswer::Connect:
            break;
    }
    // Carrier after 60 % of the connect time, the login takes the rest.
    const std::int64_t connect =
        std::clamp(entry.connectSeconds, 0, PhonebookEntry::kMaxConnectSeconds) * 10LL;
    const std::int64_t carrier = connect * 6 / 10;
    steps.push_back({carrier, kDeviceConnected, 0});
    steps.push_back({carrier, kAuthenticate, 0});
    if (entry.accountRequired && !accountAccepted) {
        steps.push_back({connect, kAuthenticate, ras::kErrorAuthenticationFailure});
        return steps;
    }
    steps.push_back({connect * 9 / 10, kAuthenticated, 0});
    steps.push_back({connect, kConnected, 0});
    const int drop = std::clamp(entry.dropSeconds, 0, PhonebookEntry::kMaxDropSeconds);
    if (drop > 0) {
        // The remote side hangs up. Reported, so that the last word a listener
        // heard is "not connected" rather than the connect of a line now gone.
        steps.push_back({connect + drop * 10LL, kDisconnected, ras::kErrorDisconnection});
    }
    return steps;
}

}  // namespace varnolt
