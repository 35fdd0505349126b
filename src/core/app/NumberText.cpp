#include "NumberText.h"

#include <locale.h>
#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace varnolt {
namespace {

bool IsBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Moves i past a run of characters that fit; whether there was one.
bool SkipRun(std::string_view text, std::size_t& i, bool (*fits)(char)) {
    const std::size_t start = i;
    while (i < text.size() && fits(text[i])) {
        ++i;
    }
    return i > start;
}

// Moves i past one of chars when it stands there; whether it did.
bool SkipOneOf(std::string_view text, std::size_t& i, std::string_view chars) {
    if (i < text.size() && chars.find(text[i]) != std::string_view::npos) {
        ++i;
        return true;
    }
    return false;
}

// NaN as 0, anything beyond the largest finite float as that value.
double WithinFloat(double value) {
    constexpr double kLargest = std::numeric_limits<float>::max();
    return std::isnan(value) ? 0.0 : std::clamp(value, -kLargest, kLargest);
}

locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

}  // namespace

float ScanFloat(std::string_view text) {
    // strtof needs a terminated string; the C locale keeps the point.
    const std::string copy(text);
    return strtof_l(copy.c_str(), nullptr, CLocale());
}

std::optional<float> ScanWholeFloat(std::string_view text) {
    // Checked by hand: strtof alone would also take hexadecimal, "inf" and "nan".
    std::size_t i = 0;
    SkipRun(text, i, IsBlank);
    SkipOneOf(text, i, "+-");
    bool digits = SkipRun(text, i, IsDigit);
    if (SkipOneOf(text, i, ".")) {
        digits = SkipRun(text, i, IsDigit) || digits;
    }
    if (!digits) {
        return std::nullopt;
    }
    if (SkipOneOf(text, i, "eE")) {
        SkipOneOf(text, i, "+-");
        if (!SkipRun(text, i, IsDigit)) {
            return std::nullopt;
        }
    }
    SkipRun(text, i, IsBlank);
    const float value = ScanFloat(text);
    if (i != text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

bool ScanLeadingInt(std::string_view text, int& value) {
    std::size_t i = 0;
    SkipRun(text, i, IsBlank);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i >= text.size() || !IsDigit(text[i])) {
        return false;
    }
    long long magnitude = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        if (magnitude <= static_cast<long long>(INT_MAX) + 1) {
            magnitude = magnitude * 10 + (text[i] - '0');
        }
    }
    long long signedValue = negative ? -magnitude : magnitude;
    if (signedValue > INT_MAX) {
        signedValue = INT_MAX;
    } else if (signedValue < INT_MIN) {
        signedValue = INT_MIN;
    }
    value = static_cast<int>(signedValue);
    return true;
}

std::string FormatAmount(double amount) {
    amount = WithinFloat(amount);
    char buf[64];
    auto result = std::to_chars(buf, buf + sizeof buf, amount, std::chars_format::fixed, 2);
    return std::string(buf, result.ptr);
}

std::string AmountText(float amount, std::string_view currencySymbol) {
    std::string text = FormatAmount(amount);
    text.append(" ").append(currencySymbol);
    return text;
}

float AddAmounts(float total, float amount) {
    // Added in float, as totals are kept; an overflow to infinity is clamped.
    return static_cast<float>(WithinFloat(total + amount));
}

std::string FormatTwoDigits(int value) {
    const long long magnitude = value < 0 ? -static_cast<long long>(value) : value;
    char buf[24];
    std::string digits(buf, std::to_chars(buf, buf + sizeof buf, magnitude).ptr);
    if (digits.size() < 2) {
        digits.insert(0, 2 - digits.size(), '0');
    }
    return value < 0 ? "-" + digits : digits;
}

std::string FormatInt(int value) {
    char buf[16];
    auto result = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, result.ptr);
}

}  // namespace varnolt
