#pragma once

#include <atomic>
#include <string>

#include "platform/Locale.h"

namespace varnolt::test {

// A locale with a settable currency symbol that counts how often it is read.
class FixedLocale final : public Locale {
public:
    explicit FixedLocale(std::string symbol = "EUR") : m_symbol(std::move(symbol)) {}

    std::string CurrencySymbol() const override {
        ++m_reads;
        return m_symbol;
    }
    void SetSymbol(std::string symbol) { m_symbol = std::move(symbol); }
    int Reads() const { return m_reads; }

private:
    std::string m_symbol;
    mutable std::atomic<int> m_reads{0};
};

}  // namespace varnolt::test
