// The texts the window writes into its fields: the initial state, the worked
// example and the general number text they are made with.

#include "input/field_texts.h"
#include "input/general_number_text.h"
#include "input/narrow_to_float.h"
#include "input/str_to_float.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace ostrelta::testing {
namespace {

TEST(FieldTexts, InitialTextsAreZeroWithFifteenPercentRise)
{
    const TField_texts expected{"0", "15", "0", "0", "0", "0", "0", "0", "0", "0", "0",
                                "0", "0",  "0", "0", "0", "0", "0", "0", "0", "0"};
    EXPECT_EQ(Initial_field_texts(), expected);
}

TEST(FieldTexts, ExampleWritesFractionsWithTheGivenSeparator)
{
    const TField_texts comma{"310", "20", "0,38", "2000", "50", "50", "25", "10", "6", "40", "3",
                             "1",   "1",  "0,5",  "0,3",  "40", "25", "11", "0",  "0", "0"};
    EXPECT_EQ(Example_field_texts(","), comma);

    const TField_texts point = Example_field_texts(".");
    EXPECT_EQ(point[2], "0.38");
    EXPECT_EQ(point[13], "0.5");
    EXPECT_EQ(point[14], "0.3");
    EXPECT_EQ(Example_field_texts("\u066B")[2], "0\u066B38");
}

struct TNumber_text_case {
    const char* name;
    double value;
    std::string_view text;  // with the decimal comma
};

// Failures name the row rather than dumping its bytes.
void PrintTo(const TNumber_text_case& c, std::ostream* os)
{
    *os << c.name;
}

class GeneralNumberText : public ::testing::TestWithParam<TNumber_text_case> {};

TEST_P(GeneralNumberText, WritesUpTo15DigitsAndReadsBack)
{
    const TNumber_text_case& c = GetParam();
    const std::string text = General_number_text(c.value, ",");
    EXPECT_EQ(text, c.text);
    const auto number = StrToFloat(text, ",");
    ASSERT_TRUE(number.has_value());
    EXPECT_EQ(Narrow_to_float(*number), static_cast<float>(c.value));
}

const std::vector<TNumber_text_case> Number_texts{
    {"Zero", 0.0, "0"},
    {"WholeNumber", 2000.0, "2000"},
    {"Fraction", 0.38, "0,38"},
    {"Negative", -2.5, "-2,5"},
    {"RoundedSumHasNoTrailingDigits", 0.1 + 0.2, "0,3"},
    {"FifteenSignificantDigits", 1.0 / 3.0, "0,333333333333333"},
    {"FifteenDigitWholeNumber", 123456789012345.0, "123456789012345"},
    {"SmallFraction", 0.0001, "0,0001"},
    {"TooManyDigitsUsesExponent", 1e20, "1e+20"},
};

INSTANTIATE_TEST_SUITE_P(Values, GeneralNumberText, ::testing::ValuesIn(Number_texts),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ostrelta::testing
