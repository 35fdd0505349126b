#include "meter/CallMeterTexts.h"

#include "app/NumberText.h"
#include "meter/CallAccounting.h"
#include "meter/CaptionStyle.h"
#include "tariff/FeeMeter.h"

namespace varnolt {

CallMeterTexts MakeCallMeterTexts(const FeeMeter& meter, std::string_view currencySymbol) {
    return {meter.EntryName(),
            LastConnectText(meter.ConnectTime()),
            ElapsedTimeText(meter.ElapsedSeconds()),
            FormatInt(meter.UnitsCharged()),
            AmountText(meter.CallFee(), currencySymbol),
            AmountText(meter.UnitPriceNow(), currencySymbol),
            CycleText(meter.CycleMsNow()),
            {},
            {}};
}

std::string ByteCountText(std::uint64_t bytes) {
    if (bytes < 1000) {
        return FormatInt(static_cast<int>(bytes)) + " B";
    }
    constexpr const char* kUnits[] = {"kB", "MB", "GB", "TB", "PB", "EB"};
    double value = static_cast<double>(bytes) / 1000;
    std::size_t unit = 0;
    while (value >= 1000 && unit + 1 < std::size(kUnits)) {
        value /= 1000;
        ++unit;
    }
    return FormatAmount(value) + " " + kUnits[unit];
}

std::string CycleText(std::int32_t cycleMs) {
    if (cycleMs <= 0) {
        return "-";
    }
    if (cycleMs % 1000 == 0) {
        return FormatInt(cycleMs / 1000) + " s";
    }
    return FormatAmount(cycleMs / 1000.0) + " s";
}

}  // namespace varnolt
