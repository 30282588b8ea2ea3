#include "text/numbertext.h"

#include "tests/support/resulttextoracle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <iomanip>
#include <limits>
#include <random>
#include <string>
#include <vector>

using velmora::leadingNumber;
using velmora::resultText;

namespace {

struct ReadCase {
    const char* name;
    const char* text;
    double value;
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

class LeadingNumber : public ::testing::TestWithParam<ReadCase> {};

TEST_P(LeadingNumber, ReadsTheNumberTheTextBeginsWith)
{
    const ReadCase& c = GetParam();
    EXPECT_EQ(leadingNumber(c.text), c.value) << '"' << c.text << '"';
}

const double inf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingNumber,
    ::testing::Values(
        ReadCase{"plain", "2", 2.0}, ReadCase{"blanksAround", "  2  ", 2.0},
        ReadCase{"blankBetweenDigits", "1 2", 12.0}, ReadCase{"tabAndLineFeed", "\t1\n2\t", 12.0},
        ReadCase{"carriageReturnStops", "1\r2", 1.0}, ReadCase{"leadingPoint", ".5", 0.5},
        ReadCase{"trailingText", "1.5abc", 1.5}, ReadCase{"secondPointStops", "1.2.3", 1.2},
        ReadCase{"commaStops", "1,5", 1.0}, ReadCase{"minus", "-2", -2.0}, ReadCase{"plus", "+2.25", 2.25},
        ReadCase{"blankAfterSign", "- 2", -2.0}, ReadCase{"exponent", "1e2", 100.0},
        ReadCase{"capitalExponent", "1E2", 100.0}, ReadCase{"negativeExponent", "25e-2", 0.25},
        ReadCase{"signedExponent", "5E+1", 50.0}, ReadCase{"blanksInExponent", "1 e - 2", 0.01},
        ReadCase{"exponentWithoutDigits", "3e", 3.0}, ReadCase{"exponentSignOnly", "3e-x", 3.0},
        ReadCase{"exponentOnly", "e5", 0.0}, ReadCase{"singleSpace", " ", 0.0}, ReadCase{"empty", "", 0.0},
        ReadCase{"letters", "abc", 0.0}, ReadCase{"pointOnly", ".", 0.0}, ReadCase{"signOnly", "-", 0.0},
        ReadCase{"twoSigns", "--2", 0.0}, ReadCase{"pointThenDigits", "-.5e1", -5.0},
        ReadCase{"trailingPoint", "7.", 7.0}, ReadCase{"nearestDouble", "0.1", 0.1},
        ReadCase{"gamma", "1.4", 1.4}, ReadCase{"overflow", "1e400", inf},
        ReadCase{"negativeOverflow", "-1e400", -inf}, ReadCase{"underflow", "1e-400", 0.0},
        ReadCase{"subnormal", "1e-320", 1e-320}, ReadCase{"overflowBySmallMantissa", "0.00001e314", inf},
        ReadCase{"fitsByMantissaBelowOne", "0.0001e312", 1e308},
        ReadCase{"underflowByLargeMantissa", "1000e-330", 0.0},
        ReadCase{"belowHalfTheSmallestSubnormal", "2e-324", 0.0},
        ReadCase{"hugeExponent", "1e99999999999999999999999", inf},
        ReadCase{"hugeNegativeExponent", "-5e-99999999999999999999999", -0.0},
        ReadCase{"zeroWithHugeExponent", "0e999999", 0.0}, ReadCase{"blanksInOverflow", " - 1 e 4 0 0", -inf},
        ReadCase{"largest", "1.7976931348623157e308", std::numeric_limits<double>::max()},
        ReadCase{"hex", "&H1F", 31.0}, ReadCase{"hexLowerCase", "&hff", 255.0},
        ReadCase{"hexStopsAtNonDigit", "&H1G", 1.0}, ReadCase{"hexBlanks", " & H 1 0 ", 16.0},
        ReadCase{"hexNoDigits", "&H", 0.0},
        ReadCase{"hexSixteenDigits", "&HFFFFFFFFFFFFFFFF", 18446744073709551615.0},
        ReadCase{"hexSeventeenthDigitStops", "&H10000000000000001", 1152921504606846976.0},
        ReadCase{"octal", "&O17", 15.0}, ReadCase{"octalStopsAt8", "&o178", 15.0},
        ReadCase{"octalTwentyOneDigits", "&O777777777777777777777", 9223372036854775807.0},
        ReadCase{"ampersandAlone", "&12", 0.0}, ReadCase{"signBeforeHex", "-&H10", 0.0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LeadingNumberSign, MinusZeroReadsAsZero) { EXPECT_EQ(leadingNumber("-0"), 0.0); }

// Beyond the double range by the number of digits alone, with no exponent to tell.
TEST(LeadingNumberRange, ManyDigitsOverflowOrUnderflow)
{
    EXPECT_EQ(leadingNumber("1" + std::string(400, '0')), inf);
    EXPECT_EQ(leadingNumber("0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(leadingNumber("0." + std::string(400, '0') + "1e400"), 1e-1);
    EXPECT_EQ(leadingNumber("1" + std::string(400, '0') + "e-400"), 1.0);
}

struct WriteCase {
    const char* name;
    double value;
    const char* text;
};

void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.name; }

class ResultText : public ::testing::TestWithParam<WriteCase> {};

TEST_P(ResultText, RoundsToFourDecimalsAndDropsTrailingZeros)
{
    const WriteCase& c = GetParam();
    EXPECT_EQ(resultText(c.value), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, ResultText,
    ::testing::Values(
        WriteCase{"fld4OfMach2", 0.3049965, "0.305"}, WriteCase{"twoThirds", 0.6666667, "0.6667"},
        WriteCase{"exactFourDecimals", 1.6875, "1.6875"}, WriteCase{"whole", 2.0, "2"},
        WriteCase{"belowHalfLastDecimal", 0.00004, "0"}, WriteCase{"negativeTiny", -0.00004, "0"},
        WriteCase{"negative", -0.5, "-0.5"}, WriteCase{"zero", 0.0, "0"},
        WriteCase{"negativeZero", -0.0, "0"}, WriteCase{"smallest", 0.0001, "0.0001"},
        WriteCase{"halfToEvenDown", 0.00125, "0.0012"}, WriteCase{"halfToEvenUp", 0.00375, "0.0038"},
        WriteCase{"tTstarGamma13", 0.7187499999999999, "0.7187"},
        WriteCase{"machSub", 0.6572265625, "0.6572"}, WriteCase{"large", 123456.78901, "123456.789"},
        WriteCase{"fifteenDigits", 99999999999.9999, "99999999999.9999"},
        WriteCase{"exponentForm", 1.5e20, "1.5E+20"}, WriteCase{"exponentFromTenTo15", 1e15, "1E+15"},
        WriteCase{"justBelowTenTo15", 999999999999999.0, "999999999999999"},
        WriteCase{"negativeExponentForm", -2.5e300, "-2.5E+300"},
        WriteCase{"beyondTimes10000", 1e306, "1E+306"},
        WriteCase{"largestDouble", std::numeric_limits<double>::max(), "1.79769313486232E+308"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ResultTextSeparator, UsesTheGivenDecimalSeparator)
{
    EXPECT_EQ(resultText(0.3049965, ","), "0,305");
    EXPECT_EQ(resultText(-1.5e20, ","), "-1,5E+20");
    EXPECT_EQ(resultText(2.0, ","), "2");
    EXPECT_EQ(resultText(0.5, "\u066B"), "0\u066B5");
}

// Against the rounding worked out on decimal digits, for listed values near the
// rounding's edges and for values of every magnitude below 10^11 from a fixed seed; and
// the text read back is the value the text says, to the bit.
TEST(ResultText, AgreesWithRoundingOnDecimalDigits)
{
    std::vector<double> values{0.3049965, -8.48340923, 1.0 / 3.0, 12345.67895, 99999999999.99994,  7.0e-5,
                               0.00005,   -0.00005,    0.00015,   0.71875,     0.7187499999999999, 2.5e-5,
                               1.00005,   -0.99995,    5e-324};
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> exponent(-12.0, 11.0);
    for (int i = 0; i < 20000; ++i) {
        const double magnitude = std::pow(10.0, exponent(random));
        values.push_back(random() % 2 ? magnitude : -magnitude);
    }
    for (const double x : values) {
        const std::string expected = velmora::testing::resultTextByDigits(x);
        ASSERT_EQ(resultText(x), expected) << std::setprecision(17) << x;
        EXPECT_EQ(leadingNumber(expected), std::strtod(expected.c_str(), nullptr)) << expected;
    }
}

} // namespace
