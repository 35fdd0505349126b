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
            CycleText(meter.CycleMsNow())};
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
