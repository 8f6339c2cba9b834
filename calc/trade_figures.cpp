#include "calc/trade_figures.h"

#include "calc/rounding.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <utility>

namespace velomar {

namespace {

using Failure = CalculationFailure::Kind;

std::unexpected<CalculationFailure> fail(Failure kind, std::optional<TicketField> field = {})
{
    return std::unexpected(CalculationFailure{kind, field});
}

bool anyEmpty(const TradeTicket& ticket)
{
    return ticket.capitalText.empty() || ticket.entryText.empty() || ticket.targetText.empty() ||
           ticket.stopText.empty() || ticket.directionText.empty();
}

} // namespace

TradeDirection parseDirection(std::string_view directionText) noexcept
{
    if (directionText == "Long") {
        return TradeDirection::Long;
    }
    if (directionText == "Short") {
        return TradeDirection::Short;
    }
    return TradeDirection::Unrecognised;
}

std::expected<CalculationOutcome, CalculationFailure> calculateTrade(const TradeTicket& ticket,
                                                                     const NumberFormat& format)
{
    if (anyEmpty(ticket)) {
        return MissingInput{};
    }
    const TradeDirection direction = parseDirection(ticket.directionText);
    if (direction == TradeDirection::Unrecognised) {
        return TradeFigures{};
    }

    // Read in field order, so that the first field that is not a number is the one reported.
    const std::array<std::pair<const std::string*, TicketField>, 4> fields{{
        {&ticket.capitalText, TicketField::Capital},
        {&ticket.entryText, TicketField::Entry},
        {&ticket.targetText, TicketField::Target},
        {&ticket.stopText, TicketField::Stop},
    }};
    std::array<double, 4> numbers{};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const auto number = readNumber(*fields[i].first, format);
        if (!number) {
            return fail(Failure::NotANumber, fields[i].second);
        }
        numbers[i] = *number;
    }
    const auto [capital, entry, target, stop] = numbers;

    const bool isLong = direction == TradeDirection::Long;
    const double reward = isLong ? target - entry : entry - target;
    const double risk = isLong ? entry - stop : stop - entry;
    if (!std::isfinite(reward) || !std::isfinite(risk)) {
        return fail(Failure::OutOfRange);
    }
    // With gradual underflow a difference of two doubles is zero only when they are equal.
    if (risk == 0.0) {
        return fail(Failure::EntryEqualsStop);
    }
    const double stake = capital * 100.0;
    if (!std::isfinite(stake)) {
        return fail(Failure::OutOfRange);
    }
    const double rewardMultiple = reward / risk;
    const double positionSize = stake / risk;
    if (!std::isfinite(rewardMultiple) || !std::isfinite(positionSize)) {
        return fail(Failure::OutOfRange);
    }
    return TradeFigures{roundHalfEven(rewardMultiple), roundHalfEven(positionSize)};
}

} // namespace velomar
