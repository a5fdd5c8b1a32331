// Reading one field: the bounds of each field applied to the value narrowed
// to a float, the message each broken bound brings, and numbers too large
// for a float.

#include "expected_messages.h"
#include "input/field_reading.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <ostream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace ostrelta::testing {
namespace {

using F = TInput_field;

// Either the value the field accepts or the message it brings.
using TExpected = std::variant<float, std::string_view>;

struct TField_case {
    std::string name;
    TInput_field field;
    std::string text;
    TExpected expected;
};

// Failures name the row rather than dumping its bytes.
void PrintTo(const TField_case& c, std::ostream* os)
{
    *os << c.name;
}

std::string Case_name(const ::testing::TestParamInfo<TField_case>& info)
{
    return info.param.name;
}

std::size_t At(TInput_field field)
{
    return static_cast<std::size_t>(Field_index(field));
}

class FieldReading : public ::testing::TestWithParam<TField_case> {};

TEST_P(FieldReading, AcceptsTheNarrowedValueOrGivesTheMessage)
{
    const TField_case& c = GetParam();
    const TField_reading reading = Read_field(c.field, c.text, ",");
    if (const auto* value = std::get_if<float>(&c.expected)) {
        ASSERT_TRUE(std::holds_alternative<float>(reading)) << std::get<TInput_rejection>(reading).message;
        EXPECT_EQ(std::get<float>(reading), *value);
    } else {
        ASSERT_TRUE(std::holds_alternative<TInput_rejection>(reading)) << std::get<float>(reading);
        EXPECT_EQ(std::get<TInput_rejection>(reading).message, std::get<std::string_view>(c.expected));
    }
}

// Values on both sides of each bound, with the decimal comma. A bound applies
// to the value narrowed to a float, not to the typed digits.
const std::vector<TField_case> Bounds{
    {"SupplyUpperBound", F::U_supply, "2000", 2000.0f},
    {"SupplyJustAboveUpperBound", F::U_supply, "2000,001", Too_big_messages[At(F::U_supply)]},
    {"SupplyNarrowsToUpperBound", F::U_supply, "2000,00001", 2000.0f},
    {"SupplyLowerBound", F::U_supply, "3,5", 3.5f},
    {"SupplyJustBelowLowerBound", F::U_supply, "3,49", Supply_too_small_message},
    {"SupplyNarrowsToLowerBound", F::U_supply, "3,4999999", 3.5f},
    {"SupplyZero", F::U_supply, "0", Supply_zero_message},
    {"SupplyNegativeZeroIsZero", F::U_supply, "-0", Supply_zero_message},
    {"SupplyNarrowsToZero", F::U_supply, "1e-50", Supply_zero_message},
    {"SupplyNegative", F::U_supply, "-1", Negative_messages[At(F::U_supply)]},
    {"SupplyEmpty", F::U_supply, "", Non_numeric_messages[At(F::U_supply)]},
    {"SupplySpacesOnly", F::U_supply, "   ", Non_numeric_messages[At(F::U_supply)]},
    {"SupplyPlusSign", F::U_supply, "+12", 12.0f},
    {"SupplySpacesAround", F::U_supply, "  12  ", 12.0f},
    {"SupplyExponent", F::U_supply, "1,5e3", 1500.0f},
    {"SupplyPointInsteadOfComma", F::U_supply, "12.5", Non_numeric_messages[At(F::U_supply)]},
    {"RiseZero", F::U_rise_pct, "0", 0.0f},
    {"RiseNegativeZero", F::U_rise_pct, "-0", 0.0f},
    {"RiseUpperBound", F::U_rise_pct, "100", 100.0f},
    {"RiseAboveUpperBound", F::U_rise_pct, "100,01", Too_big_messages[At(F::U_rise_pct)]},
    {"RiseNegative", F::U_rise_pct, "-1", Negative_messages[At(F::U_rise_pct)]},
    {"SaturationSmall", F::B_sat, "0,0001", 0.0001f},
    {"SaturationUpperBound", F::B_sat, "100", 100.0f},
    {"SaturationAboveUpperBound", F::B_sat, "100,01", Too_big_messages[At(F::B_sat)]},
    {"SaturationZero", F::B_sat, "0", Saturation_zero_message},
    {"SaturationNegativeZero", F::B_sat, "-0", Saturation_zero_message},
    {"SaturationNarrowsToZero", F::B_sat, "1e-50", Saturation_zero_message},
    {"SaturationNegative", F::B_sat, "-0,5", Negative_messages[At(F::B_sat)]},
    {"PermeabilityUpperBound", F::mu_eff, "1000000", 1000000.0f},
    {"PermeabilityNarrowsToUpperBound", F::mu_eff, "1000000,03", 1000000.0f},
    {"PermeabilityAboveUpperBound", F::mu_eff, "1000001", Too_big_messages[At(F::mu_eff)]},
    {"PermeabilityZero", F::mu_eff, "0", Permeability_zero_message},
    {"PermeabilityNegative", F::mu_eff, "-1", Negative_messages[At(F::mu_eff)]},
    {"FrequencyLowerBound", F::F_kHz, "4", 4.0f},
    {"FrequencyNarrowsToLowerBound", F::F_kHz, "3,9999999", 4.0f},
    {"FrequencyBelowLowerBound", F::F_kHz, "3,999", Frequency_too_small_message},
    {"FrequencyUpperBound", F::F_kHz, "500", 500.0f},
    {"FrequencyAboveUpperBound", F::F_kHz, "500,01", Too_big_messages[At(F::F_kHz)]},
    {"FrequencyZero", F::F_kHz, "0", Frequency_zero_message},
    {"FrequencyNegative", F::F_kHz, "-5", Negative_messages[At(F::F_kHz)]},
    {"LoadVoltageZero", F::U_load1, "0", 0.0f},
    {"LoadVoltageUpperBound", F::U_load5, "15000", 15000.0f},
    {"LoadVoltageNarrowsToUpperBound", F::U_load3, "15000,0001", 15000.0f},
    {"LoadVoltageAboveUpperBound", F::U_load2, "15001", Too_big_messages[At(F::U_load2)]},
    {"LoadCurrentZero", F::I_load5, "0", 0.0f},
    {"LoadCurrentUpperBound", F::I_load1, "5000", 5000.0f},
    {"LoadCurrentAboveUpperBound", F::I_load4, "5000,5", Too_big_messages[At(F::I_load4)]},
    {"LoadCurrentNegative", F::I_load3, "-0,5", Negative_messages[At(F::I_load3)]},
    {"CoreZero", F::D_outer, "0", 0.0f},
    {"CoreLarge", F::S_window, "1e30", 1e30f},
    {"CoreNarrowsToZero", F::h_height, "1e-50", 0.0f},
    {"CoreTinyNegativeIsZeroNotNegative", F::l_mean, "-1e-50", 0.0f},
    {"CoreNegative", F::d_inner, "-1", Negative_messages[At(F::d_inner)]},
};

// Numbers that convert but that no float can hold. They are rejected, never
// taken as infinity: positive ones as too big, negative ones as negative.
// Rounding to a float overflows from 3,40282356779733661637…e38 on, half a
// unit above the largest float.
const std::vector<TField_case> Beyond_float{
    {"SupplyHuge", F::U_supply, "1e39", Too_big_messages[At(F::U_supply)]},
    {"SupplyHugeNegative", F::U_supply, "-1e39", Negative_messages[At(F::U_supply)]},
    {"SupplyBeyondFloatExponent", F::U_supply, "1e4000", Too_big_messages[At(F::U_supply)]},
    {"FrequencyHugeNegative", F::F_kHz, "-1e39", Negative_messages[At(F::F_kHz)]},
    {"LoadCurrentHuge", F::I_load2, "1e39", Too_big_messages[At(F::I_load2)]},
    {"CoreOuterHuge", F::D_outer, "1e39", Core_too_big_messages[0]},
    {"CorePathBeyondFloatExponent", F::l_mean, "1e4000", Core_too_big_messages[5]},
    {"CoreSectionHugeNegative", F::S_core, "-1e39", Negative_messages[At(F::S_core)]},
    {"CoreLargestFloat", F::S_window, "3,4028235e38", FLT_MAX},
    {"CoreJustBelowOverflow", F::S_window, "3,4028235677973366e38", FLT_MAX},
    {"CoreJustAboveOverflow", F::S_window, "3,4028235677973367e38", Core_too_big_messages[3]},
};

// The full text of every field-specific message, field by field.
std::vector<TField_case> Every_field_message()
{
    std::vector<TField_case> cases;
    for (int i = 0; i < Field_count; ++i) {
        const TInput_field field = Field_at(i);
        const std::string name(Field_name(field));
        const auto index = static_cast<std::size_t>(i);
        cases.push_back({"NonNumeric_" + name, field, "x", Non_numeric_messages[index]});
        cases.push_back({"Negative_" + name, field, "-1", Negative_messages[index]});
        if (field < F::D_outer) {
            cases.push_back({"TooBig_" + name, field, "1e30", Too_big_messages[index]});
        } else {
            cases.push_back({"BeyondFloat_" + name, field, "1e39", Core_too_big_messages[index - At(F::D_outer)]});
        }
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Bounds, FieldReading, ::testing::ValuesIn(Bounds), Case_name);
INSTANTIATE_TEST_SUITE_P(BeyondFloat, FieldReading, ::testing::ValuesIn(Beyond_float), Case_name);
INSTANTIATE_TEST_SUITE_P(Messages, FieldReading, ::testing::ValuesIn(Every_field_message()), Case_name);

}  // namespace
}  // namespace ostrelta::testing
