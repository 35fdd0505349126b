#pragma once

#include <vector>

#include "holiday/CHolidayEntry.h"
#include "platform/SettingsStore.h"

namespace varnolt {

// "Nationwide" and the German states, in the order the dialog lists them.
enum class GermanState {
    Nationwide,
    BadenWuerttemberg,
    Bayern,
    Berlin,
    Brandenburg,
    Bremen,
    Hamburg,
    Hessen,
    MecklenburgVorpommern,
    Niedersachsen,
    NordrheinWestfalen,
    RheinlandPfalz,
    Saarland,
    Sachsen,
    SachsenAnhalt,
    SchleswigHolstein,
    Thueringen,
};
inline constexpr int kGermanStateCount = 17;  // Nationwide included

// Day and month of Easter Sunday in the Gregorian calendar.
struct DayMonth {
    int day = 0;
    int month = 0;

    friend bool operator==(const DayMonth&, const DayMonth&) = default;
};
DayMonth EasterSunday(int year);

// The public holidays of the year in the state (Nationwide: those of every
// state), in calendar order, each dated in that year.
std::vector<CHolidayEntry> PublicHolidays(int year, GermanState state);

struct PublicHolidayInsertion {
    int inserted = 0;
    int skipped = 0;   // a holiday was stored for the date already
    bool kept = true;  // false: the store refused, nothing was inserted
};

// Inserts the year's public holidays of the state into the holiday database,
// all in one transaction, leaving out the dates it holds already.
PublicHolidayInsertion InsertPublicHolidays(SettingsStore& store, int year, GermanState state);

}  // namespace varnolt
