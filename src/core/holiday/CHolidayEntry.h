#pragma once

#include <string>

namespace varnolt {

// The stored year of a holiday that falls on the same date every year.
inline constexpr int EveryYear = 10000;

// One holiday of the holiday database.
struct CHolidayEntry {
    std::string description;
    int day = 0;
    int month = 0;
    int year = 0;  // EveryYear for a yearly holiday

    friend bool operator==(const CHolidayEntry&, const CHolidayEntry&) = default;
};

}  // namespace varnolt
