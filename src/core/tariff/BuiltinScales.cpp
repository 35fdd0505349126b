#include "tariff/BuiltinScales.h"

#include <array>
#include <span>

namespace varnolt {
namespace {

// Rows of the tables; every built-in period starts and ends on a full hour.
struct Row {
    int fromHour;
    int toHour;
    const char* cycle;
};

constexpr const char* kBuiltinUnit = "0.12";

constexpr Row kCityWeekday[] = {
    {0, 5, "240"}, {5, 9, "150"}, {9, 18, "90"}, {18, 21, "150"}, {21, 24, "240"},
};
constexpr Row kCityHoliday[] = {
    {0, 5, "240"},
    {5, 21, "150"},
    {21, 24, "240"},
};

constexpr Row kRegion50Weekday[] = {
    {0, 2, "60"},   {2, 5, "120"},  {5, 9, "45"},   {9, 12, "26"},
    {12, 18, "30"}, {18, 21, "45"}, {21, 24, "60"},
};
constexpr Row kRegion50Holiday[] = {
    {0, 5, "60"},
    {5, 21, "45"},
    {21, 24, "60"},
};

constexpr Row kRegion200Weekday[] = {
    {0, 2, "36"},   {2, 5, "120"},    {5, 9, "22.5"}, {9, 12, "13"},
    {12, 18, "14"}, {18, 21, "22.5"}, {21, 24, "36"},
};
constexpr Row kRegion200Holiday[] = {
    {0, 24, "36"},
};

constexpr Row kFernWeekday[] = {
    {0, 2, "30"},     {2, 5, "120"},    {5, 9, "21.5"}, {9, 12, "12"},
    {12, 18, "13.5"}, {18, 21, "21.5"}, {21, 24, "30"},
};
constexpr Row kFernHoliday[] = {
    {0, 24, "36"},
};

std::vector<TariffPeriod> Periods(std::span<const Row> rows) {
    std::vector<TariffPeriod> periods;
    periods.reserve(rows.size());
    for (const Row& row : rows) {
        periods.push_back({row.fromHour, 0, row.toHour, 0, row.cycle, kBuiltinUnit});
    }
    return periods;
}

TariffScale Make(ScaleId id, std::span<const Row> weekday, std::span<const Row> holiday) {
    TariffScale scale{.id = id};
    scale.weekdayPeriods = Periods(weekday);
    scale.holidayPeriods = Periods(holiday);
    return scale;
}

}  // namespace

const TariffScale& BuiltinScale(ScaleId id) {
    static const std::array<TariffScale, kAllScales.size()> kScales = [] {
        std::array<TariffScale, kAllScales.size()> scales;
        for (ScaleId scale : kAllScales) {
            scales[static_cast<std::size_t>(scale)] = TariffScale{.id = scale};
        }
        scales[static_cast<std::size_t>(ScaleId::City)] =
            Make(ScaleId::City, kCityWeekday, kCityHoliday);
        scales[static_cast<std::size_t>(ScaleId::Region50)] =
            Make(ScaleId::Region50, kRegion50Weekday, kRegion50Holiday);
        scales[static_cast<std::size_t>(ScaleId::Region200)] =
            Make(ScaleId::Region200, kRegion200Weekday, kRegion200Holiday);
        scales[static_cast<std::size_t>(ScaleId::Fern)] =
            Make(ScaleId::Fern, kFernWeekday, kFernHoliday);
        return scales;
    }();
    return kScales[static_cast<std::size_t>(id)];
}

}  // namespace varnolt
