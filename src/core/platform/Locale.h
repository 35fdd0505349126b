#pragma once

#include <string>

namespace varnolt {

class Locale {
public:
    virtual ~Locale() = default;
    // The system locale's currency symbol, read afresh at every call.
    virtual std::string CurrencySymbol() const = 0;
};

}  // namespace varnolt
