#include "calc/result_message.h"

#include "calc/rounding.h"

#include <array>
#include <charconv>
#include <cmath>

namespace velomar {

namespace {

// Below this magnitude every whole double has at most 15 digits and is written in full.
constexpr double kPlainDigitsLimit = 1e15;
constexpr int kSignificantDigits = 15;

std::string scientificFigure(double figure)
{
    // "-d.dddddddddddddde+NN": a sign, 15 significant digits and the decimal exponent.
    std::array<char, 32> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), figure,
                                       std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view text(buffer.data(), written.ptr);
    const auto exponentAt = text.find('e');

    std::string digits;
    for (const char c : text.substr(0, exponentAt)) {
        if (c >= '0' && c <= '9') {
            digits.push_back(c);
        }
    }
    int exponent = 0;
    const std::string_view exponentText = text.substr(exponentAt + 2); // skips "e+"
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);

    const auto lastNonZero = digits.find_last_not_of('0');
    digits.resize(lastNonZero + 1);
    exponent -= static_cast<int>(digits.size()) - 1;

    std::string result = figure < 0.0 ? "-" : "";
    result += digits;
    result += "E+";
    result += std::to_string(exponent);
    return result;
}

} // namespace

std::string_view fieldName(TicketField field) noexcept
{
    switch (field) {
    case TicketField::Capital:
        return "Szabad tőke";
    case TicketField::Entry:
        return "Belépési pont";
    case TicketField::Target:
        return "Cél árfolyam";
    case TicketField::Stop:
        return "Stop-Loss";
    case TicketField::Direction:
        return "Kereskedés iránya";
    }
    return {};
}

std::string formatFigure(std::optional<double> figure)
{
    if (!figure || !std::isfinite(*figure)) {
        return {};
    }
    if (*figure == 0.0) {
        return "0"; // also for negative zero
    }
    if (std::fabs(*figure) >= kPlainDigitsLimit) {
        return scientificFigure(*figure);
    }
    // Below 10^15 a whole double is exactly an integer of at most 15 digits, and integer
    // conversion is much faster than the floating-point one.
    std::array<char, 24> buffer{};
    const auto whole = static_cast<long long>(roundHalfEven(*figure));
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), whole);
    return {buffer.data(), written.ptr};
}

std::string composeResultMessage(const CalculationOutcome& outcome)
{
    if (std::holds_alternative<MissingInput>(outcome)) {
        return std::string(kMissingInputMessage);
    }
    const auto& figures = std::get<TradeFigures>(outcome);
    const std::string rewardMultiple = formatFigure(figures.rewardMultiple);
    const std::string positionSize = formatFigure(figures.positionSize);
    std::string message;
    message.reserve(kRiskRewardPrefix.size() + rewardMultiple.size() + kLineBreak.size() +
                    kPositionSizePrefix.size() + positionSize.size());
    message += kRiskRewardPrefix;
    message += rewardMultiple;
    message += kLineBreak;
    message += kPositionSizePrefix;
    message += positionSize;
    return message;
}

std::string composeFailureMessage(const CalculationFailure& failure)
{
    switch (failure.kind) {
    case CalculationFailure::Kind::NotANumber: {
        std::string message(kNotANumberPrefix);
        message += fieldName(failure.field.value_or(TicketField::Capital));
        message += kNotANumberSuffix;
        return message;
    }
    case CalculationFailure::Kind::EntryEqualsStop:
        return std::string(kEntryEqualsStopMessage);
    case CalculationFailure::Kind::OutOfRange:
        return std::string(kOutOfRangeMessage);
    }
    return std::string(kOutOfRangeMessage);
}

} // namespace velomar
