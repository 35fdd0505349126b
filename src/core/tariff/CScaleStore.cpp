#include "tariff/CScaleStore.h"

#include <algorithm>
#include <climits>
#include <iterator>
#include <tuple>

#include "app/NumberText.h"
#include "app/SectionReader.h"
#include "app/StoredList.h"
#include "platform/StoreTransaction.h"
#include "tariff/BuiltinScales.h"

namespace varnolt {
namespace {

const std::string kSection = "__Scale manager";

constexpr const char* kDayKeys[] = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                    "Friday", "Saturday", "Sunday"};
static_assert(std::size(kDayKeys) == std::tuple_size_v<decltype(TariffScale::dayFlags)>);

// The six values of a period, named "W-<i> <field>" or "H-<i> <field>".
constexpr const char* kFrom = "From";
constexpr const char* kFromMin = "From min";
constexpr const char* kTo = "To";
constexpr const char* kToMin = "To min";
constexpr const char* kCycle = "Cycle";
constexpr const char* kUnit = "Unit";
constexpr const char* kPeriodFields[] = {kFrom, kFromMin, kTo, kToMin, kCycle, kUnit};

// The count key holds an int; a list cannot be longer than that.
int ListCount(const std::vector<TariffPeriod>& periods) {
    return static_cast<int>(std::min<std::size_t>(periods.size(), INT_MAX));
}

// The suffix goes after the whole name: "W-0 From min #2".
std::string PeriodKey(char list, int index, const char* field, const std::string& suffix) {
    std::string key(1, list);
    key += '-';
    key += FormatInt(index);
    key += ' ';
    key += field;
    key += suffix;
    return key;
}

std::vector<TariffPeriod> LoadPeriods(const SettingsStore& store, const SectionReader& section,
                                      char list, const std::string& countKey,
                                      const std::string& suffix) {
    std::vector<StoredList::KeyPattern> keys;
    for (const char* field : kPeriodFields) {
        keys.push_back({std::string{list, '-'}, std::string(" ") + field + suffix});
    }
    // Numbered from 0, unlike the program's other lists.
    const StoredList numbered = StoredList::InSection(kSection, std::move(keys), 0);
    const int length = numbered.Length(store, section.ReadInt(countKey + suffix, 0));

    // Only the stored periods, from one pass: a hand-edited count costs nothing.
    std::vector<TariffPeriod> periods;
    for (const StoredList::Item& item : numbered.ReadItems(store, length)) {
        periods.push_back({.fromHour = item.Int(0, 0),
                           .fromMinute = item.Int(1, 0),
                           .toHour = item.Int(2, 0),
                           .toMinute = item.Int(3, 0),
                           .cycle = item.Text(4, "0"),
                           .unit = item.Text(5, "0")});
    }
    return periods;
}

}  // namespace

TariffScale CScaleStore::LoadScale(ScaleId id) const {
    if (IsBuiltin(id)) {
        return BuiltinScale(id);
    }
    const std::string suffix = KeySuffix(id);
    // One pass over the section where the store allows it: a long list would
    // otherwise cost seven reads per period, on every tick of a call.
    const SectionReader section(m_store, kSection);
    TariffScale scale{.id = id};
    for (std::size_t day = 0; day < scale.dayFlags.size(); ++day) {
        // Saturday and Sunday default to set; only a stored 1 counts as set.
        const int def = day >= kSaturday ? 1 : 0;
        scale.dayFlags[day] = section.ReadInt(kDayKeys[day] + suffix, def) == 1;
    }
    scale.weekdayPeriods = LoadPeriods(m_store, section, 'W', "Weekday", suffix);
    scale.holidayPeriods = LoadPeriods(m_store, section, 'H', "Holiday", suffix);
    return scale;
}

bool CScaleStore::SaveScale(const TariffScale& scale) {
    if (IsBuiltin(scale.id)) {
        return false;
    }
    const std::string suffix = KeySuffix(scale.id);
    // All or nothing: a count must never promise periods that were not written.
    StoreTransaction transaction(m_store);
    m_store.WriteInt(kSection, "Weekday" + suffix, ListCount(scale.weekdayPeriods));
    m_store.WriteInt(kSection, "Holiday" + suffix, ListCount(scale.holidayPeriods));
    for (std::size_t day = 0; day < scale.dayFlags.size(); ++day) {
        m_store.WriteInt(kSection, kDayKeys[day] + suffix, scale.dayFlags[day] ? 1 : 0);
    }
    SavePeriods('W', scale.weekdayPeriods, suffix);
    SavePeriods('H', scale.holidayPeriods, suffix);
    return true;
}

void CScaleStore::SavePeriods(char list, const std::vector<TariffPeriod>& periods,
                              const std::string& suffix) {
    const int count = ListCount(periods);
    for (int index = 0; index < count; ++index) {
        const TariffPeriod& period = periods[static_cast<std::size_t>(index)];
        // From, To, From min, To min: the order the keys have always been written in.
        m_store.WriteInt(kSection, PeriodKey(list, index, kFrom, suffix), period.fromHour);
        m_store.WriteInt(kSection, PeriodKey(list, index, kTo, suffix), period.toHour);
        m_store.WriteInt(kSection, PeriodKey(list, index, kFromMin, suffix), period.fromMinute);
        m_store.WriteInt(kSection, PeriodKey(list, index, kToMin, suffix), period.toMinute);
        m_store.WriteString(kSection, PeriodKey(list, index, kCycle, suffix), period.cycle);
        m_store.WriteString(kSection, PeriodKey(list, index, kUnit, suffix), period.unit);
    }
}

}  // namespace varnolt
