// The six core dimensions: which pattern of zeros calculates a toroid, which
// a core given by its parameters, which is rejected with which message, and
// which ends without a message.

#include "expected_messages.h"
#include "input/core_entry_rules.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <variant>
#include <vector>

namespace ostrelta::testing {
namespace {

struct TSilent {};

// A core description, the number of the rule whose message rejects it, or
// an end without a message.
using TExpected_decision = std::variant<TCore_entry_mode, int, TSilent>;

struct TCore_case {
    const char* name;
    float D, d, h, So, Sc, l;
    TExpected_decision expected;
};

// Failures name the row rather than dumping its bytes.
void PrintTo(const TCore_case& c, std::ostream* os)
{
    *os << c.name;
}

std::string Case_name(const ::testing::TestParamInfo<TCore_case>& info)
{
    return info.param.name;
}

TDesign_input Core_input(float D, float d, float h, float So, float Sc, float l)
{
    TDesign_input input;
    input.D_outer = D;
    input.d_inner = d;
    input.h_height = h;
    input.S_window = So;
    input.S_core = Sc;
    input.l_mean = l;
    return input;
}

class CoreDecision : public ::testing::TestWithParam<TCore_case> {};

TEST_P(CoreDecision, DecidesAsTheFirstMatchingRule)
{
    const TCore_case& c = GetParam();
    const TCore_decision decision = Judge_core_dimensions(Core_input(c.D, c.d, c.h, c.So, c.Sc, c.l));
    if (const auto* mode = std::get_if<TCore_entry_mode>(&c.expected)) {
        ASSERT_TRUE(std::holds_alternative<TCore_entry_mode>(decision));
        EXPECT_EQ(std::get<TCore_entry_mode>(decision), *mode);
    } else if (const auto* rule = std::get_if<int>(&c.expected)) {
        ASSERT_TRUE(std::holds_alternative<TInput_rejection>(decision));
        EXPECT_EQ(std::get<TInput_rejection>(decision).message, Core_rule_messages[static_cast<std::size_t>(*rule)]);
    } else {
        EXPECT_TRUE(std::holds_alternative<TInput_silent_end>(decision));
    }
}

using M = TCore_entry_mode;

// Filled values: a 40 × 25 × 11 mm toroid, or So 5 cm², Sc 1 cm², l 8 cm.
const std::vector<TCore_case> Decision_table{
    {"AllZero", 0, 0, 0, 0, 0, 0, 1},
    {"AllFilled", 40, 25, 11, 5, 1, 8, 2},
    {"Toroid", 40, 25, 11, 0, 0, 0, M::Toroidal},
    {"OuterZero", 0, 25, 11, 0, 0, 0, 3},
    {"InnerZero", 40, 0, 11, 0, 0, 0, 4},
    {"HeightZero", 40, 25, 0, 0, 0, 0, 5},
    {"DiametersZero", 0, 0, 11, 0, 0, 0, 6},
    {"OnlyInner", 0, 25, 0, 0, 0, 0, 7},
    {"OnlyOuter", 40, 0, 0, 0, 0, 0, 8},
    {"Manual", 0, 0, 0, 5, 1, 8, M::Manual},
    {"WindowZero", 0, 0, 0, 0, 1, 8, 9},
    {"SectionZero", 0, 0, 0, 5, 0, 8, 10},
    {"PathZero", 0, 0, 0, 5, 1, 0, 11},
    {"OnlyPath", 0, 0, 0, 0, 0, 8, 12},
    {"OnlySection", 0, 0, 0, 0, 1, 0, 13},
    {"OnlyWindow", 0, 0, 0, 5, 0, 0, 14},
    {"OuterAndWindow", 40, 0, 0, 5, 0, 0, TSilent{}},
    {"ToroidAndPath", 40, 25, 11, 0, 0, 8, TSilent{}},
    {"InnerAndManual", 0, 25, 0, 5, 1, 8, TSilent{}},
    {"AllButHeight", 40, 25, 0, 5, 1, 8, TSilent{}},
};

// The diameters compared as values, and the rules that come before that.
const std::vector<TCore_case> Diameter_order{
    {"EqualDiameters", 25, 25, 11, 0, 0, 0, 7},
    {"InnerLargerThanOuter", 20, 25, 11, 0, 0, 0, 7},
    {"HeightZeroBeforeDiameters", 25, 40, 0, 0, 0, 0, 5},
    {"OuterZeroBeforeDiameters", 0, 25, 11, 0, 0, 0, 3},
    {"NearlyEqualDiametersAccepted", 25.000002f, 25, 11, 0, 0, 0, M::Toroidal},
};

// A negative zero is a zero in every rule.
const std::vector<TCore_case> Negative_zeros{
    {"AllNegativeZero", -0.0f, -0.0f, -0.0f, -0.0f, -0.0f, -0.0f, 1},
    {"OuterNegativeZero", -0.0f, 25, 11, 0, 0, 0, 3},
    {"ToroidWithNegativeZeroManualSet", 40, 25, 11, -0.0f, -0.0f, -0.0f, M::Toroidal},
    {"ManualWithNegativeZeroToroid", -0.0f, -0.0f, -0.0f, 5, 1, 8, M::Manual},
};

INSTANTIATE_TEST_SUITE_P(Table, CoreDecision, ::testing::ValuesIn(Decision_table), Case_name);
INSTANTIATE_TEST_SUITE_P(Diameters, CoreDecision, ::testing::ValuesIn(Diameter_order), Case_name);
INSTANTIATE_TEST_SUITE_P(NegativeZero, CoreDecision, ::testing::ValuesIn(Negative_zeros), Case_name);

// Over all 64 patterns of zeros: the input ends without a message exactly
// when both sets hold a value and not all six are filled (48 patterns), and
// every other pattern is decided, by a rejection or a core description.
TEST(CoreDecisionPatterns, EndsSilentlyExactlyWhenBothSetsArePartlyFilled)
{
    constexpr float Filled[6] = {40, 25, 11, 5, 1, 8};
    int silent_count = 0;
    for (int pattern = 0; pattern < 64; ++pattern) {
        float v[6];
        for (int k = 0; k < 6; ++k) {
            v[k] = (pattern >> k) & 1 ? Filled[k] : 0.0f;
        }
        const bool toroid_any = (pattern & 0b000111) != 0;
        const bool manual_any = (pattern & 0b111000) != 0;
        const bool expect_silent = toroid_any && manual_any && pattern != 0b111111;
        const TCore_decision decision = Judge_core_dimensions(Core_input(v[0], v[1], v[2], v[3], v[4], v[5]));
        const bool silent = std::holds_alternative<TInput_silent_end>(decision);
        EXPECT_EQ(silent, expect_silent) << "pattern " << pattern;
        silent_count += silent ? 1 : 0;
    }
    EXPECT_EQ(silent_count, 48);
}

}  // namespace
}  // namespace ostrelta::testing
