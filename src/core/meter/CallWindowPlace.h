#pragma once

#include <optional>

namespace varnolt {

class SettingsStore;

// Where the call window was last, in the section "Call window" (keys "X" and
// "Y", the frame's top left corner in desktop coordinates). Whether the place
// is still on a screen is for the window to decide.
struct CallWindowPlace {
    int x = 0;
    int y = 0;

    friend bool operator==(const CallWindowPlace&, const CallWindowPlace&) = default;
};

// None until a place has been stored whole.
std::optional<CallWindowPlace> ReadCallWindowPlace(const SettingsStore& store);
// Both coordinates in one transaction.
void WriteCallWindowPlace(SettingsStore& store, const CallWindowPlace& place);

}  // namespace varnolt
