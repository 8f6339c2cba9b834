#pragma once

#include "calc/trade_figures.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace velomar {

// What one press of "Számol" answers: the text of the box and, when one field is at fault,
// that field, to take the focus once the box is dismissed.
struct CommandReply {
    QString message;
    std::optional<TicketField> faultyField;
};

// The number conventions of a locale, as the calculation reads them.
NumberFormat numberFormat(const QLocale& locale);

// The five texts of the window as a ticket, converted to UTF-8 and otherwise untouched.
TradeTicket makeTicket(const QString& capital, const QString& entry, const QString& target,
                       const QString& stop, const QString& direction);

// Calculates the ticket by the locale's conventions and words the result or the failure.
CommandReply calculateCommand(const TradeTicket& ticket, const QLocale& locale);

} // namespace velomar
