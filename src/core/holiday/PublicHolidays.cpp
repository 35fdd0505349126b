#include "PublicHolidays.h"

#include <algorithm>
#include <climits>

#include "holiday/CHolidayDatabase.h"
#include "platform/StoreTransaction.h"

namespace varnolt {
namespace {

using S = GermanState;

constexpr unsigned Bit(S state) {
    return 1u << static_cast<unsigned>(state);
}
template <typename... States>
constexpr unsigned In(States... states) {
    return (Bit(states) | ...);
}
// Every state, so also Nationwide.
constexpr unsigned kAll = (1u << kGermanStateCount) - 1;

enum class Kind {
    Fixed,       // day and month
    Easter,      // days after Easter Sunday
    Repentance,  // the Wednesday before 23 November
};

struct Rule {
    const char* description;
    Kind kind;
    int day;  // Fixed: day of month; Easter: offset in days
    int month;
    unsigned states;
    int from = INT_MIN;
    int to = INT_MAX;
};

const Rule kRules[] = {
    {"Neujahr", Kind::Fixed, 1, 1, kAll},
    {"Heilige Drei Könige", Kind::Fixed, 6, 1,
     In(S::BadenWuerttemberg, S::Bayern, S::SachsenAnhalt)},
    {"Internationaler Frauentag", Kind::Fixed, 8, 3, In(S::Berlin), 2019},
    {"Internationaler Frauentag", Kind::Fixed, 8, 3, In(S::MecklenburgVorpommern), 2023},
    {"Karfreitag", Kind::Easter, -2, 0, kAll},
    {"Ostermontag", Kind::Easter, 1, 0, kAll},
    {"Tag der Arbeit", Kind::Fixed, 1, 5, kAll},
    {"Christi Himmelfahrt", Kind::Easter, 39, 0, kAll},
    {"Pfingstmontag", Kind::Easter, 50, 0, kAll},
    {"Fronleichnam", Kind::Easter, 60, 0,
     In(S::BadenWuerttemberg, S::Bayern, S::Hessen, S::NordrheinWestfalen, S::RheinlandPfalz,
        S::Saarland)},
    // In Bayern only where most people are Catholic; most of the state is.
    {"Mariä Himmelfahrt", Kind::Fixed, 15, 8, In(S::Saarland, S::Bayern)},
    {"Weltkindertag", Kind::Fixed, 20, 9, In(S::Thueringen), 2019},
    {"Tag der Deutschen Einheit", Kind::Fixed, 3, 10, kAll, 1990},
    {"Reformationstag", Kind::Fixed, 31, 10,
     In(S::Brandenburg, S::MecklenburgVorpommern, S::Sachsen, S::SachsenAnhalt, S::Thueringen),
     INT_MIN, 2016},
    {"Reformationstag", Kind::Fixed, 31, 10, kAll, 2017, 2017},
    {"Reformationstag", Kind::Fixed, 31, 10,
     In(S::Brandenburg, S::MecklenburgVorpommern, S::Sachsen, S::SachsenAnhalt, S::Thueringen,
        S::Bremen, S::Hamburg, S::Niedersachsen, S::SchleswigHolstein),
     2018},
    {"Allerheiligen", Kind::Fixed, 1, 11,
     In(S::BadenWuerttemberg, S::Bayern, S::NordrheinWestfalen, S::RheinlandPfalz, S::Saarland)},
    {"Buß- und Bettag", Kind::Repentance, 0, 0, In(S::Sachsen)},
    {"1. Weihnachtstag", Kind::Fixed, 25, 12, kAll},
    {"2. Weihnachtstag", Kind::Fixed, 26, 12, kAll},
};

// Days since 1 March of year 0 (proleptic Gregorian), and back.
long DayNumber(int year, int month, int day) {
    const long y = month <= 2 ? year - 1L : year;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yearOfEra = y - era * 400;
    const long dayOfYear = (153L * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    return era * 146097 + yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
}

DayMonth DateOf(long dayNumber) {
    const long era = (dayNumber >= 0 ? dayNumber : dayNumber - 146096) / 146097;
    const long dayOfEra = dayNumber - era * 146097;
    const long yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long shiftedMonth = (5 * dayOfYear + 2) / 153;
    return {static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1),
            static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9)};
}

DayMonth DateOfRule(const Rule& rule, int year) {
    switch (rule.kind) {
        case Kind::Fixed:
            return {rule.day, rule.month};
        case Kind::Easter: {
            const DayMonth easter = EasterSunday(year);
            return DateOf(DayNumber(year, easter.month, easter.day) + rule.day);
        }
        case Kind::Repentance: {
            // Day number 0 (1 March of year 0) was a Wednesday.
            const long before = DayNumber(year, 11, 22);
            const long sinceWednesday = ((before % 7) + 7) % 7;
            return DateOf(before - sinceWednesday);
        }
    }
    return {};
}

}  // namespace

DayMonth EasterSunday(int year) {
    // The anonymous Gregorian algorithm (Meeus/Jones/Butcher).
    const int a = year % 19;
    const int b = year / 100;
    const int c = year % 100;
    const int d = b / 4;
    const int e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4;
    const int k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int monthDay = h + l - 7 * m + 114;
    return {monthDay % 31 + 1, monthDay / 31};
}

std::vector<CHolidayEntry> PublicHolidays(int year, GermanState state) {
    const unsigned wanted = state == GermanState::Nationwide ? kAll : Bit(state);
    std::vector<CHolidayEntry> holidays;
    for (const Rule& rule : kRules) {
        if ((rule.states & wanted) == wanted && rule.from <= year && year <= rule.to) {
            const DayMonth date = DateOfRule(rule, year);
            holidays.push_back({rule.description, date.day, date.month, year});
        }
    }
    std::stable_sort(holidays.begin(), holidays.end(), [](const auto& a, const auto& b) {
        return a.month != b.month ? a.month < b.month : a.day < b.day;
    });
    return holidays;
}

PublicHolidayInsertion InsertPublicHolidays(SettingsStore& store, int year, GermanState state) {
    CHolidayDatabase database(store);
    PublicHolidayInsertion result;
    StoreTransaction transaction(store);
    for (const CHolidayEntry& holiday : PublicHolidays(year, state)) {
        if (database.IsHoliday(holiday.day, holiday.month, holiday.year)) {
            ++result.skipped;
        } else {
            database.Insert(holiday);
            ++result.inserted;
        }
    }
    result.kept = transaction.Commit();
    return result;
}

}  // namespace varnolt
