#include "calc/rounding.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>
#include <utility>

namespace velomar {
namespace {

using RoundCase = std::pair<double, double>; // value, expected

class RoundHalfEven : public testing::TestWithParam<RoundCase>
{
};

TEST_P(RoundHalfEven, GoesToNearestAndTiesToEven)
{
    const auto [value, expected] = GetParam();
    EXPECT_EQ(roundHalfEven(value), expected) << "value " << value;
}

INSTANTIATE_TEST_SUITE_P(
    Ties, RoundHalfEven,
    testing::Values(RoundCase{0.5, 0.0}, RoundCase{1.5, 2.0}, RoundCase{2.5, 2.0},
                    RoundCase{12.5, 12.0}, RoundCase{-2.5, -2.0}, RoundCase{-1.5, -2.0},
                    RoundCase{-0.5, -0.0},
                    // The largest ties below 2^52, where the spacing of doubles is one half.
                    RoundCase{4503599627370495.5, 4503599627370496.0},
                    RoundCase{4503599627370494.5, 4503599627370494.0}));

INSTANTIATE_TEST_SUITE_P(
    NotTies, RoundHalfEven,
    testing::Values(RoundCase{0.49999999999999994, 0.0}, RoundCase{-0.49999999999999994, -0.0},
                    RoundCase{0.5000000000000001, 1.0}, RoundCase{2.4999999999999996, 2.0},
                    RoundCase{3.7, 4.0}, RoundCase{-3.7, -4.0}, RoundCase{0.3, 0.0},
                    RoundCase{7.0, 7.0}, RoundCase{-7.0, -7.0},
                    // From 2^52 on every double is already whole.
                    RoundCase{4503599627370496.0, 4503599627370496.0},
                    RoundCase{9007199254740994.0, 9007199254740994.0}, RoundCase{1e300, 1e300},
                    RoundCase{-std::numeric_limits<double>::max(),
                              -std::numeric_limits<double>::max()},
                    RoundCase{std::numeric_limits<double>::denorm_min(), 0.0}));

TEST(RoundHalfEvenSign, ZeroKeepsItsSign)
{
    EXPECT_TRUE(std::signbit(roundHalfEven(-0.0)));
    EXPECT_TRUE(std::signbit(roundHalfEven(-0.3)));
    EXPECT_FALSE(std::signbit(roundHalfEven(0.3)));
}

TEST(RoundHalfEvenSpecial, NonFiniteValuesPassThrough)
{
    EXPECT_TRUE(std::isnan(roundHalfEven(std::numeric_limits<double>::quiet_NaN())));
    EXPECT_EQ(roundHalfEven(std::numeric_limits<double>::infinity()),
              std::numeric_limits<double>::infinity());
}

TEST(RoundHalfEvenMode, DoesNotDependOnTheRoundingMode)
{
    const int saved = std::fegetround();
    for (const int mode : {FE_DOWNWARD, FE_UPWARD, FE_TOWARDZERO}) {
        std::fesetround(mode);
        volatile double tie = 1.5;
        volatile double negativeTie = -2.5;
        volatile double nearHalf = 0.49999999999999994;
        const double up = roundHalfEven(tie);
        const double down = roundHalfEven(negativeTie);
        const double zero = roundHalfEven(nearHalf);
        std::fesetround(saved);
        EXPECT_EQ(up, 2.0) << "mode " << mode;
        EXPECT_EQ(down, -2.0) << "mode " << mode;
        EXPECT_EQ(zero, 0.0) << "mode " << mode;
    }
}

} // namespace
} // namespace velomar
