#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace varnolt {

// Number texts as the program stores and shows them, independent of the
// process locale: a point is always the decimal separator.

// Reads a decimal number the way scanf's "%f" does: blanks skipped, optional
// sign, digits with an optional point and exponent; reading stops at the first
// character that does not belong to the number. No number reads as 0.
float ScanFloat(std::string_view text);

// The value of a text that is wholly one finite decimal number as ScanFloat
// reads it (blanks around it allowed): optional sign, digits with an optional
// point, an optional exponent. None for anything else: empty, a comma, trailing
// letters, hexadecimal, "inf", "nan", a value beyond float.
std::optional<float> ScanWholeFloat(std::string_view text);

// Reads a leading decimal integer: blanks skipped, optional sign, digits, the
// rest ignored. Returns false (and leaves value alone) when there is none.
// Values beyond the int range are clamped to it.
bool ScanLeadingInt(std::string_view text, int& value);

// "%.2f": two decimals, a point, no grouping. Amounts are single precision,
// so no total is ever written as "inf" or "nan": beyond the largest finite
// single-precision value an amount shows as that value, and not-a-number as 0.
std::string FormatAmount(double amount);
// "%.2f %s": an amount and the currency symbol.
std::string AmountText(float amount, std::string_view currencySymbol);
// total + amount, stopping at the largest finite single-precision value (of
// either sign) instead of overflowing to infinity.
float AddAmounts(float total, float amount);
// "%.2i": at least two digits, zero-padded.
std::string FormatTwoDigits(int value);
// "%i": plain decimal.
std::string FormatInt(int value);

}  // namespace varnolt
