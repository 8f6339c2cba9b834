#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velomar {

/// The user's number conventions, as far as reading a field needs them. The caller fills it
/// from the user's locale; this library never consults the process locale itself.
struct NumberFormat {
    /// The decimal separator, UTF-8: "," for Hungarian, "." for English.
    std::string decimalSeparator;
};

/// Reads a field text as a decimal number.
///
/// Accepted: optional blanks (U+0020) on either side, an optional "+" or "-", then decimal
/// digits with at most one decimal separator of `format` and at least one digit ("12", "-0,5",
/// " 7 ", ",25"). Nothing else reads: no group separators, no exponent, no other separator, no
/// NaN or infinity, no text left over, and no value beyond the double range. Returns the value
/// nearest to the decimal number, or nothing when the text does not read.
[[nodiscard]] std::optional<double> readNumber(std::string_view text, const NumberFormat& format);

} // namespace velomar
