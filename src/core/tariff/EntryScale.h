#pragma once

#include <string>
#include <string_view>

#include "platform/SettingsStore.h"

namespace varnolt {

// The scale identifier a stored "Scale" value stands for: the old value
// "Userdefined" is the first user-defined scale (it is not rewritten in the
// store); any other text stands as it is, known or not.
std::string ResolveScaleIdentifier(std::string_view stored);

// The scale of a phonebook entry: its "Scale" value, "Deutsche Telekom City"
// when it has none. Read afresh at every call.
std::string ResolveEntryScale(const SettingsStore& store, const std::string& entryName);

}  // namespace varnolt
