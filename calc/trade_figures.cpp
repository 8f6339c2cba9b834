#include "calc/trade_figures.h"

#include "calc/rounding.h"

#include <cmath>

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

    const auto capital = readNumber(ticket.capitalText, format);
    if (!capital) {
        return fail(Failure::NotANumber, TicketField::Capital);
    }
    const auto entry = readNumber(ticket.entryText, format);
    if (!entry) {
        return fail(Failure::NotANumber, TicketField::Entry);
    }
    const auto target = readNumber(ticket.targetText, format);
    if (!target) {
        return fail(Failure::NotANumber, TicketField::Target);
    }
    const auto stop = readNumber(ticket.stopText, format);
    if (!stop) {
        return fail(Failure::NotANumber, TicketField::Stop);
    }

    const bool isLong = direction == TradeDirection::Long;
    const double reward = isLong ? *target - *entry : *entry - *target;
    const double risk = isLong ? *entry - *stop : *stop - *entry;
    if (!std::isfinite(reward) || !std::isfinite(risk)) {
        return fail(Failure::OutOfRange);
    }
    // With gradual underflow a difference of two doubles is zero only when they are equal.
    if (risk == 0.0) {
        return fail(Failure::EntryEqualsStop);
    }
    const double stake = *capital * 100.0;
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
