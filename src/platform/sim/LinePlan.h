#pragma once

#include <cstdint>
#include <vector>

#include "PhonebookEntry.h"

namespace varnolt {

// States a dial of the virtual line passes through, numbered as dialers
// commonly number them; only kConnected is relied on by callers.
namespace line_state {
constexpr unsigned kOpenPort = 0;
constexpr unsigned kPortOpened = 1;
constexpr unsigned kConnectDevice = 2;
constexpr unsigned kDeviceConnected = 3;
constexpr unsigned kAuthenticate = 5;
constexpr unsigned kAuthenticated = 14;
constexpr unsigned kConnected = 0x2000;
constexpr unsigned kDisconnected = 0x2001;
}  // namespace line_state

// Seconds until the modem gives up, when the line does not connect.
constexpr int kNoDialToneSeconds = 2;
constexpr int kBusySeconds = 3;
constexpr int kNoAnswerSeconds = 10;

// One notification of a dial, due `atTenths` tenths of a line second after
// the dial started. A step with an error ends the dial (the line is down).
struct LineStep {
    std::int64_t atTenths;
    unsigned state;
    int error;

    bool operator==(const LineStep&) const = default;
};

// The notifications a dial of entry delivers, in order. accountAccepted tells
// whether the credentials dialed with pass the entry's account check.
std::vector<LineStep> PlanDial(const PhonebookEntry& entry, bool accountAccepted);

}  // namespace varnolt
