#pragma once

namespace varnolt {

// The company folder above every program's settings store.
constexpr const char* kCompanyKey = "Kessendral";
constexpr const char* kProgramCaption = "Varnolt 0.63 NT [Beta]";

}  // namespace varnolt
