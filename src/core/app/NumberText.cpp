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

// Moves i past a run of digits; whether there was one.
bool SkipDigits(std::string_view text, std::size_t& i) {
    const std::size_t start = i;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
    }
    return i > start;
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
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    bool digits = SkipDigits(text, i);
    if (i < text.size() && text[i] == '.') {
        ++i;
        digits = SkipDigits(text, i) || digits;
    }
    if (!digits) {
        return std::nullopt;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            ++i;
        }
        if (!SkipDigits(text, i)) {
            return std::nullopt;
        }
    }
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    const float value = ScanFloat(text);
    if (i != text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

bool ScanLeadingInt(std::string_view text, int& value) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
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
    constexpr double kLargest = std::numeric_limits<float>::max();
    amount = std::isnan(amount) ? 0.0 : std::clamp(amount, -kLargest, kLargest);
    char buf[64];
    auto result = std::to_chars(buf, buf + sizeof buf, amount, std::chars_format::fixed, 2);
    return std::string(buf, result.ptr);
}

float AddAmounts(float total, float amount) {
    constexpr float kLargest = std::numeric_limits<float>::max();
    const float sum = total + amount;
    return std::isnan(sum) ? 0.0f : std::clamp(sum, -kLargest, kLargest);
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
