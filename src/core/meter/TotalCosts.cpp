#include "meter/TotalCosts.h"

#include <cmath>
#include <limits>

#include "app/NumberText.h"
#include "platform/SettingsStore.h"

namespace varnolt {

float ReadTotalCosts(const SettingsStore& store, const std::string& section) {
    const std::string text = store.ReadString(section, kTotalCostsKey, "0");
    const float total = text == kUnknownTotal ? 0.0f : ScanFloat(text);
    return std::isfinite(total) ? total : 0.0f;
}

float AddAmounts(float total, float amount) {
    const float sum = total + amount;
    if (std::isnan(sum)) {
        return std::isfinite(total) ? total : 0.0f;
    }
    if (std::isinf(sum)) {
        return std::copysign(std::numeric_limits<float>::max(), sum);
    }
    return sum;
}

}  // namespace varnolt
