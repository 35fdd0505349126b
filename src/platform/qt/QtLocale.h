#pragma once

#include "platform/Locale.h"

namespace varnolt {

class QtLocale final : public Locale {
public:
    // The system locale's symbol; "EUR" where the locale defines none (the C locale).
    std::string CurrencySymbol() const override;
};

}  // namespace varnolt
