#include "meter/CallWindowPlace.h"

#include <climits>

#include "platform/StoreTransaction.h"

namespace varnolt {
namespace {

constexpr const char* kSection = "Call window";
constexpr const char* kX = "X";
constexpr const char* kY = "Y";
// Never a coordinate a window has; marks a value that is missing.
constexpr int kMissing = INT_MIN;

}  // namespace

std::optional<CallWindowPlace> ReadCallWindowPlace(const SettingsStore& store) {
    const int x = store.ReadInt(kSection, kX, kMissing);
    const int y = store.ReadInt(kSection, kY, kMissing);
    if (x == kMissing || y == kMissing) {
        return std::nullopt;
    }
    return CallWindowPlace{x, y};
}

void WriteCallWindowPlace(SettingsStore& store, const CallWindowPlace& place) {
    StoreTransaction transaction(store);
    store.WriteInt(kSection, kX, place.x);
    store.WriteInt(kSection, kY, place.y);
}

}  // namespace varnolt
