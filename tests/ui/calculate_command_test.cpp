#include "calc/result_message.h"
#include "ui/calculate_command.h"

#include <QTest>

namespace velomar {

// The command's own work, apart from the window: the locale's separator, the UTF-8 ticket, the
// message kept with its carriage return, and the failures the window's eleven characters
// cannot reach.
class CalculateCommandTest : public QObject
{
    Q_OBJECT

private slots:
    void separatorComesFromTheLocale_data();
    void separatorComesFromTheLocale();
    void ticketIsUtf8AndUntouched();
    void messageKeepsTheLoneCarriageReturn();
    void outOfRangeIsReportedWithoutAField();
};

void CalculateCommandTest::separatorComesFromTheLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("separator");
    QTest::newRow("hu_HU") << QLocale(QLocale::Hungarian, QLocale::Hungary) << ",";
    QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates) << ".";
    QTest::newRow("en_GB") << QLocale(QLocale::English, QLocale::UnitedKingdom) << ".";
    QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany) << ",";
}

void CalculateCommandTest::separatorComesFromTheLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, separator);
    QCOMPARE(QString::fromStdString(numberFormat(locale).decimalSeparator), separator);

    const TradeTicket ticket = makeTicket("2" + separator + "5", "15620", "15700", "15580", "Long");
    const CommandReply reply = calculateCommand(ticket, locale);
    QVERIFY(reply.message.endsWith(QStringLiteral(": 6")));
    QVERIFY(!reply.faultyField);
}

void CalculateCommandTest::ticketIsUtf8AndUntouched()
{
    const TradeTicket ticket =
        makeTicket(QStringLiteral(" ő "), QStringLiteral("€"), QStringLiteral(""),
                   QStringLiteral("\t"), QStringLiteral("Long "));
    QCOMPARE(ticket.capitalText, std::string(" \xC5\x91 "));
    QCOMPARE(ticket.entryText, std::string("\xE2\x82\xAC"));
    QCOMPARE(ticket.targetText, std::string());
    QCOMPARE(ticket.stopText, std::string("\t"));
    QCOMPARE(ticket.directionText, std::string("Long "));
}

void CalculateCommandTest::messageKeepsTheLoneCarriageReturn()
{
    const CommandReply reply =
        calculateCommand(makeTicket("5", "15620", "15700", "15580", "Long"), QLocale::c());
    QCOMPARE(reply.message.toStdString(), composeResultMessage(TradeFigures{2.0, 12.0}));
    QCOMPARE(reply.message.count(QLatin1Char('\r')), 1);
    QVERIFY(!reply.message.contains(QLatin1Char('\n')));
}

void CalculateCommandTest::outOfRangeIsReportedWithoutAField()
{
    const QString huge = QStringLiteral("1") + QString(307, QLatin1Char('0'));
    const CommandReply reply =
        calculateCommand(makeTicket(huge, "15620", "15700", "15580", "Short"), QLocale::c());
    QCOMPARE(reply.message, QStringLiteral("Az eredmény túl nagy, nem számolható ki"));
    QVERIFY(!reply.faultyField);

    const CommandReply notANumber =
        calculateCommand(makeTicket("5", "15620", "x", "15580", "Short"), QLocale::c());
    QCOMPARE(notANumber.faultyField, std::optional(TicketField::Target));
}

} // namespace velomar

QTEST_APPLESS_MAIN(velomar::CalculateCommandTest)
#include "calculate_command_test.moc"
