#include "calc/result_message.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <limits>
#include <ostream>
#include <string>

namespace velomar {
namespace {

// Counts Unicode characters of a UTF-8 text: every byte that does not continue a sequence.
std::size_t characterCount(std::string_view text)
{
    std::size_t count = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0U) != 0x80U) {
            ++count;
        }
    }
    return count;
}

// --- The texts, byte for byte --------------------------------------------------------------

TEST(MessageTexts, AreExactToTheByte)
{
    // ö = C3 B6, ő = C5 91 (U+0151), á = C3 A1, é = C3 A9, í = C3 AD, ó = C3 B3.
    EXPECT_EQ(kMissingInputMessage,
              "Az \xC3\xB6sszes mez\xC5\x91 kit\xC3\xB6lt\xC3\xA9se k\xC3\xB6telez\xC5\x91");
    EXPECT_EQ(kRiskRewardPrefix, "Kock\xC3\xA1zat / Megt\xC3\xA9r\xC3\xBCl\xC3\xA9s:  1/");
    EXPECT_EQ(kPositionSizePrefix, "Poz\xC3\xAD"
                                   "ci\xC3\xB3 m\xC3\xA9rete 1% SL-el: ");
    EXPECT_EQ(kLineBreak, "\r");
}

TEST(MessageTexts, HaveTheirLengthsInCharacters)
{
    EXPECT_EQ(characterCount(kMissingInputMessage), 33U);
    EXPECT_EQ(characterCount(kRiskRewardPrefix), 26U);
    EXPECT_EQ(characterCount(kPositionSizePrefix), 25U);
    EXPECT_EQ(kLineBreak.size(), 1U);
}

TEST(MessageTexts, UseTheDoubleAcuteO)
{
    const std::string_view doubleAcute = "\xC5\x91"; // U+0151
    const std::string_view tilde = "\xC3\xB5";       // U+00F5, õ
    const std::string_view circumflex = "\xC3\xB4";  // U+00F4, ô
    EXPECT_NE(kMissingInputMessage.find(std::string("mez") + std::string(doubleAcute)),
              std::string_view::npos);
    EXPECT_NE(kMissingInputMessage.find(std::string("k\xC3\xB6telez") + std::string(doubleAcute)),
              std::string_view::npos);
    for (const auto text : {kMissingInputMessage, kRiskRewardPrefix, kPositionSizePrefix,
                            kEntryEqualsStopMessage, kOutOfRangeMessage, kNotANumberSuffix}) {
        EXPECT_EQ(text.find(tilde), std::string_view::npos) << text;
        EXPECT_EQ(text.find(circumflex), std::string_view::npos) << text;
    }
}

// --- formatFigure --------------------------------------------------------------------------

struct FigureCase {
    std::optional<double> figure;
    std::string expected;
};

void PrintTo(const FigureCase& c, std::ostream* os)
{
    *os << (c.figure ? std::to_string(*c.figure) : std::string("absent"));
}

class FormatFigure : public testing::TestWithParam<FigureCase>
{
};

TEST_P(FormatFigure, WritesPlainDigits)
{
    EXPECT_EQ(formatFigure(GetParam().figure), GetParam().expected);
}

constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(Figures, FormatFigure,
                         testing::Values(FigureCase{std::nullopt, ""}, FigureCase{0.0, "0"},
                                         FigureCase{-0.0, "0"}, FigureCase{2.0, "2"},
                                         FigureCase{-2.0, "-2"}, FigureCase{12.0, "12"},
                                         FigureCase{100.0, "100"},
                                         FigureCase{-1000000.0, "-1000000"},
                                         FigureCase{999999999999999.0, "999999999999999"},
                                         FigureCase{-999999999999999.0, "-999999999999999"}));

INSTANTIATE_TEST_SUITE_P(Huge, FormatFigure,
                         testing::Values(FigureCase{1e15, "1E+15"}, FigureCase{-1e15, "-1E+15"},
                                         FigureCase{1.5e22, "15E+21"},
                                         FigureCase{123456789012345678.0, "123456789012346E+3"},
                                         FigureCase{-1e300, "-1E+300"},
                                         FigureCase{std::numeric_limits<double>::max(),
                                                    "179769313486232E+294"}));

INSTANTIATE_TEST_SUITE_P(NotFigures, FormatFigure,
                         testing::Values(FigureCase{kInf, ""}, FigureCase{-kInf, ""},
                                         FigureCase{std::nan(""), ""}));

// --- composeResultMessage ------------------------------------------------------------------

struct MessageCase {
    const char* name;
    CalculationOutcome outcome;
    std::string expected;
};

void PrintTo(const MessageCase& c, std::ostream* os)
{
    *os << c.name;
}

class ComposeResult : public testing::TestWithParam<MessageCase>
{
};

TEST_P(ComposeResult, JoinsThePiecesInOrder)
{
    EXPECT_EQ(composeResultMessage(GetParam().outcome), GetParam().expected);
}

const std::string kRisk(kRiskRewardPrefix);
const std::string kSize(kPositionSizePrefix);

INSTANTIATE_TEST_SUITE_P(
    Outcomes, ComposeResult,
    testing::Values(
        MessageCase{"Defaults", TradeFigures{2.0, 12.0}, kRisk + "2\r" + kSize + "12"},
        MessageCase{"Unrecognised", TradeFigures{}, kRisk + "\r" + kSize},
        MessageCase{"NegativeAndZero", TradeFigures{-2.0, -0.0}, kRisk + "-2\r" + kSize + "0"},
        MessageCase{"ZeroMultiple", TradeFigures{0.0, 6.0}, kRisk + "0\r" + kSize + "6"},
        MessageCase{"Missing", MissingInput{}, std::string(kMissingInputMessage)}));

TEST(ComposeResult, DefaultsSpelledOut)
{
    EXPECT_EQ(composeResultMessage(TradeFigures{2.0, 12.0}),
              "Kock\xC3\xA1zat / Megt\xC3\xA9r\xC3\xBCl\xC3\xA9s:  1/2\r"
              "Poz\xC3\xAD"
              "ci\xC3\xB3 m\xC3\xA9rete 1% SL-el: 12");
}

// --- Failure messages ----------------------------------------------------------------------

using Kind = CalculationFailure::Kind;

class ComposeFailure : public testing::TestWithParam<std::pair<CalculationFailure, std::string>>
{
};

TEST_P(ComposeFailure, SaysWhatIsWrongAndWhere)
{
    EXPECT_EQ(composeFailureMessage(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ComposeFailure,
    testing::Values(
        std::pair{CalculationFailure{Kind::NotANumber, TicketField::Capital},
                  std::string("A \xE2\x80\x9ESzabad t\xC5\x91ke\xE2\x80\x9D mez\xC5\x91 "
                              "\xC3\xA9rt\xC3\xA9ke nem sz\xC3\xA1m")},
        std::pair{CalculationFailure{Kind::NotANumber, TicketField::Entry},
                  std::string("A „Belépési pont” mező értéke nem szám")},
        std::pair{CalculationFailure{Kind::NotANumber, TicketField::Target},
                  std::string("A „Cél árfolyam” mező értéke nem szám")},
        std::pair{CalculationFailure{Kind::NotANumber, TicketField::Stop},
                  std::string("A „Stop-Loss” mező értéke nem szám")},
        std::pair{CalculationFailure{Kind::EntryEqualsStop, {}},
                  std::string("A belépési pont és a stop-loss nem lehet azonos")},
        std::pair{CalculationFailure{Kind::OutOfRange, {}},
                  std::string("Az eredmény túl nagy, nem számolható ki")}));

} // namespace
} // namespace velomar
