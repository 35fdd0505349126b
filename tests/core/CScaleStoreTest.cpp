#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "MemorySettingsStore.h"
#include "RecordingSettingsStore.h"
#include "TempDir.h"
#include "sqlite/SqliteSettingsStore.h"
#include "tariff/CScaleStore.h"

namespace varnolt {
namespace {

const std::string kSection = "__Scale manager";

const TariffPeriod kDefaultPeriod{0, 0, 0, 0, "0", "0"};

class UserScaleTest : public ::testing::TestWithParam<ScaleId> {
protected:
    // The suffix each scale's keys must carry, spelled out here.
    std::string Suffix() const {
        switch (GetParam()) {
            case ScaleId::User2:
                return " #2";
            case ScaleId::User3:
                return " #3";
            default:
                return "";
        }
    }
    std::string Key(const std::string& name) const { return name + Suffix(); }

    TariffScale Sample() const {
        TariffScale scale{.id = GetParam()};
        scale.dayFlags = {true, false, true, false, false, false, true};
        scale.weekdayPeriods = {{0, 0, 8, 30, "60", "0.06"},
                                {8, 30, 18, 0, "21.5", "0.12"},
                                {18, 0, 24, 0, "240", "0.1"}};
        scale.holidayPeriods = {{0, 15, 24, 0, "13.5", "0.08"}};
        return scale;
    }

