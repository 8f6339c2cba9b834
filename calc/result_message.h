#pragma once

#include "calc/trade_figures.h"

#include <optional>
#include <string>
#include <string_view>

namespace velomar {

/// Shown when a field is empty. No full stop at the end.
inline constexpr std::string_view kMissingInputMessage = "Az összes mező kitöltése kötelező";
/// Starts the first line of a result; the reward multiple follows it.
inline constexpr std::string_view kRiskRewardPrefix = "Kockázat / Megtérülés:  1/";
/// Starts the second line of a result; the position size follows it.
inline constexpr std::string_view kPositionSizePrefix = "Pozíció mérete 1% SL-el: ";
/// Separates the two lines of a result: a lone carriage return.
inline constexpr std::string_view kLineBreak = "\r";

/// Shown when the entry and the stop-loss are the same price.
inline constexpr std::string_view kEntryEqualsStopMessage =
    "A belépési pont és a stop-loss nem lehet azonos";
/// Shown when a figure would fall outside the range of numbers that can be computed.
inline constexpr std::string_view kOutOfRangeMessage = "Az eredmény túl nagy, nem számolható ki";
/// Shown when a field does not read as a number: the prefix, the field's name, the suffix.
inline constexpr std::string_view kNotANumberPrefix = "A „";
inline constexpr std::string_view kNotANumberSuffix = "” mező értéke nem szám";

/// The name of a field as its label shows it, without the colon: "Szabad tőke", "Belépési pont",
/// "Cél árfolyam", "Stop-Loss", "Kereskedés iránya".
[[nodiscard]] std::string_view fieldName(TicketField field) noexcept;

/// Writes a whole-number figure: nothing when absent; otherwise plain decimal digits with a
/// leading "-" when negative, and "0" for zero of either sign. A figure of 10^15 or more in
/// magnitude, beyond the digits a double holds exactly, is written as its 15 leading significant
/// digits, trailing zeros dropped, followed by "E+" and the power of ten ("15E+21" is 1.5 x
/// 10^22). A non-finite value, which no calculation produces, is written as nothing.
[[nodiscard]] std::string formatFigure(std::optional<double> figure);

/// The text of the result box: `kMissingInputMessage` alone, or the two prefixes each followed by
/// its figure, joined by `kLineBreak`.
[[nodiscard]] std::string composeResultMessage(const CalculationOutcome& outcome);

/// The text of the box that reports a calculation without figures.
[[nodiscard]] std::string composeFailureMessage(const CalculationFailure& failure);

} // namespace velomar
