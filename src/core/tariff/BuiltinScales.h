#pragma once

#include "tariff/TariffScale.h"

namespace varnolt {

// The constant table of a built-in scale: Saturday and Sunday flagged, every
// period on full hours at a unit of "0.12". For a user-defined id the result is
// that scale as it is before it was ever saved (no periods).
// The tables are built once and live for the whole program.
const TariffScale& BuiltinScale(ScaleId id);

}  // namespace varnolt