    test::RecordingSettingsStore m_store;
    CScaleStore m_scales{m_store};
};

INSTANTIATE_TEST_SUITE_P(AllUserScales, UserScaleTest,
                         ::testing::Values(ScaleId::User1, ScaleId::User2, ScaleId::User3),
                         [](const auto& info) { return "User" + std::to_string(info.index + 1); });

TEST_P(UserScaleTest, FreshStoreGivesAnEmptyScaleWithTheWeekendFlagged) {
    const TariffScale scale = m_scales.LoadScale(GetParam());
    EXPECT_EQ(scale.id, GetParam());
    EXPECT_TRUE(scale.weekdayPeriods.empty());
    EXPECT_TRUE(scale.holidayPeriods.empty());
    const std::array<bool, 7> weekend{false, false, false, false, false, true, true};
    EXPECT_EQ(scale.dayFlags, weekend);
    EXPECT_TRUE(m_store.writes.empty());
}

TEST_P(UserScaleTest, SaveWritesTheExactKeysAndLoadsBack) {
    ASSERT_TRUE(m_scales.SaveScale(Sample()));
    const test::MemorySettingsStore& mem = m_store.memory;
    EXPECT_EQ(mem.ReadInt(kSection, Key("Weekday"), -1), 3);
    EXPECT_EQ(mem.ReadInt(kSection, Key("Holiday"), -1), 1);
    EXPECT_EQ(mem.ReadInt(kSection, Key("Monday"), -1), 1);
    EXPECT_EQ(mem.ReadInt(kSection, Key("Tuesday"), -1), 0);
    EXPECT_EQ(mem.ReadInt(kSection, Key("Wednesday"), -1), 1);
    EXPECT_EQ(mem.ReadInt(kSection, Key("Saturday"), -1), 0);
    EXPECT_EQ(mem.ReadInt(kSection, Key("Sunday"), -1), 1);
    EXPECT_EQ(mem.ReadInt(kSection, Key("W-1 From"), -1), 8);
    EXPECT_EQ(mem.ReadInt(kSection, Key("W-1 From min"), -1), 30);
    EXPECT_EQ(mem.ReadInt(kSection, Key("W-2 To"), -1), 24);
    EXPECT_EQ(mem.ReadInt(kSection, Key("W-0 To min"), -1), 30);
    EXPECT_EQ(mem.ReadString(kSection, Key("W-1 Cycle"), "-"), "21.5");
    EXPECT_EQ(mem.ReadString(kSection, Key("W-1 Unit"), "-"), "0.12");
    EXPECT_EQ(mem.ReadInt(kSection, Key("H-0 From min"), -1), 15);
    EXPECT_EQ(mem.ReadString(kSection, Key("H-0 Cycle"), "-"), "13.5");
    // Numbering starts at 0, and nothing is written past the lists.
    EXPECT_FALSE(mem.HasValue(kSection, Key("W-3 From")));
    EXPECT_FALSE(mem.HasValue(kSection, Key("H-1 From")));
    EXPECT_EQ(m_store.writes.size(), 2u + 7u + 4u * 6u + 2u);  // and BEGIN, END

    EXPECT_EQ(m_scales.LoadScale(GetParam()), Sample());
}

TEST_P(UserScaleTest, ScalesKeepToTheirOwnKeys) {
    ASSERT_TRUE(m_scales.SaveScale(Sample()));
    for (ScaleId other : {ScaleId::User1, ScaleId::User2, ScaleId::User3}) {
        if (other != GetParam()) {
            EXPECT_EQ(m_scales.LoadScale(other), TariffScale{.id = other}) << ScaleLabel(other);
        }
    }
}

TEST_P(UserScaleTest, ShrinkingAListLeavesTheOldKeysUnread) {
    TariffScale scale = Sample();
    scale.weekdayPeriods.push_back({1, 2, 3, 4, "5", "6"});
    scale.weekdayPeriods.push_back({7, 8, 9, 10, "11", "12"});
    ASSERT_TRUE(m_scales.SaveScale(scale));
    scale.weekdayPeriods.resize(3);
    scale.holidayPeriods.clear();
    ASSERT_TRUE(m_scales.SaveScale(scale));

    const test::MemorySettingsStore& mem = m_store.memory;
    EXPECT_EQ(mem.ReadInt(kSection, Key("Weekday"), -1), 3);
    EXPECT_EQ(mem.ReadInt(kSection, Key("Holiday"), -1), 0);
    EXPECT_EQ(mem.ReadInt(kSection, Key("W-3 From"), -1), 1);
    EXPECT_EQ(mem.ReadString(kSection, Key("W-4 Unit"), "-"), "12");
    EXPECT_EQ(mem.ReadString(kSection, Key("H-0 Cycle"), "-"), "13.5");
    EXPECT_EQ(m_scales.LoadScale(GetParam()), scale);
}

TEST_P(UserScaleTest, MissingValuesTakeTheirDefaults) {
    test::MemorySettingsStore& mem = m_store.memory;
    mem.WriteInt(kSection, Key("Weekday"), 2);
    mem.WriteString(kSection, Key("W-0 Cycle"), "90");
    mem.WriteInt(kSection, Key("W-1 To"), 18);
    mem.WriteInt(kSection, Key("Saturday"), 0);
    mem.WriteInt(kSection, Key("Holiday"), 1);
    mem.WriteString(kSection, Key("H-0 Unit"), "0.12");

    const TariffScale scale = m_scales.LoadScale(GetParam());
    const std::array<bool, 7> flags{false, false, false, false, false, false, true};
    EXPECT_EQ(scale.dayFlags, flags);
    const std::vector<TariffPeriod> weekday{{0, 0, 0, 0, "90", "0"}, {0, 0, 18, 0, "0", "0"}};
    EXPECT_EQ(scale.weekdayPeriods, weekday);
    const std::vector<TariffPeriod> holiday{{0, 0, 0, 0, "0", "0.12"}};
    EXPECT_EQ(scale.holidayPeriods, holiday);
}

TEST_P(UserScaleTest, TextsThatAreNoNumbersAreKeptAsTheyAre) {
    TariffScale scale{.id = GetParam()};
    scale.weekdayPeriods = {{9, 0, 18, 0, "abc", "0,12"}, {18, 0, 24, 0, " 21.5 ", ""}};
    ASSERT_TRUE(m_scales.SaveScale(scale));
    EXPECT_EQ(m_store.memory.ReadString(kSection, Key("W-0 Unit"), "-"), "0,12");
    EXPECT_EQ(m_store.memory.ReadString(kSection, Key("W-1 Unit"), "-"), "");
    EXPECT_EQ(m_scales.LoadScale(GetParam()), scale);
}

TEST_P(UserScaleTest, DayFlagIsSetOnlyWhenStoredAsExactlyOne) {
    struct Case {
        const char* key;
        int stored;
        std::size_t day;
        bool set;
    };
    const Case cases[] = {
        {"Monday", 1, 0, true},       {"Monday", 2, 0, false},   {"Tuesday", -1, 1, false},
        {"Friday", 0, 4, false},      {"Saturday", 0, 5, false}, {"Saturday", 2, 5, false},
        {"Sunday", 1, 6, true},       {"Sunday", -1, 6, false},  {"Thursday", 1, 3, true},
        {"Wednesday", 256, 2, false},
    };
    for (const Case& c : cases) {
        m_store.memory.WriteInt(kSection, Key(c.key), c.stored);
        EXPECT_EQ(m_scales.LoadScale(GetParam()).dayFlags[c.day], c.set)
            << c.key << " = " << c.stored;
    }
}

TEST_P(UserScaleTest, ACountAboveTheStoredPeriodsEndsAtTheLastStoredOne) {
    test::MemorySettingsStore& mem = m_store.memory;
    mem.WriteInt(kSection, Key("Holiday"), 4);
    mem.WriteInt(kSection, Key("H-0 From"), 6);
    mem.WriteString(kSection, Key("H-1 Cycle"), "30");
    const std::vector<TariffPeriod> holiday{{6, 0, 0, 0, "0", "0"}, {0, 0, 0, 0, "30", "0"}};
    EXPECT_EQ(m_scales.LoadScale(GetParam()).holidayPeriods, holiday);
}

TEST_P(UserScaleTest, AHugeCountReadsOnlyTheStoredPeriods) {
    test::MemorySettingsStore& mem = m_store.memory;
    mem.WriteInt(kSection, Key("Weekday"), INT_MAX);
    mem.WriteInt(kSection, Key("Holiday"), INT_MAX);
    mem.WriteInt(kSection, Key("W-0 From"), 5);
    mem.WriteString(kSection, Key("W-1 Cycle"), "60");
    // W-2 missing: a gap, skipped; the last counted period is stored.
    mem.WriteString(kSection, Key("W-2147483646 Unit"), "0.5");

    m_store.readLimit = 2000;  // a read per number up to the count throws
    const TariffScale scale = m_scales.LoadScale(GetParam());
    const std::vector<TariffPeriod> weekday{
        {5, 0, 0, 0, "0", "0"}, {0, 0, 0, 0, "60", "0"}, {0, 0, 0, 0, "0", "0.5"}};
    EXPECT_EQ(scale.weekdayPeriods, weekday);
    EXPECT_TRUE(scale.holidayPeriods.empty());
}

TEST_P(UserScaleTest, ANegativeCountIsAnEmptyList) {
    ASSERT_TRUE(m_scales.SaveScale(Sample()));
    m_store.memory.WriteInt(kSection, Key("Weekday"), -1);
    m_store.memory.WriteInt(kSection, Key("Holiday"), INT_MIN);
    const TariffScale scale = m_scales.LoadScale(GetParam());
    EXPECT_TRUE(scale.weekdayPeriods.empty());
    EXPECT_TRUE(scale.holidayPeriods.empty());
}

TEST(CScaleStore, WritesInTheDocumentedOrder) {
    test::RecordingSettingsStore recorder;
    CScaleStore scales(recorder);
    TariffScale scale{.id = ScaleId::User3};
    scale.dayFlags = {false, true, false, false, true, true, false};
    scale.weekdayPeriods = {{0, 0, 9, 0, "240", "0.12"}, {9, 0, 24, 0, "22.5", "0.2"}};
    scale.holidayPeriods = {{1, 2, 3, 4, "5", "6"}};
    ASSERT_TRUE(scales.SaveScale(scale));

    // One transaction: a count never promises periods that were not written.
    const std::vector<std::string> expected{
        "BEGIN",
        "__Scale manager|Weekday #3=2",
        "__Scale manager|Holiday #3=1",
        "__Scale manager|Monday #3=0",
        "__Scale manager|Tuesday #3=1",
        "__Scale manager|Wednesday #3=0",
        "__Scale manager|Thursday #3=0",
        "__Scale manager|Friday #3=1",
        "__Scale manager|Saturday #3=1",
        "__Scale manager|Sunday #3=0",
        "__Scale manager|W-0 From #3=0",
        "__Scale manager|W-0 To #3=9",
        "__Scale manager|W-0 From min #3=0",
        "__Scale manager|W-0 To min #3=0",
        "__Scale manager|W-0 Cycle #3='240'",
        "__Scale manager|W-0 Unit #3='0.12'",
        "__Scale manager|W-1 From #3=9",
        "__Scale manager|W-1 To #3=24",
        "__Scale manager|W-1 From min #3=0",
        "__Scale manager|W-1 To min #3=0",
        "__Scale manager|W-1 Cycle #3='22.5'",
        "__Scale manager|W-1 Unit #3='0.2'",
        "__Scale manager|H-0 From #3=1",
        "__Scale manager|H-0 To #3=3",
        "__Scale manager|H-0 From min #3=2",
        "__Scale manager|H-0 To min #3=4",
        "__Scale manager|H-0 Cycle #3='5'",
        "__Scale manager|H-0 Unit #3='6'",
        "END",
    };
    EXPECT_EQ(recorder.writes, expected);
}

TEST(CScaleStore, PeriodNumbersAreDecimalWithoutPadding) {
    test::MemorySettingsStore memory;
    CScaleStore scales(memory);
    TariffScale scale{.id = ScaleId::User3};
    scale.holidayPeriods.resize(11, kDefaultPeriod);
    scale.holidayPeriods[10] = {23, 0, 24, 0, "36", "0.12"};
    ASSERT_TRUE(scales.SaveScale(scale));
    EXPECT_EQ(memory.ReadInt(kSection, "H-10 From #3", -1), 23);
    EXPECT_EQ(memory.ReadString(kSection, "H-10 Cycle #3", "-"), "36");
    EXPECT_EQ(scales.LoadScale(ScaleId::User3).holidayPeriods, scale.holidayPeriods);
}

// The SQLite store hands LoadScale the whole section at once; the rules stay.
TEST(CScaleStore, RoundTripThroughTheSqliteStore) {
    test::TempDir dir;
    SqliteSettingsStore sqlite((dir.path() / "store.db").string());
    CScaleStore scales(sqlite);
    TariffScale scale{.id = ScaleId::User2};
    scale.dayFlags = {false, false, true, false, false, true, false};
    scale.weekdayPeriods = {{0, 0, 9, 0, "240", "0.12"}, {9, 0, 24, 0, "abc", "0,12"}};
    scale.holidayPeriods = {{0, 0, 24, 0, "36", "0.12"}};
    ASSERT_TRUE(scales.SaveScale(scale));
    ASSERT_TRUE(scales.SaveScale(TariffScale{.id = ScaleId::User1}));
    EXPECT_EQ(scales.LoadScale(ScaleId::User2), scale);
    EXPECT_EQ(scales.LoadScale(ScaleId::User1), TariffScale{.id = ScaleId::User1});

    sqlite.WriteInt(kSection, "Weekday #2", INT_MAX);
    sqlite.WriteInt(kSection, "Holiday #2", -5);
    sqlite.WriteInt(kSection, "Wednesday #2", 2);
    const TariffScale edited = scales.LoadScale(ScaleId::User2);
    EXPECT_EQ(edited.weekdayPeriods, scale.weekdayPeriods);
    EXPECT_TRUE(edited.holidayPeriods.empty());
    EXPECT_FALSE(edited.dayFlags[kWednesday]);
}

}  // namespace
}  // namespace varnolt
