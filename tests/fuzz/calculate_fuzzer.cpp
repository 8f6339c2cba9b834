// Splits the input at NUL bytes into the five field texts and a decimal separator, calculates
// the ticket and words the outcome, and checks what the calculation promises of any input.

#include "calc/result_message.h"
#include "calc/rounding.h"
#include "calc/trade_figures.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace velomar;

[[noreturn]] void broken(const char* what)
{
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

void require(bool condition, const char* what)
{
    if (!condition) {
        broken(what);
    }
}

bool isDigits(std::string_view text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// A figure as formatFigure promises to write it: "0", or an optional "-" and digits without a
// leading zero, at most 15 of them below 10^15; from 10^15 on, at most 15 significant digits
// without a trailing zero, "E+" and the power of ten.
void checkFigureText(std::string_view text, double figure)
{
    require(std::isfinite(figure), "figure is finite");
    require(roundHalfEven(figure) == figure, "figure is whole");
    if (figure == 0.0) {
        require(text == "0", "zero is written 0");
        return;
    }
    std::string_view magnitude = text;
    if (figure < 0.0) {
        require(magnitude.starts_with('-'), "negative figure has a minus");
        magnitude.remove_prefix(1);
    }
    const auto e = magnitude.find("E+");
    if (std::fabs(figure) < 1e15) {
        require(e == std::string_view::npos, "small figure has no exponent");
        require(isDigits(magnitude) && magnitude.front() != '0' && magnitude.size() <= 15,
                "small figure is plain digits");
        require(std::stod(std::string(text)) == figure, "plain digits are exact");
        return;
    }
    require(e != std::string_view::npos, "huge figure has an exponent");
    const std::string_view mantissa = magnitude.substr(0, e);
    const std::string_view exponent = magnitude.substr(e + 2);
    require(isDigits(mantissa) && mantissa.front() != '0' && mantissa.back() != '0' &&
                mantissa.size() <= 15,
            "huge figure's digits");
    require(isDigits(exponent) && exponent.front() != '0', "huge figure's exponent");
    const double read = std::stod(std::string(mantissa) + "e" + std::string(exponent));
    require(std::fabs(read - std::fabs(figure)) <= std::fabs(figure) * 1e-14,
            "huge figure's value");
}

// The message is "<prefix><figure>\r<prefix><figure>" with nothing else around.
void checkFiguresMessage(const std::string& message, const TradeFigures& figures)
{
    std::string_view rest = message;
    require(rest.starts_with(kRiskRewardPrefix), "first prefix");
    rest.remove_prefix(kRiskRewardPrefix.size());
    const auto lineBreak = rest.find(kLineBreak);
    require(lineBreak != std::string_view::npos, "line break");
    const std::string_view first = rest.substr(0, lineBreak);
    rest.remove_prefix(lineBreak + kLineBreak.size());
    require(rest.starts_with(kPositionSizePrefix), "second prefix");
    rest.remove_prefix(kPositionSizePrefix.size());
    require(rest.find('\r') == std::string_view::npos && rest.find('\n') == std::string_view::npos,
            "one lone carriage return");

    require(figures.rewardMultiple.has_value() == figures.positionSize.has_value(),
            "figures come together");
    if (!figures.rewardMultiple) {
        require(first.empty() && rest.empty(), "absent figures write nothing");
        return;
    }
    checkFigureText(first, *figures.rewardMultiple);
    checkFigureText(rest, *figures.positionSize);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (parts.size() < 5) {
        const auto end = input.find('\0', start);
        parts.emplace_back(input.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) {
            start = input.size();
            break;
        }
        start = end + 1;
    }
    parts.resize(5);
    const NumberFormat format{start < input.size() ? std::string(input.substr(start)) : ","};
    const TradeTicket ticket{parts[0], parts[1], parts[2], parts[3], parts[4]};

    const bool anyEmpty = ticket.capitalText.empty() || ticket.entryText.empty() ||
                          ticket.targetText.empty() || ticket.stopText.empty() ||
                          ticket.directionText.empty();
    const bool recognised = parseDirection(ticket.directionText) != TradeDirection::Unrecognised;

    const auto result = calculateTrade(ticket, format);
    if (result) {
        const std::string message = composeResultMessage(*result);
        if (std::holds_alternative<MissingInput>(*result)) {
            require(anyEmpty, "missing input only when a field is empty");
            require(message == kMissingInputMessage, "missing-input message");
        } else {
            require(!anyEmpty, "figures only when every field is filled");
            const auto& figures = std::get<TradeFigures>(*result);
            require(figures.rewardMultiple.has_value() == recognised,
                    "figures exactly for a recognised direction");
            checkFiguresMessage(message, figures);
        }
        return 0;
    }

    const CalculationFailure& failure = result.error();
    require(!anyEmpty && recognised, "failures only after the filled and direction checks");
    require(!composeFailureMessage(failure).empty(), "failure message");
    using Kind = CalculationFailure::Kind;
    switch (failure.kind) {
    case Kind::NotANumber: {
        require(failure.field.has_value(), "unreadable field is named");
        const std::string* texts[] = {&ticket.capitalText, &ticket.entryText, &ticket.targetText,
                                      &ticket.stopText};
        const auto index = static_cast<std::size_t>(*failure.field);
        require(index < 4, "unreadable field is a number field");
        require(!readNumber(*texts[index], format), "the named field does not read");
        for (std::size_t i = 0; i < index; ++i) {
            require(readNumber(*texts[i], format).has_value(), "the first unreadable is named");
        }
        break;
    }
    case Kind::EntryEqualsStop:
        require(!failure.field, "no field for equal prices");
        require(*readNumber(ticket.entryText, format) == *readNumber(ticket.stopText, format),
                "entry equals stop");
        break;
    case Kind::OutOfRange:
        require(!failure.field, "no field for out of range");
        break;
    default:
        broken("undocumented failure kind");
    }
    return 0;
}
