// Conversion of a field's text to a number: what the grammar accepts, what
// it refuses, and that accepted values are correctly rounded.

#include "input/str_to_float.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace ostrelta::testing {
namespace {

struct TConversion_case {
    const char* name;
    std::string_view text;
    std::string_view separator;
    std::optional<long double> expected;  // nothing: the text is refused
};

// Failures name the row rather than dumping its bytes.
void PrintTo(const TConversion_case& c, std::ostream* os)
{
    *os << c.name;
}

std::string Case_name(const ::testing::TestParamInfo<TConversion_case>& info)
{
    return info.param.name;
}

class Conversion : public ::testing::TestWithParam<TConversion_case> {};

TEST_P(Conversion, GivesTheValueOrRefusesTheText)
{
    const TConversion_case& c = GetParam();
    const std::optional<long double> value = StrToFloat(c.text, c.separator);
    ASSERT_EQ(value.has_value(), c.expected.has_value()) << '"' << c.text << '"';
    if (c.expected) {
        EXPECT_EQ(*value, *c.expected);
        EXPECT_EQ(std::signbit(*value), std::signbit(*c.expected)) << "sign of " << *value;
    }
}

// 2^-64: half a unit in the last place of a long double just above 1.
constexpr long double Half_ulp_at_one = 0x1p-64L;

const std::vector<TConversion_case> Accepted{
    {"Integer", "12", ",", 12.0L},
    {"PlusSign", "+12", ",", 12.0L},
    {"SpacesAround", "  12  ", ",", 12.0L},
    {"Negative", "-1", ",", -1.0L},
    {"NegativeZero", "-0", ",", -0.0L},
    {"Fraction", "12,5", ",", 12.5L},
    {"FractionWithoutInteger", ",5", ",", 0.5L},
    {"SeparatorAtEnd", "5,", ",", 5.0L},
    {"SeparatorAlone", ",", ",", 0.0L},
    {"SeparatorAloneWithSpaces", "  ,  ", ",", 0.0L},
    {"NegativeSeparatorAlone", "-,", ",", -0.0L},
    {"SeparatorAloneWithExponent", ",e5", ",", 0.0L},
    {"Exponent", "1,5e3", ",", 1500.0L},
    {"CapitalExponent", "1,5E3", ",", 1500.0L},
    {"NegativeExponent", "15e-1", ",", 1.5L},
    {"PlusExponent", "15e+1", ",", 150.0L},
    {"ExponentWithoutDigits", "12e", ",", 12.0L},
    {"ExponentSignWithoutDigits", "12e-", ",", 12.0L},
    {"ExponentWithoutDigitsThenSpaces", "12E+  ", ",", 12.0L},
    {"ExponentWithLeadingZeros", "1e0000000000000000000000003", ",", 1000.0L},
    {"PointSeparator", "12.5", ".", 12.5L},
    {"PointSeparatorAlone", ".", ".", 0.0L},
    {"MultiByteSeparator", "12\u066B5", "\u066B", 12.5L},
    {"EmptySeparatorInteger", "12", "", 12.0L},
    {"OneTenthCorrectlyRounded", "0,1", ",", 0.1L},
    // Exactly halfway between 1 and the next long double: ties to even.
    {"HalfwayRoundsToEven", "1,0000000000000000000542101086242752217003726400434970855712890625", ",", 1.0L},
    {"JustAboveHalfwayRoundsUp", "1,00000000000000000005421010862427522170037264004349708557128906250001", ",",
     1.0L + 2 * Half_ulp_at_one},
    {"LargeWithinRange", "1e4932", ",", 1e4932L},
    {"TooSmallForLongDoubleIsZero", "1e-5000", ",", 0.0L},
    {"NegativeTooSmallIsNegativeZero", "-1e-5000", ",", -0.0L},
    {"HugeNegativeExponent", "5e-99999999999999999999", ",", 0.0L},
    {"ZeroWithHugeExponent", "0e99999999999999999999", ",", 0.0L},
};

const std::vector<TConversion_case> Refused{
    {"Empty", "", ",", {}},
    {"SpacesOnly", "   ", ",", {}},
    {"SignOnly", "-", ",", {}},
    {"PlusOnly", "+", ",", {}},
    {"ExponentWithoutMantissa", "e5", ",", {}},
    {"PointWhereCommaExpected", "12.5", ",", {}},
    {"CommaWherePointExpected", "12,5", ".", {}},
    {"FractionWithEmptySeparator", "12,5", "", {}},
    {"EmptyTextWithEmptySeparator", "", "", {}},
    {"ThousandsSeparatorSpace", "1 000", ",", {}},
    {"TwoSeparators", "1,000,5", ",", {}},
    {"UnitAfterNumber", "12 В", ",", {}},
    {"LetterAfterNumber", "12V", ",", {}},
    {"Letters", "abc", ",", {}},
    {"Infinity", "inf", ",", {}},
    {"NotANumber", "nan", ",", {}},
    {"HexadecimalNumber", "0x10", ",", {}},
    {"TwoSigns", "+-1", ",", {}},
    {"DoubleMinus", "--1", ",", {}},
    {"SignAfterSpace", "- 1", ",", {}},
    {"SpaceBeforeExponent", "1 e5", ",", {}},
    {"SpaceInsideExponent", "1e 5", ",", {}},
    {"TwoExponents", "1e5e5", ",", {}},
    {"FractionalExponent", "1e2,5", ",", {}},
    {"LeadingTab", "\t12", ",", {}},
    {"EmbeddedNul", std::string_view("12\0", 3), ",", {}},
    {"IncompleteMultiByteSeparator", "12\xD9", "\u066B", {}},
    {"BeyondLongDouble", "1,2e4932", ",", {}},
    {"NegativeBeyondLongDouble", "-1e5000", ",", {}},
    {"HugeExponent", "1e99999999999999999999", ",", {}},
};

INSTANTIATE_TEST_SUITE_P(Accepted, Conversion, ::testing::ValuesIn(Accepted), Case_name);
INSTANTIATE_TEST_SUITE_P(Refused, Conversion, ::testing::ValuesIn(Refused), Case_name);

}  // namespace
}  // namespace ostrelta::testing
