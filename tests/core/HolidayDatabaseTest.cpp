#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "MemorySettingsStore.h"
#include "RecordingSettingsStore.h"
#include "holiday/CHolidayDatabase.h"

namespace varnolt {
namespace {

constexpr const char* kSection = "Holiday database";

// The writes a test expects, all in the holiday section, in one transaction.
std::vector<std::string> InSection(const std::vector<std::string>& writes) {
    std::vector<std::string> full{"BEGIN"};
    for (const std::string& write : writes)
        full.push_back(std::string(kSection) + "|" + write);
    full.push_back("END");
    return full;
}

void Store(SettingsStore& store, int n, const CHolidayEntry& e) {
    const std::string i = std::to_string(n);
    store.WriteString(kSection, "Description #" + i, e.description);
    store.WriteInt(kSection, "Day #" + i, e.day);
    store.WriteInt(kSection, "Month #" + i, e.month);
    store.WriteInt(kSection, "Year #" + i, e.year);
}

CHolidayEntry StoredAt(const SettingsStore& store, int n) {
    const std::string i = std::to_string(n);
    return {store.ReadString(kSection, "Description #" + i, "<missing>"),
            store.ReadInt(kSection, "Day #" + i, -1), store.ReadInt(kSection, "Month #" + i, -1),
            store.ReadInt(kSection, "Year #" + i, -1)};
}

const CHolidayEntry kNewYear{"New Year", 1, 1, EveryYear};
const CHolidayEntry kLabourDay{"Labour day 1996", 1, 5, 1996};
const CHolidayEntry kChristmas{"Christmas", 25, 12, EveryYear};

TEST(HolidayDatabase, InsertWritesTheCountFirstAndYearZeroAsEveryYear) {
    test::RecordingSettingsStore store;
    CHolidayDatabase db(store);
    db.Insert({"Christmas", 25, 12, 0});
    EXPECT_EQ(store.writes, InSection({"Anzahl=1", "Description #1='Christmas'", "Day #1=25",
                                       "Month #1=12", "Year #1=10000"}));
    store.writes.clear();
    db.Insert({"", 1, 5, 1996});
    EXPECT_EQ(store.writes, InSection({"Anzahl=2", "Description #2=''", "Day #2=1", "Month #2=5",
                                       "Year #2=1996"}));
    EXPECT_EQ(db.Count(), 2);
    EXPECT_EQ(db.ReadEntry(1), kChristmas);
    EXPECT_EQ(db.ReadEntry(2), (CHolidayEntry{"", 1, 5, 1996}));  // empty stays empty
}

TEST(HolidayDatabase, MissingValuesReadAsTheirDefaults) {
    test::MemorySettingsStore store;
    store.WriteInt(kSection, "Anzahl", 3);
    Store(store, 1, kNewYear);
    store.WriteInt(kSection, "Day #3", 6);
    CHolidayDatabase db(store);
    const std::vector<CHolidayEntry> all = db.ReadAll();
    ASSERT_EQ(all.size(), 2u);  // holiday 2, with no value at all, is a gap
    EXPECT_EQ(all[0], kNewYear);
    EXPECT_EQ(all[1], (CHolidayEntry{"No description available", 6, 0, 0}));
    EXPECT_EQ(db.Count(), 3);
}

struct RemovalCase {
    const char* name;
    int stored;  // holidays 1..stored of kThree
    int remove;
    std::vector<CHolidayEntry> listAfter;
    std::vector<std::string> writes;
};

const CHolidayEntry kThree[] = {kNewYear, kLabourDay, kChristmas};

class HolidayRemoval : public ::testing::TestWithParam<RemovalCase> {};

TEST_P(HolidayRemoval, ClosesTheGapAndLeavesTheLastOldNumberInTheStore) {
    const RemovalCase& c = GetParam();
    test::RecordingSettingsStore store;
    store.WriteInt(kSection, "Anzahl", c.stored);
    for (int n = 1; n <= c.stored; ++n)
        Store(store, n, kThree[n - 1]);
    store.writes.clear();

    CHolidayDatabase db(store);
    db.Remove(c.remove);
    EXPECT_EQ(store.writes, InSection(c.writes));
    EXPECT_EQ(db.ReadAll(), c.listAfter);
    EXPECT_EQ(store.ReadInt(kSection, "Anzahl", -1), c.stored - 1);
    // The last old number keeps its values above the count.
    EXPECT_EQ(StoredAt(store, c.stored), kThree[c.stored - 1]);
}

INSTANTIATE_TEST_SUITE_P(
    Holidays, HolidayRemoval,
    ::testing::Values(RemovalCase{"First",
                                  3,
                                  1,
                                  {kLabourDay, kChristmas},
                                  {"Anzahl=2", "Description #1='Labour day 1996'", "Day #1=1",
                                   "Month #1=5", "Year #1=1996", "Description #2='Christmas'",
                                   "Day #2=25", "Month #2=12", "Year #2=10000"}},
                      RemovalCase{"Middle",
                                  3,
                                  2,
                                  {kNewYear, kChristmas},
                                  {"Anzahl=2", "Description #2='Christmas'", "Day #2=25",
                                   "Month #2=12", "Year #2=10000"}},
                      RemovalCase{"Last", 3, 3, {kNewYear, kLabourDay}, {"Anzahl=2"}},
                      RemovalCase{"Only", 1, 1, {}, {"Anzahl=0"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HolidayDatabase, RemovalCopiesMissingValuesAsEmptyAndZero) {
    test::MemorySettingsStore store;
    store.WriteInt(kSection, "Anzahl", 3);
    Store(store, 1, kNewYear);
    store.WriteInt(kSection, "Day #2", 6);  // holiday 2 has no other values
    Store(store, 3, kChristmas);
    CHolidayDatabase db(store);
    db.Remove(1);
    EXPECT_EQ(StoredAt(store, 1), (CHolidayEntry{"", 6, 0, 0}));
    EXPECT_EQ(StoredAt(store, 2), kChristmas);
}

TEST(HolidayDatabase, ClearKeepsTheValuesAndTheNextInsertOverwritesNumberOne) {
    test::MemorySettingsStore store;
    CHolidayDatabase db(store);
    db.Insert(kNewYear);
    db.Insert(kChristmas);
    db.Clear();
    EXPECT_EQ(store.ReadInt(kSection, "Anzahl", -1), 0);
    EXPECT_EQ(db.Count(), 0);
    EXPECT_FALSE(db.IsHoliday(25, 12, 2026));
    EXPECT_EQ(StoredAt(store, 2), kChristmas);

    db.Insert({"Labour day 1996", 1, 5, 1996});
    EXPECT_EQ(db.ReadAll(), std::vector<CHolidayEntry>{kLabourDay});
    EXPECT_EQ(StoredAt(store, 2), kChristmas);  // above the count, untouched
    EXPECT_FALSE(db.IsHoliday(25, 12, 2026));
}

struct DateCase {
    int day, month, year;
    bool holiday;
};

TEST(HolidayDatabase, IsHolidayMatchesDayMonthAndTheYearOrEveryYear) {
    test::MemorySettingsStore store;
    CHolidayDatabase db(store);
    for (int year : {1996, 2026}) {
        EXPECT_FALSE(db.IsHoliday(25, 12, year)) << "empty database";
    }
    db.Insert({"Christmas", 25, 12, 0});
    db.Insert(kLabourDay);
    // Hand-edited holidays with a zero field, and one that has no values.
    store.WriteInt(kSection, "Anzahl", 6);
    Store(store, 3, {"zero day", 0, 3, EveryYear});
    Store(store, 4, {"zero month", 3, 0, EveryYear});
    Store(store, 5, {"zero year", 7, 7, 0});

    const DateCase cases[] = {
        {25, 12, 1970, true},  {25, 12, 2026, true},  {25, 12, 9999, true}, {24, 12, 2026, false},
        {25, 11, 2026, false}, {12, 25, 2026, false}, {1, 5, 1996, true},   {1, 5, 1997, false},
        {1, 5, 1995, false},   {1, 6, 1996, false},   {2, 5, 1996, false},  {0, 3, 2026, false},
        {3, 0, 2026, false},   {7, 7, 0, false},      {7, 7, 2026, false},  {0, 0, 0, false},
    };
    for (const DateCase& c : cases) {
        EXPECT_EQ(db.IsHoliday(c.day, c.month, c.year), c.holiday)
            << c.day << "." << c.month << "." << c.year;
    }
}

TEST(HolidayDatabase, AHugeCountStopsAtTheLastStoredHoliday) {
    test::RecordingSettingsStore store;
    CHolidayDatabase db(store);
    db.Insert(kNewYear);
    db.Insert(kLabourDay);
    db.Insert(kChristmas);
    store.WriteInt(kSection, "Anzahl", INT_MAX);

    store.reads = 0;
    EXPECT_EQ(db.Count(), 3);
    EXPECT_EQ(db.ReadAll(), (std::vector<CHolidayEntry>{kNewYear, kLabourDay, kChristmas}));
    EXPECT_TRUE(db.IsHoliday(25, 12, 2026));
    EXPECT_FALSE(db.IsHoliday(26, 12, 2026));
    EXPECT_LT(store.reads, 2000);

    // A new holiday goes where the list shows it, and the count is mended.
    db.Insert({"Boxing day", 26, 12, 0});
    EXPECT_EQ(store.ReadInt(kSection, "Anzahl", 0), 4);
    EXPECT_TRUE(db.IsHoliday(26, 12, 2026));
    db.Remove(1);
    EXPECT_EQ(store.ReadInt(kSection, "Anzahl", 0), 3);
    EXPECT_EQ(db.ReadEntry(3).description, "Boxing day");
}

TEST(HolidayDatabase, AHolidayAtTheLargestNumberIsFoundAndRenumberedByTheNextInsert) {
    test::RecordingSettingsStore store;
    Store(store, 1, kNewYear);
    Store(store, INT_MAX, kChristmas);
    store.WriteInt(kSection, "Anzahl", INT_MAX);
    CHolidayDatabase db(store);
    store.reads = 0;
    EXPECT_TRUE(db.IsHoliday(25, 12, 2026));
    EXPECT_LT(store.reads, 10);
    db.Insert(kLabourDay);
    EXPECT_EQ(db.ReadAll(), (std::vector<CHolidayEntry>{kNewYear, kChristmas, kLabourDay}));
}

TEST(HolidayDatabase, AHolidayStoredAfterALongGapIsNeitherDroppedNorOverwritten) {
    test::MemorySettingsStore store;
    Store(store, 1, kNewYear);
    Store(store, 200, kChristmas);
    store.WriteInt(kSection, "Anzahl", 200);
    CHolidayDatabase db(store);
    EXPECT_EQ(db.Count(), 200);
    EXPECT_TRUE(db.IsHoliday(25, 12, 2026));
    db.Insert(kLabourDay);
    EXPECT_EQ(store.ReadInt(kSection, "Anzahl", 0), 201);
    EXPECT_EQ(db.ReadEntry(200), kChristmas);
    EXPECT_EQ(db.ReadEntry(201), kLabourDay);
}

TEST(HolidayDatabase, ANegativeCountIsAnEmptyList) {
    test::MemorySettingsStore store;
    Store(store, 1, kChristmas);
    store.WriteInt(kSection, "Anzahl", -4);
    CHolidayDatabase db(store);
    EXPECT_EQ(db.Count(), 0);
    EXPECT_TRUE(db.ReadAll().empty());
    EXPECT_FALSE(db.IsHoliday(25, 12, 2026));
    db.Remove(1);  // nothing to remove: the store stays as it is
    EXPECT_EQ(store.ReadInt(kSection, "Anzahl", 0), -4);

    db.Insert(kNewYear);
    EXPECT_EQ(store.ReadInt(kSection, "Anzahl", 0), 1);
    EXPECT_EQ(db.ReadAll(), std::vector<CHolidayEntry>{kNewYear});
}

}  // namespace
}  // namespace varnolt
