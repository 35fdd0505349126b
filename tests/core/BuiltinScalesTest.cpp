#include <gtest/gtest.h>

#include <vector>

#include "MemorySettingsStore.h"
#include "tariff/BuiltinScales.h"
#include "tariff/CScaleStore.h"

namespace varnolt {
namespace {

enum List { Weekday, Holiday };

struct Row {
    ScaleId scale;
    List list;
    std::size_t period;
    int fromHour;
    int toHour;
    const char* cycle;
};

// The published tables, row for row.
const Row kRows[] = {
    {ScaleId::City, Weekday, 0, 0, 5, "240"},
    {ScaleId::City, Weekday, 1, 5, 9, "150"},
    {ScaleId::City, Weekday, 2, 9, 18, "90"},
    {ScaleId::City, Weekday, 3, 18, 21, "150"},
    {ScaleId::City, Weekday, 4, 21, 24, "240"},
    {ScaleId::City, Holiday, 0, 0, 5, "240"},
    {ScaleId::City, Holiday, 1, 5, 21, "150"},
    {ScaleId::City, Holiday, 2, 21, 24, "240"},

    {ScaleId::Region50, Weekday, 0, 0, 2, "60"},
    {ScaleId::Region50, Weekday, 1, 2, 5, "120"},
    {ScaleId::Region50, Weekday, 2, 5, 9, "45"},
    {ScaleId::Region50, Weekday, 3, 9, 12, "26"},
    {ScaleId::Region50, Weekday, 4, 12, 18, "30"},
    {ScaleId::Region50, Weekday, 5, 18, 21, "45"},
    {ScaleId::Region50, Weekday, 6, 21, 24, "60"},
    {ScaleId::Region50, Holiday, 0, 0, 5, "60"},
    {ScaleId::Region50, Holiday, 1, 5, 21, "45"},
    {ScaleId::Region50, Holiday, 2, 21, 24, "60"},

    {ScaleId::Region200, Weekday, 0, 0, 2, "36"},
    {ScaleId::Region200, Weekday, 1, 2, 5, "120"},
    {ScaleId::Region200, Weekday, 2, 5, 9, "22.5"},
    {ScaleId::Region200, Weekday, 3, 9, 12, "13"},
    {ScaleId::Region200, Weekday, 4, 12, 18, "14"},
    {ScaleId::Region200, Weekday, 5, 18, 21, "22.5"},
    {ScaleId::Region200, Weekday, 6, 21, 24, "36"},
    {ScaleId::Region200, Holiday, 0, 0, 24, "36"},

    {ScaleId::Fern, Weekday, 0, 0, 2, "30"},
    {ScaleId::Fern, Weekday, 1, 2, 5, "120"},
    {ScaleId::Fern, Weekday, 2, 5, 9, "21.5"},
    {ScaleId::Fern, Weekday, 3, 9, 12, "12"},
    {ScaleId::Fern, Weekday, 4, 12, 18, "13.5"},
    {ScaleId::Fern, Weekday, 5, 18, 21, "21.5"},
    {ScaleId::Fern, Weekday, 6, 21, 24, "30"},
    {ScaleId::Fern, Holiday, 0, 0, 24, "36"},
};

const ScaleId kBuiltins[] = {ScaleId::City, ScaleId::Region50, ScaleId::Region200, ScaleId::Fern};

const std::vector<TariffPeriod>& ListOf(const TariffScale& scale, List list) {
    return list == Weekday ? scale.weekdayPeriods : scale.holidayPeriods;
}

TEST(BuiltinScale, EveryRowAsTabled) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(ScaleLabel(row.scale) + (row.list == Weekday ? " weekday " : " holiday ") +
                     std::to_string(row.period));
        const TariffScale scale = BuiltinScale(row.scale);
        const auto& periods = ListOf(scale, row.list);
        ASSERT_LT(row.period, periods.size());
        const TariffPeriod& p = periods[row.period];
        EXPECT_EQ(p.fromHour, row.fromHour);
        EXPECT_EQ(p.fromMinute, 0);
        EXPECT_EQ(p.toHour, row.toHour);
        EXPECT_EQ(p.toMinute, 0);
        EXPECT_EQ(p.cycle, row.cycle);
        EXPECT_EQ(p.unit, "0.12");
    }
}

TEST(BuiltinScale, NoRowsBeyondTheTablesAndWeekendFlagged) {
    for (ScaleId id : kBuiltins) {
        SCOPED_TRACE(ScaleLabel(id));
        const TariffScale scale = BuiltinScale(id);
        EXPECT_EQ(scale.id, id);
        for (List list : {Weekday, Holiday}) {
            std::size_t tabled = 0;
            for (const Row& row : kRows) {
                tabled += row.scale == id && row.list == list ? 1 : 0;
            }
            EXPECT_EQ(ListOf(scale, list).size(), tabled);
        }
        const std::array<bool, 7> weekend{false, false, false, false, false, true, true};
        EXPECT_EQ(scale.dayFlags, weekend);
    }
}

TEST(BuiltinScale, LoadScaleGivesTheTableAndIgnoresTheStore) {
    test::MemorySettingsStore memory;
    // Values a user-defined scale #1 would use must not leak into a built-in one.
    memory.WriteInt("__Scale manager", "Weekday", 1);
    memory.WriteInt("__Scale manager", "Saturday", 0);
    memory.WriteString("__Scale manager", "W-0 Cycle", "7");
    CScaleStore store(memory);
    for (ScaleId id : kBuiltins) {
        EXPECT_EQ(store.LoadScale(id), BuiltinScale(id)) << ScaleLabel(id);
    }
}

TEST(BuiltinScale, SaveScaleRefusesBuiltinScalesAndWritesNothing) {
    test::MemorySettingsStore memory;
    CScaleStore store(memory);
    for (ScaleId id : kBuiltins) {
        EXPECT_FALSE(store.SaveScale(BuiltinScale(id))) << ScaleLabel(id);
        TariffScale edited = BuiltinScale(id);
        edited.weekdayPeriods.resize(1);
        EXPECT_FALSE(store.SaveScale(edited)) << ScaleLabel(id);
    }
    EXPECT_EQ(memory.WriteCount(), 0);
}

}  // namespace
}  // namespace varnolt
