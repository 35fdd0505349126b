#pragma once

#include <array>
#include <string>
#include <vector>

#include "tariff/ScaleId.h"

namespace varnolt {

// One time period of a scale. Hours and minutes are not range-checked here;
// cycle (seconds per charge unit) and unit (price per unit) stay the texts the
// user entered ("21.5", "0.12"), turned into numbers only by the fee meter.
struct TariffPeriod {
    int fromHour = 0;
    int fromMinute = 0;
    int toHour = 0;
    int toMinute = 0;
    std::string cycle = "0";
    std::string unit = "0";

    friend bool operator==(const TariffPeriod&, const TariffPeriod&) = default;
};

// Positions in TariffScale::dayFlags.
enum DayFlag { kMonday, kTuesday, kWednesday, kThursday, kFriday, kSaturday, kSunday };

// A scale: the weekday periods, the Sunday/holiday periods and the weekdays on
// which the Sunday/holiday periods apply. Lists keep their entry order.
// A default scale is what a never-saved user-defined scale looks like.
struct TariffScale {
    ScaleId id = ScaleId::City;
    std::array<bool, 7> dayFlags{false, false, false, false, false, true, true};  // Mon..Sun
    std::vector<TariffPeriod> weekdayPeriods{};
    std::vector<TariffPeriod> holidayPeriods{};

    friend bool operator==(const TariffScale&, const TariffScale&) = default;
};

}  // namespace varnolt
