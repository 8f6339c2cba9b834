#include "calc/trade_figures.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace velomar {

// Found by argument-dependent lookup, so it lives in the type's own namespace.
void PrintTo(const TradeTicket& t, std::ostream* os);
void PrintTo(const TradeTicket& t, std::ostream* os)
{
    *os << '{' << t.capitalText << '|' << t.entryText << '|' << t.targetText << '|' << t.stopText
        << '|' << t.directionText << '}';
}

namespace {

const NumberFormat kHungarian{","};
const NumberFormat kEnglish{"."};

// The window's default values.
TradeTicket defaultTicket()
{
    return {"5", "15620", "15700", "15580", "Long"};
}

// --- Figures -------------------------------------------------------------------------------

struct FiguresCase {
    const char* name;
    TradeTicket ticket;
    TradeFigures expected;
};

void PrintTo(const FiguresCase& c, std::ostream* os)
{
    *os << c.name;
}

class Figures : public testing::TestWithParam<FiguresCase>
{
};

TEST_P(Figures, AreComputedAndRoundedHalfToEven)
{
    const auto& c = GetParam();
    const auto result = calculateTrade(c.ticket, kHungarian);
    ASSERT_TRUE(result.has_value());
    ASSERT_TRUE(std::holds_alternative<TradeFigures>(*result));
    EXPECT_EQ(std::get<TradeFigures>(*result), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Trades, Figures,
    testing::Values(
        // 80 / 40 = 2 and 500 / 40 = 12.5, which goes to 12.
        FiguresCase{"DefaultLong", defaultTicket(), {2.0, 12.0}},
        // 40 / 80 = 0.5 goes to 0; 500 / 80 = 6.25 gives 6.
        FiguresCase{"ShortSwapped", {"5", "15620", "15580", "15700", "Short"}, {0.0, 6.0}},
        // Target 120 below the entry, stop 60 above: 2, and 500 / 60 = 8.33 gives 8.
        FiguresCase{"ShortProper", {"5", "15620", "15500", "15680", "Short"}, {2.0, 8.0}},
        // Long-shaped prices traded short: 500 / -40 = -12.5 goes to -12.
        FiguresCase{"ShortOnLongPrices", {"5", "15620", "15700", "15580", "Short"}, {2.0, -12.0}},
        // A target on the wrong side gives a negative multiple: -40 / 16 = -2.5 goes to -2.
        FiguresCase{"TargetBelowEntry", {"5", "15620", "15580", "15604", "Long"}, {-2.0, 31.0}},
        // 15 / 10 = 1.5 goes to 2; 500 / 10 = 50.
        FiguresCase{"TieToEvenUp", {"5", "100", "115", "90", "Long"}, {2.0, 50.0}},
        // Decimals by the Hungarian convention: 0.375 / 0.25 = 1.5 goes to 2; 50 / 0.25 = 200.
        FiguresCase{"HungarianDecimals", {"0,5", "1,5", "1,875", "1,25", "Long"}, {2.0, 200.0}},
        // Surrounding blanks are part of the number grammar.
        FiguresCase{
            "BlanksAroundNumbers", {" 5 ", "15620 ", " 15700", "15580", "Long"}, {2.0, 12.0}},
        // The product comes before the division: 13.5 / 3 is 4.5 exactly and goes to 4,
        // whereas 0.135 * (100 / 3) would give 4.500000000000001 and so 5.
        FiguresCase{"ProductBeforeDivision", {"0,135", "3", "9", "0", "Long"}, {2.0, 4.0}},
        // A capital of zero: the size is zero (negative zero for a short trade).
        FiguresCase{"ZeroCapital", {"0", "15620", "15700", "15580", "Short"}, {2.0, -0.0}}));

TEST(FiguresSymmetry, DirectionsShareTheMultipleAndOpposeTheSize)
{
    for (const TradeTicket& ticket : {defaultTicket(), TradeTicket{"7", "2,5", "3,75", "1,3", ""},
                                      TradeTicket{"123", "-40", "10", "-100", ""}}) {
        TradeTicket longTicket = ticket;
        longTicket.directionText = "Long";
        TradeTicket shortTicket = ticket;
        shortTicket.directionText = "Short";
        const auto longResult = calculateTrade(longTicket, kHungarian);
        const auto shortResult = calculateTrade(shortTicket, kHungarian);
        ASSERT_TRUE(longResult && shortResult);
        const auto& l = std::get<TradeFigures>(*longResult);
        const auto& s = std::get<TradeFigures>(*shortResult);
        EXPECT_EQ(l.rewardMultiple, s.rewardMultiple) << testing::PrintToString(ticket);
        EXPECT_EQ(*l.positionSize, -*s.positionSize) << testing::PrintToString(ticket);
    }
}

TEST(FiguresLocale, TheSeparatorComesFromTheCaller)
{
    const TradeTicket english{"0.5", "1.5", "1.875", "1.25", "Long"};
    const auto result = calculateTrade(english, kEnglish);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(std::get<TradeFigures>(*result), (TradeFigures{2.0, 200.0}));

    const auto refused = calculateTrade(english, kHungarian);
    ASSERT_FALSE(refused.has_value());
    EXPECT_EQ(refused.error().field, TicketField::Capital);
}

// --- Direction -----------------------------------------------------------------------------

class Direction : public testing::TestWithParam<std::pair<std::string, TradeDirection>>
{
};

TEST_P(Direction, IsExactAndCaseSensitive)
{
    EXPECT_EQ(parseDirection(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Direction,
    testing::Values(std::pair{std::string("Long"), TradeDirection::Long},
                    std::pair{std::string("Short"), TradeDirection::Short},
                    std::pair{std::string("long"), TradeDirection::Unrecognised},
                    std::pair{std::string("LONG"), TradeDirection::Unrecognised},
                    std::pair{std::string("Long "), TradeDirection::Unrecognised},
                    std::pair{std::string(" Short"), TradeDirection::Unrecognised},
                    std::pair{std::string("Shor"), TradeDirection::Unrecognised},
                    std::pair{std::string("Long\r"), TradeDirection::Unrecognised},
                    std::pair{std::string(""), TradeDirection::Unrecognised}));

TEST(UnrecognisedDirection, GivesAbsentFiguresWithoutReadingNumbers)
{
    for (const char* direction : {"long", "SHORT", "Long ", "   "}) {
        const TradeTicket ticket{"letters", "x", "y", "z", direction};
        const auto result = calculateTrade(ticket, kHungarian);
        ASSERT_TRUE(result.has_value()) << direction;
        EXPECT_EQ(std::get<TradeFigures>(*result), TradeFigures{}) << direction;
    }
}

// --- Missing input -------------------------------------------------------------------------

class Missing : public testing::TestWithParam<TradeTicket>
{
};

TEST_P(Missing, IsFoundBeforeAnyNumberIsRead)
{
    const auto result = calculateTrade(GetParam(), kHungarian);
    ASSERT_TRUE(result.has_value());
    EXPECT_TRUE(std::holds_alternative<MissingInput>(*result));
}

INSTANTIATE_TEST_SUITE_P(EachField, Missing,
                         testing::Values(TradeTicket{"", "abc", "15700", "15580", "Long"},
                                         TradeTicket{"5", "", "15700", "15580", "Long"},
                                         TradeTicket{"5", "15620", "", "15580", "Short"},
                                         TradeTicket{"5", "15620", "15700", "", "Long"},
                                         TradeTicket{"5", "15620", "15700", "15580", ""},
                                         TradeTicket{"x", "15620", "15620", "", "long"},
                                         TradeTicket{"", "", "", "", ""}));

TEST(Filled, BlanksCountAsFilled)
{
    // Three blanks pass the filled check, then do not read as a number.
    const auto result = calculateTrade({"   ", "15620", "15700", "15580", "Long"}, kHungarian);
    ASSERT_FALSE(result.has_value());
    EXPECT_EQ(result.error(),
              (CalculationFailure{CalculationFailure::Kind::NotANumber, TicketField::Capital}));
}

// --- Failures ------------------------------------------------------------------------------

struct FailureCase {
    const char* name;
    TradeTicket ticket;
    CalculationFailure expected;
};

void PrintTo(const FailureCase& c, std::ostream* os)
{
    *os << c.name;
}

class Failures : public testing::TestWithParam<FailureCase>
{
};

TEST_P(Failures, EndWithoutFigures)
{
    const auto& c = GetParam();
    const auto result = calculateTrade(c.ticket, kHungarian);
    ASSERT_FALSE(result.has_value());
    EXPECT_EQ(result.error(), c.expected);
}

using Kind = CalculationFailure::Kind;
const std::string k1e200 = "1" + std::string(200, '0');
const std::string k1e307 = "1" + std::string(307, '0');
const std::string k1e308 = "1" + std::string(308, '0');
const std::string kTiny = "0," + std::string(299, '0') + "1"; // 1e-300

INSTANTIATE_TEST_SUITE_P(Kinds, Failures,
                         testing::Values(FailureCase{"CapitalLetters",
                                                     {"öt", "15620", "15700", "15580", "Long"},
                                                     {Kind::NotANumber, TicketField::Capital}},
                                         FailureCase{"EntryOtherSeparator",
                                                     {"5", "15620.5", "15700", "15580", "Long"},
                                                     {Kind::NotANumber, TicketField::Entry}},
                                         FailureCase{"TargetExponent",
                                                     {"5", "15620", "1e4", "15580", "Short"},
                                                     {Kind::NotANumber, TicketField::Target}},
                                         FailureCase{"StopBlanks",
                                                     {"5", "15620", "15700", "   ", "Short"},
                                                     {Kind::NotANumber, TicketField::Stop}},
                                         FailureCase{"FirstBadFieldIsNamed",
                                                     {"5", "x", "15700", "y", "Long"},
                                                     {Kind::NotANumber, TicketField::Entry}},
                                         FailureCase{"UnreadableBeatsEqualPrices",
                                                     {"x", "15620", "15700", "15620", "Long"},
                                                     {Kind::NotANumber, TicketField::Capital}},
                                         FailureCase{"EntryEqualsStopLong",
                                                     {"5", "15620", "15700", "15620", "Long"},
                                                     {Kind::EntryEqualsStop, {}}},
                                         FailureCase{"EntryEqualsStopShort",
                                                     {"5", "15620", "15580", "15620", "Short"},
                                                     {Kind::EntryEqualsStop, {}}},
                                         FailureCase{"EqualValuesWrittenApart",
                                                     {"5", "15620", "15700", "15620,00", "Long"},
                                                     {Kind::EntryEqualsStop, {}}},
                                         FailureCase{"ZeroEqualsNegativeZero",
                                                     {"0", "0", "0", "-0", "Long"},
                                                     {Kind::EntryEqualsStop, {}}},
                                         FailureCase{"RiskDifferenceOverflows",
                                                     {"5", k1e308, "0", "-" + k1e308, "Long"},
                                                     {Kind::OutOfRange, {}}},
                                         FailureCase{"RewardDifferenceOverflows",
                                                     {"5", "-" + k1e308, k1e308, "-1", "Short"},
                                                     {Kind::OutOfRange, {}}},
                                         FailureCase{"ProductOverflows",
                                                     {k1e307, "15620", "15700", "15580", "Long"},
                                                     {Kind::OutOfRange, {}}},
                                         FailureCase{"MultipleOverflows",
                                                     {"5", "0", k1e200, "-" + kTiny, "Long"},
                                                     {Kind::OutOfRange, {}}},
                                         FailureCase{"SizeOverflows",
                                                     {k1e200, "0", "1", "-" + kTiny, "Long"},
                                                     {Kind::OutOfRange, {}}}));

} // namespace
} // namespace velomar
