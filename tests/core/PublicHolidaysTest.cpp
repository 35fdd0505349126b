#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "holiday/PublicHolidays.h"

namespace varnolt {
namespace {

TEST(EasterSunday, FallsOnThePublishedDates) {
    struct Case {
        int year;
        DayMonth easter;
    } cases[] = {
        {1990, {15, 4}}, {1991, {31, 3}}, {1992, {19, 4}}, {1993, {11, 4}}, {1994, {3, 4}},
        {1995, {16, 4}}, {1996, {7, 4}},  {1997, {30, 3}}, {1998, {12, 4}}, {1999, {4, 4}},
        {2000, {23, 4}}, {2001, {15, 4}}, {2002, {31, 3}}, {2003, {20, 4}}, {2004, {11, 4}},
        {2005, {27, 3}}, {2006, {16, 4}}, {2007, {8, 4}},  {2008, {23, 3}}, {2009, {12, 4}},
        {2010, {4, 4}},  {2011, {24, 4}}, {2012, {8, 4}},  {2013, {31, 3}}, {2014, {20, 4}},
        {2015, {5, 4}},  {2016, {27, 3}}, {2017, {16, 4}}, {2018, {1, 4}},  {2019, {21, 4}},
        {2020, {12, 4}}, {2021, {4, 4}},  {2022, {17, 4}}, {2023, {9, 4}},  {2024, {31, 3}},
        {2025, {20, 4}}, {2026, {5, 4}},  {2027, {28, 3}}, {2028, {16, 4}}, {2029, {1, 4}},
        {2030, {21, 4}}, {1818, {22, 3}}, {2285, {22, 3}}, {1943, {25, 4}}, {2038, {25, 4}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EasterSunday(c.year), c.easter) << c.year;
    }
}

TEST(PublicHolidays, BayernHasItsOwnBesideTheNationwideInCalendarOrder) {
    const std::vector<CHolidayEntry> expected = {
        {"Neujahr", 1, 1, 2024},
        {"Heilige Drei Könige", 6, 1, 2024},
        {"Karfreitag", 29, 3, 2024},
        {"Ostermontag", 1, 4, 2024},
        {"Tag der Arbeit", 1, 5, 2024},
        {"Christi Himmelfahrt", 9, 5, 2024},
        {"Pfingstmontag", 20, 5, 2024},
        {"Fronleichnam", 30, 5, 2024},
        {"Mariä Himmelfahrt", 15, 8, 2024},
        {"Tag der Deutschen Einheit", 3, 10, 2024},
        {"Allerheiligen", 1, 11, 2024},
        {"1. Weihnachtstag", 25, 12, 2024},
        {"2. Weihnachtstag", 26, 12, 2024},
    };
    EXPECT_EQ(PublicHolidays(2024, GermanState::Bayern), expected);
}

// How often a holiday is in the year's list of the state, and on which date.
TEST(PublicHolidays, YearDependentRulesApplyFromTheirYearInTheirStates) {
    struct Case {
        int year;
        GermanState state;
        const char* description;
        std::optional<DayMonth> date;  // nothing: not a holiday there then
    } cases[] = {
        {2019, GermanState::Berlin, "Internationaler Frauentag", DayMonth{8, 3}},
        {2018, GermanState::Berlin, "Internationaler Frauentag", std::nullopt},
        {2023, GermanState::MecklenburgVorpommern, "Internationaler Frauentag", DayMonth{8, 3}},
        {2022, GermanState::MecklenburgVorpommern, "Internationaler Frauentag", std::nullopt},
        {2019, GermanState::Thueringen, "Weltkindertag", DayMonth{20, 9}},
        {2018, GermanState::Thueringen, "Weltkindertag", std::nullopt},
        {2024, GermanState::Sachsen, "Buß- und Bettag", DayMonth{20, 11}},
        {2023, GermanState::Sachsen, "Buß- und Bettag", DayMonth{22, 11}},
        {2017, GermanState::Sachsen, "Buß- und Bettag", DayMonth{22, 11}},
        {2024, GermanState::Berlin, "Buß- und Bettag", std::nullopt},
        {2017, GermanState::Nationwide, "Reformationstag", DayMonth{31, 10}},
        {2017, GermanState::Sachsen, "Reformationstag", DayMonth{31, 10}},
        {2016, GermanState::Hamburg, "Reformationstag", std::nullopt},
        {2016, GermanState::Brandenburg, "Reformationstag", DayMonth{31, 10}},
        {2018, GermanState::Hamburg, "Reformationstag", DayMonth{31, 10}},
        {2018, GermanState::Nationwide, "Reformationstag", std::nullopt},
        {2018, GermanState::Bayern, "Reformationstag", std::nullopt},
        {1990, GermanState::Nationwide, "Tag der Deutschen Einheit", DayMonth{3, 10}},
        {1989, GermanState::Nationwide, "Tag der Deutschen Einheit", std::nullopt},
        {2024, GermanState::Nationwide, "Fronleichnam", std::nullopt},
        {2024, GermanState::Hessen, "Fronleichnam", DayMonth{30, 5}},
        {2024, GermanState::Saarland, "Mariä Himmelfahrt", DayMonth{15, 8}},
        {2024, GermanState::SachsenAnhalt, "Heilige Drei Könige", DayMonth{6, 1}},
        {2024, GermanState::NordrheinWestfalen, "Allerheiligen", DayMonth{1, 11}},
        {2000, GermanState::Nationwide, "Christi Himmelfahrt", DayMonth{1, 6}},
    };
    for (const Case& c : cases) {
        const std::vector<CHolidayEntry> list = PublicHolidays(c.year, c.state);
        std::vector<DayMonth> found;
        for (const CHolidayEntry& holiday : list) {
            if (holiday.description == c.description) {
                found.push_back({holiday.day, holiday.month});
            }
        }
        const std::vector<DayMonth> expected =
            c.date ? std::vector<DayMonth>{*c.date} : std::vector<DayMonth>{};
        EXPECT_EQ(found, expected)
            << c.description << " " << c.year << " state " << static_cast<int>(c.state);
    }
}

}  // namespace
}  // namespace varnolt
