#include "calc/number_format.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <ostream>
#include <string>

namespace velomar {
namespace {

struct ReadCase {
    std::string text;
    std::string separator;
    std::optional<double> expected;
};

void PrintTo(const ReadCase& c, std::ostream* os)
{
    *os << '"' << c.text << "\" with \"" << c.separator << '"';
}

class ReadNumber : public testing::TestWithParam<ReadCase>
{
};

TEST_P(ReadNumber, ReadsByTheGrammar)
{
    const auto& c = GetParam();
    const auto value = readNumber(c.text, NumberFormat{c.separator});
    ASSERT_EQ(value.has_value(), c.expected.has_value());
    if (c.expected) {
        EXPECT_EQ(*value, *c.expected);
    }
}

const std::string kHundredDigitsOfNines(100, '9');

INSTANTIATE_TEST_SUITE_P(
    Accepted, ReadNumber,
    testing::Values(ReadCase{"15620", ",", 15620.0}, ReadCase{"15620", ".", 15620.0},
                    ReadCase{"0,1", ",", 0.1}, ReadCase{"0.1", ".", 0.1},
                    ReadCase{"-0,5", ",", -0.5}, ReadCase{"+3", ",", 3.0},
                    ReadCase{"  7 ", ",", 7.0}, ReadCase{",25", ",", 0.25},
                    ReadCase{"5,", ",", 5.0}, ReadCase{"007", ",", 7.0}, ReadCase{"-0", ",", -0.0},
                    // A separator of several bytes: U+066B ARABIC DECIMAL SEPARATOR.
                    ReadCase{"3\u066B5", "\u066B", 3.5},
                    // Many digits still give the nearest double.
                    ReadCase{kHundredDigitsOfNines, ",", 1e100},
                    ReadCase{"1" + std::string(308, '0'), ",", 1e308}));

INSTANTIATE_TEST_SUITE_P(
    Refused, ReadNumber,
    testing::Values(
        ReadCase{"", ",", {}}, ReadCase{"   ", ",", {}}, ReadCase{"-", ",", {}},
        ReadCase{",", ",", {}}, ReadCase{"+-1", ",", {}}, ReadCase{"- 1", ",", {}},
        ReadCase{"1 5", ",", {}}, ReadCase{"\t5", ",", {}}, ReadCase{"5\n", ",", {}},
        // The other locale's separator, group separators and a second separator.
        ReadCase{"1.5", ",", {}}, ReadCase{"1,5", ".", {}}, ReadCase{"1,000", ".", {}},
        ReadCase{"1.000,5", ",", {}}, ReadCase{"1,0,5", ",", {}},
        // No exponent, no special values, no other bases, no other digits or minus signs.
        ReadCase{"1e5", ".", {}}, ReadCase{"1E5", ".", {}}, ReadCase{"nan", ".", {}},
        ReadCase{"NaN", ".", {}}, ReadCase{"inf", ".", {}}, ReadCase{"-infinity", ".", {}},
        ReadCase{"0x10", ".", {}}, ReadCase{"12abc", ",", {}}, ReadCase{"\u0663", ",", {}},
        ReadCase{"\u22125", ",", {}}, ReadCase{std::string("5\0", 2), ",", {}},
        // No separator at all in the format: only whole numbers read.
        ReadCase{"1.5", "", {}},
        // Beyond the double range, either way.
        ReadCase{"1" + std::string(309, '0'), ",", {}},
        ReadCase{"-1" + std::string(400, '0'), ",", {}},
        ReadCase{"0," + std::string(400, '0') + "1", ",", {}}));

TEST(ReadNumberRange, LargestDoubleStillReads)
{
    const auto value = readNumber("179769313486231570" + std::string(291, '0'), NumberFormat{","});
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(*value, std::numeric_limits<double>::max());
}

} // namespace
} // namespace velomar
