#pragma once

#include <string>

namespace varnolt {

class SettingsStore;

// The cost totals kept in an entry's section and in "All entries".
inline constexpr const char* kTotalCostsKey = "Total costs";
inline constexpr const char* kLastConnectKey = "Last connect";
// What a cleared log leaves in both keys; as a total it counts as none.
inline constexpr const char* kUnknownTotal = "<unknown>";

// The stored total of a section as an amount: missing or "<unknown>" is 0, as
// is a hand-edited text that reads as no finite number.
float ReadTotalCosts(const SettingsStore& store, const std::string& section);

}  // namespace varnolt
