#include "ui/calculate_command.h"

#include "calc/result_message.h"

namespace velomar {

NumberFormat numberFormat(const QLocale& locale)
{
    return NumberFormat{locale.decimalPoint().toStdString()};
}

TradeTicket makeTicket(const QString& capital, const QString& entry, const QString& target,
                       const QString& stop, const QString& direction)
{
    return TradeTicket{capital.toStdString(), entry.toStdString(), target.toStdString(),
                       stop.toStdString(), direction.toStdString()};
}

CommandReply calculateCommand(const TradeTicket& ticket, const QLocale& locale)
{
    const auto outcome = calculateTrade(ticket, numberFormat(locale));
    if (!outcome) {
        return {QString::fromStdString(composeFailureMessage(outcome.error())),
                outcome.error().field};
    }
    return {QString::fromStdString(composeResultMessage(*outcome)), std::nullopt};
}

} // namespace velomar
