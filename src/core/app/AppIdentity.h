#pragma once

namespace varnolt {

// The company folder above every program's settings store.
constexpr const char* kCompanyKey = "Kessendral";
constexpr const char* kProgramName = "Varnolt";
// The name and edition, the sheet's caption when no call is metered.
constexpr const char* kProgramCaption = "Varnolt 0.63 NT [Beta]";

}  // namespace varnolt
