#include "calc/rounding.h"

#include <cmath>

namespace velomar {

double roundHalfEven(double value) noexcept
{
    // From 2^52 on every double is whole; below it, value - floor(value) is exact, so the
    // comparison with one half decides the tie without any rounding of its own.
    constexpr double kFirstWholeOnly = 4503599627370496.0; // 2^52
    if (!std::isfinite(value) || std::fabs(value) >= kFirstWholeOnly) {
        return value;
    }
    const double below = std::floor(value);
    const double fraction = value - below;
    double rounded = below;
    if (fraction > 0.5) {
        rounded = below + 1.0;
    } else if (fraction == 0.5) {
        rounded = std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
    }
    return std::copysign(rounded, value);
}

} // namespace velomar
