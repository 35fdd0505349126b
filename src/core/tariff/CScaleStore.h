#pragma once

#include <string>
#include <vector>

#include "platform/SettingsStore.h"
#include "tariff/TariffScale.h"

namespace varnolt {

// Reads and writes the user-defined scales in the section "__Scale manager".
// Nothing is cached: every load reads the store afresh, so the meter sees a
// scale the moment the Scale manager has saved it.
class CScaleStore {
public:
    explicit CScaleStore(SettingsStore& store) : m_store(store) {}

    // The built-in table, or the stored user-defined scale with every missing
    // value at its default. Never fails.
    TariffScale LoadScale(ScaleId id) const;

    // Writes a user-defined scale as given (no validation). Keys of periods
    // beyond the new counts are left in place. Refuses a built-in scale:
    // returns false and writes nothing.
    bool SaveScale(const TariffScale& scale);

private:
    void SavePeriods(char list, const std::vector<TariffPeriod>& periods,
                     const std::string& suffix);

    SettingsStore& m_store;
};

}  // namespace varnolt
