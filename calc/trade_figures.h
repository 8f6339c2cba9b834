#pragma once

#include "calc/number_format.h"

#include <expected>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace velomar {

/// The five input texts of one calculation, UTF-8, exactly as the window holds them.
struct TradeTicket {
    std::string capitalText;   ///< free capital, in dollars
    std::string entryText;     ///< entry price
    std::string targetText;    ///< target price
    std::string stopText;      ///< stop-loss price
    std::string directionText; ///< "Long" or "Short"; anything else is unrecognised
};

/// The fields of a ticket, to say which one a failure concerns.
enum class TicketField { Capital, Entry, Target, Stop, Direction };

/// The trade direction named by a ticket's direction text.
enum class TradeDirection { Long, Short, Unrecognised };

/// The two results of a calculation, each already rounded to a whole number. Both are present
/// for a long or short trade and both absent when the direction is unrecognised.
struct TradeFigures {
    std::optional<double> rewardMultiple; ///< N in the risk-to-reward relation 1/N
    std::optional<double> positionSize;   ///< size that risks 1 % of the capital at 100x leverage

    friend bool operator==(const TradeFigures&, const TradeFigures&) = default;
};

/// At least one of the five texts is empty.
struct MissingInput {
    friend bool operator==(const MissingInput&, const MissingInput&) = default;
};

/// The ordinary result of a calculation: missing input, or the figures.
using CalculationOutcome = std::variant<MissingInput, TradeFigures>;

/// Why a calculation ended without figures.
struct CalculationFailure {
    enum class Kind {
        NotANumber,      ///< `field` does not read as a number
        EntryEqualsStop, ///< the risk distance is zero
        OutOfRange,      ///< a difference, product or quotient overflows or is undefined
    };

    Kind kind;
    /// The field at fault; set for `NotANumber` only.
    std::optional<TicketField> field;

    friend bool operator==(const CalculationFailure&, const CalculationFailure&) = default;
};

/// Recognises the direction: exactly "Long" or exactly "Short" (ordinal, case-sensitive, no
/// trimming); any other text is `Unrecognised`.
[[nodiscard]] TradeDirection parseDirection(std::string_view directionText) noexcept;

/// Calculates one ticket. An empty text gives `MissingInput` before any number is read; an
/// unrecognised direction gives figures with both fields absent and reads no number. Otherwise
/// the four numbers are read with `format` and the reward multiple and position size are
/// computed and rounded half to even. Ends with a failure, never with a NaN or infinite figure.
[[nodiscard]] std::expected<CalculationOutcome, CalculationFailure>
calculateTrade(const TradeTicket& ticket, const NumberFormat& format);

} // namespace velomar
