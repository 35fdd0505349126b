#include <gtest/gtest.h>

#include <climits>

#include "MemorySettingsStore.h"
#include "RecordingSettingsStore.h"
#include "app/StoredList.h"

namespace varnolt {
namespace {

struct LengthCase {
    const char* name;
    std::vector<int> stored;  // numbers of the items with a value
    int count;
    int length;
};

class StoredListLength : public ::testing::TestWithParam<LengthCase> {};

TEST_P(StoredListLength, IsTheCountButNeverBeyondTheHighestStoredItem) {
    const LengthCase& c = GetParam();
    test::MemorySettingsStore store;
    const auto list = StoredList::InSection("__LOG file", {{"Entry #", ""}, {"User #", ""}});
    for (int n : c.stored) {
        store.WriteString("__LOG file", (n % 2 ? "Entry #" : "User #") + std::to_string(n), "x");
    }
    EXPECT_EQ(list.Length(store, c.count), c.length);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StoredListLength,
    ::testing::Values(LengthCase{"Exact", {1, 2, 3}, 3, 3},
                      LengthCase{"GapTakesDefaults", {1, 4}, 4, 4},
                      LengthCase{"ItemsAboveTheCountIgnored", {1, 2, 3, 4, 5, 6, 7}, 2, 2},
                      LengthCase{"CountBeyondTheStoredItems", {1, 2, 5}, 9, 5},
                      LengthCase{"HugeCount", {1, 2, 3}, INT_MAX, 3},
                      LengthCase{"ItemAfterALongGap", {1, 500}, 600, 500},
                      LengthCase{"NothingStored", {}, 12, 0}, LengthCase{"Zero", {1}, 0, 0},
                      LengthCase{"Negative", {1, 2}, -5, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StoredList, NumberedFromZeroWithASuffix) {
    test::MemorySettingsStore store;
    const auto periods =
        StoredList::InSection("__Scale manager", {{"W-", " From #2"}, {"W-", " Unit #2"}}, 0);
    store.WriteInt("__Scale manager", "W-0 From #2", 1);
    store.WriteString("__Scale manager", "W-2 Unit #2", "0.12");
    store.WriteInt("__Scale manager", "W-7 From", 1);  // another scale's period
    EXPECT_EQ(periods.Length(store, 3), 3);
    EXPECT_EQ(periods.Length(store, 50), 3);
    EXPECT_EQ(periods.HighestStored(store), 2);
}

TEST(StoredList, ItemsAsWholeSections) {
    test::MemorySettingsStore store;
    const auto slots = StoredList::AsSections("Office Autolaunch #");
    EXPECT_EQ(slots.HighestStored(store), 0);  // first - 1: nothing stored
    store.WriteInt("Office Autolaunch #2", "Startup", 0);
    store.WriteInt("Office 2 Autolaunch #9", "Startup", 0);
    EXPECT_EQ(slots.Length(store, 1'000'000), 2);
    EXPECT_EQ(slots.Length(store, 1), 1);
}

TEST(StoredList, TheUsualListCostsOneLookUp) {
    test::RecordingSettingsStore store;
    const auto list = StoredList::InSection("Holiday database", {{"Day #", ""}});
    for (int n = 1; n <= 1000; ++n) {
        store.WriteInt("Holiday database", "Day #" + std::to_string(n), 1);
    }
    store.reads = 0;
    EXPECT_EQ(list.Length(store, 1000), 1000);
    EXPECT_EQ(store.reads, 1);
}

TEST(NumberBetween, TakesOnlyPlainDecimals) {
    EXPECT_EQ(NumberBetween("Entry #12", "Entry #", ""), 12);
    EXPECT_EQ(NumberBetween("W-0 From #3", "W-", " From #3"), 0);
    EXPECT_EQ(NumberBetween("Entry #2147483647", "Entry #", ""), INT_MAX);
    for (const char* name : {"Entry #", "Entry #012", "Entry #+1", "Entry #-1", "Entry # 1",
                             "Entry #2147483648", "Entry #1x", "entry #1"}) {
        EXPECT_FALSE(NumberBetween(name, "Entry #", "").has_value()) << name;
    }
}

}  // namespace
}  // namespace varnolt
