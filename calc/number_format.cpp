#include "calc/number_format.h"

#include <charconv>
#include <system_error>

namespace velomar {

std::optional<double> readNumber(std::string_view text, const NumberFormat& format)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);

    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }

    // Rewrite the number with an ASCII point so that from_chars, which knows no locale, reads it.
    std::string plain;
    plain.reserve(text.size() + 1);
    const std::string_view separator = format.decimalSeparator;
    bool seenSeparator = false;
    bool seenDigit = false;
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            plain.push_back(c);
            seenDigit = true;
            ++i;
        } else if (!seenSeparator && !separator.empty() && text.substr(i).starts_with(separator)) {
            if (plain.empty()) {
                plain.push_back('0');
            }
            plain.push_back('.');
            seenSeparator = true;
            i += separator.size();
        } else {
            return std::nullopt;
        }
    }
    if (!seenDigit) {
        return std::nullopt;
    }

    double value = 0.0;
    const char* const end = plain.data() + plain.size();
    const auto [rest, error] = std::from_chars(plain.data(), end, value, std::chars_format::fixed);
    if (error != std::errc{} || rest != end) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

} // namespace velomar
