#pragma once

namespace velomar {

/// Rounds to the nearest whole number; a value exactly halfway between two whole numbers goes to
/// the even one (0.5 -> 0, 1.5 -> 2, -2.5 -> -2). Exact for every finite double and independent
/// of the floating-point rounding mode. Zero keeps its sign; NaN and infinities come back as they
/// are.
[[nodiscard]] double roundHalfEven(double value) noexcept;

} // namespace velomar
