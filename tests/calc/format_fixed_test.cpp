// Fixed-point result texts.

#include "calc/format_fixed.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace ostrelta {
namespace {

struct TFormat_case {
    const char* name;
    float value;
    int precision;
    int decimals;
    const char* comma_text;

    friend void PrintTo(const TFormat_case& c, std::ostream* os) { *os << c.name; }
};

class FormatFixed : public ::testing::TestWithParam<TFormat_case> {};

TEST_P(FormatFixed, WritesTheLocaleSeparator)
{
    const TFormat_case& c = GetParam();
    EXPECT_EQ(Format_fixed(c.value, c.precision, c.decimals, ","), c.comma_text);
    std::string point_text = c.comma_text;
    for (char& ch : point_text) {
        if (ch == ',') {
            ch = '.';
        }
    }
    EXPECT_EQ(Format_fixed(c.value, c.precision, c.decimals, "."), point_text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Texts, FormatFixed,
    ::testing::Values(
        TFormat_case{"FourDigitsKeepNoDecimal", 1234.56f, 4, 1, "1235,0"},
        TFormat_case{"PrimaryVoltage", 184.39999f, 4, 1, "184,4"},
        TFormat_case{"PrimaryVoltageOfAThousand", 1199.2f, 4, 1, "1199,0"},
        TFormat_case{"HalfRoundsUp", 2.5f, 7, 0, "3"},
        TFormat_case{"BelowLastPlace", 0.0042f, 10, 2, "0,00"},
        TFormat_case{"FirstDroppedDigitRoundsToOneUnit", 0.0062f, 10, 2, "0,01"},
        TFormat_case{"FarBelowLastPlace", 0.00042f, 10, 2, "0,00"},
        TFormat_case{"WireDiameter", 0.32863355f, 8, 2, "0,33"},
        TFormat_case{"PathLength", 10.210176f, 9, 3, "10,210"},
        TFormat_case{"CarryAddsALeadingDigit", 9.996f, 10, 2, "10,00"},
        TFormat_case{"CarryWithoutDecimals", 999.5f, 10, 0, "1000"},
        TFormat_case{"Zero", 0.0f, 10, 1, "0,0"},
        TFormat_case{"NegativeZero", -0.0f, 10, 2, "0,00"},
        TFormat_case{"Negative", -12.345f, 10, 2, "-12,35"},
        TFormat_case{"NegativeRoundingToZero", -0.001f, 10, 2, "0,00"},
        TFormat_case{"NoDigitGrouping", 20833334.0f, 10, 0, "20833334"},
        TFormat_case{"KeptDigitsFollowedByZeros", 123456.78f, 6, 1, "123457,0"},
        // 0.3f is 0.300000011920928955: its 18-digit expansion ends ...955, not ...96.
        TFormat_case{"EighteenDigitExpansion", 0.3f, 15, 12, "0,300000011921"},
        // More integer digits than the precision: exponent form.
        TFormat_case{"ExponentForm", 12345678.0f, 7, 0, "1,234568E7"},
        TFormat_case{"ExponentFormDropsTrailingZeros", 2.0e10f, 10, 0, "2E10"},
        TFormat_case{"ExponentFormOfANegativeValue", -3.0e12f, 10, 1, "-3,000000053E12"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(FormatFixedExtremes, LargestFloatInExponentForm)
{
    EXPECT_EQ(Format_fixed(std::numeric_limits<float>::max(), 10, 0, ","), "3,402823466E38");
}

}  // namespace
}  // namespace ostrelta
