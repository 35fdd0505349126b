#include "meter/TotalCosts.h"

#include <cmath>

#include "app/NumberText.h"
#include "platform/SettingsStore.h"

namespace varnolt {

float ReadTotalCosts(const SettingsStore& store, const std::string& section) {
    const std::string text = store.ReadString(section, kTotalCostsKey, "0");
    const float total = text == kUnknownTotal ? 0.0f : ScanFloat(text);
    return std::isfinite(total) ? total : 0.0f;
}

}  // namespace varnolt
