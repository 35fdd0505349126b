#include <gtest/gtest.h>

#include <climits>
#include <tuple>

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

TEST(StoredList, AppendGoesAfterTheLastItemShownAndWritesTheCount) {
    test::MemorySettingsStore store;
    const auto periods = StoredList::InSection("__Scale manager", {{"W-", " From #2"}}, 0);
    store.WriteInt("__Scale manager", "W-0 From #2", 1);
    store.WriteInt("__Scale manager", "Weekday #2", 40);  // hand-inflated
    EXPECT_EQ(periods.Append(store, "__Scale manager", "Weekday #2"), 1);
    EXPECT_EQ(store.ReadInt("__Scale manager", "Weekday #2", 0), 2);

    // No number left after the largest one, and sections are not renumbered.
    const auto slots = StoredList::AsSections("Office Autolaunch #");
    store.WriteInt("Office Autolaunch #" + std::to_string(INT_MAX), "Startup", 0);
    store.WriteInt("Office", "Autolaunch", INT_MAX);
    EXPECT_EQ(slots.Append(store, "Office", "Autolaunch"), std::nullopt);
    EXPECT_EQ(store.ReadInt("Office", "Autolaunch", 0), INT_MAX);
}

// Keys as a hand edit may leave them, and what the list makes of them.
struct SearchCase {
    const char* name;
    std::vector<std::string> keys;
    int count;
    int highest;
    int length;
    std::vector<int> shownNumbers;  // stored among those the list shows
};

class StoredListSearch : public ::testing::TestWithParam<SearchCase> {};

TEST_P(StoredListSearch, FindsTheHighestStoredNumberAndEveryStoredOne) {
    const SearchCase& c = GetParam();
    test::MemorySettingsStore store;
    for (const std::string& key : c.keys) {
        store.WriteString("__LOG file", key, "x");
    }
    store.WriteString("Other", "Entry #900", "x");
    const auto list = StoredList::InSection("__LOG file", {{"Entry #", ""}, {"User #", " x"}});
    EXPECT_EQ(list.HighestStored(store), c.highest);
    EXPECT_EQ(list.Length(store, c.count), c.length);
    EXPECT_EQ(list.StoredNumbers(store, c.length), c.shownNumbers);
}

const SearchCase kSearchCases[] = {
    {"NumbersNotTexts", {"Entry #9", "Entry #10", "Entry #2"}, 50, 10, 10, {2, 9, 10}},
    {"InTheSecondPattern", {"Entry #1", "User #7 x", "User #8"}, 50, 7, 7, {1, 7}},
    {"FarBelowTheCount", {"Entry #3", "Entry #1"}, INT_MAX, 3, 3, {1, 3}},
    {"CountBelowTheStored", {"Entry #1", "Entry #4", "Entry #6"}, 5, 6, 5, {1, 4}},
    {"AtTheLargestNumber",
     {"Entry #5", "Entry #2147483647"},
     INT_MAX,
     INT_MAX,
     INT_MAX,
     {5, INT_MAX}},
    {"NotTheProgramsNumbers",
     {"Entry #2", "Entry #007", "Entry #+9", "Entry #-4", "Entry # 8", "Entry #0x9", "Entry #",
      "Entry #2147483648", "Entry #1 x", "entry #5"},
     INT_MAX,
     2,
     2,
     {2}},
    {"NothingStored", {"Anzahl"}, 10, 0, 0, {}},
};

INSTANTIATE_TEST_SUITE_P(Keys, StoredListSearch, ::testing::ValuesIn(kSearchCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Items (their "Entry"/"User" texts, "" for none) at numbers under a count of
// INT_MAX, and the list after one append: the items renumbered from 1 in
// their order, then the new one; a value an item lacks reads as the default
// even where another item's old value lay.
TEST(StoredList, AnAppendPastTheLargestNumberRenumbersFirst) {
    using Items = std::vector<std::tuple<int, std::string, std::string>>;
    const struct {
        Items stored;
        std::vector<std::string> after;  // "entry/user", "-" for the default
    } cases[] = {
        {{{2, "b", ""}, {3, "c", "uc"}, {INT_MAX, "z", ""}}, {"b/-", "c/uc", "z/-", "new/-"}},
        {{{3, "c", "uc"}, {INT_MAX, "", "uz"}}, {"c/uc", "-/uz", "new/-"}},
    };
    const auto log = StoredList::InSection("__LOG file", {{"Entry #", ""}, {"User #", ""}});
    for (const auto& c : cases) {
        test::MemorySettingsStore store;
        for (const auto& [n, entry, user] : c.stored) {
            if (!entry.empty()) {
                store.WriteString("__LOG file", "Entry #" + std::to_string(n), entry);
            }
            if (!user.empty()) {
                store.WriteString("__LOG file", "User #" + std::to_string(n), user);
            }
        }
        store.WriteInt("__LOG file", "Anzahl", INT_MAX);
        const std::optional<int> added = log.Append(store, "__LOG file", "Anzahl");
        ASSERT_EQ(added, static_cast<int>(c.after.size()));
        store.WriteString("__LOG file", "Entry #" + std::to_string(*added), "new");
        EXPECT_EQ(store.ReadInt("__LOG file", "Anzahl", 0), *added);
        std::vector<std::string> after;
        for (int n = 1; n <= *added; ++n) {
            const std::string i = std::to_string(n);
            after.push_back(store.ReadString("__LOG file", "Entry #" + i, "-") + "/" +
                            store.ReadString("__LOG file", "User #" + i, "-"));
        }
        EXPECT_EQ(after, c.after);
    }
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
