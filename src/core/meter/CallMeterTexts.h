#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace varnolt {

class FeeMeter;

// What the call window shows of a running call, as texts.
struct CallMeterTexts {
    std::string entry;
    std::string since;      // "05.03.1996 at 09:07:15 h", as the tree's last connect
    std::string duration;   // "00:01:05 h", as the caption
    std::string units;      // the units charged, the first included
    std::string fee;        // "0.36 DM"
    std::string unitPrice;  // the present period's, "0.12 DM"
    std::string cycle;      // "90 s", "1.50 s"; "-" when no period holds
    // The bytes the call moved, "1.25 MB"; both empty where the service does not count them.
    std::string sent{};
    std::string received{};

    friend bool operator==(const CallMeterTexts&, const CallMeterTexts&) = default;
};

// The texts of the meter's call at the present moment, amounts with the
// currency symbol like the caption.
CallMeterTexts MakeCallMeterTexts(const FeeMeter& meter, std::string_view currencySymbol);

// A count of bytes in the largest unit that keeps it at 1 or more: "512 B", "1.25 MB".
std::string ByteCountText(std::uint64_t bytes);

// A charge cycle in seconds: whole seconds without decimals, others with two.
std::string CycleText(std::int32_t cycleMs);

}  // namespace varnolt
