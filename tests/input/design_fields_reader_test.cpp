// Reading all 21 fields of a window: the order in which fields are checked,
// the core rules applied to the typed texts, and the record that results.

#include "expected_messages.h"
#include "input/design_fields_reader.h"
#include "input/field_texts.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

namespace ostrelta::testing {
namespace {

using F = TInput_field;

// A window holding the worked example with the decimal comma; each test
// changes the fields it is about.
class DesignFields : public ::testing::Test {
protected:
    void Set(TInput_field field, std::string text) { texts_[At(field)] = std::move(text); }

    TInput_outcome Read() const { return Read_design_fields(texts_, ","); }

    // The message of the reading; fails the test when it is not a rejection.
    std::string Message() const
    {
        const TInput_outcome outcome = Read();
        if (const auto* rejection = std::get_if<TInput_rejection>(&outcome)) {
            return rejection->message;
        }
        ADD_FAILURE() << "the input was not rejected";
        return {};
    }

    static std::size_t At(TInput_field field) { return static_cast<std::size_t>(Field_index(field)); }

    TField_texts texts_ = Example_field_texts(",");
};

TEST_F(DesignFields, FirstFailingFieldIsTheOnlyOneReported)
{
    Set(F::U_supply, "");
    Set(F::U_rise_pct, "500");
    EXPECT_EQ(Message(), Non_numeric_messages[At(F::U_supply)]);

    Set(F::U_supply, "310");
    EXPECT_EQ(Message(), Too_big_messages[At(F::U_rise_pct)]);
}

TEST_F(DesignFields, LastFieldIsReportedOnlyWhenAllBeforeItPass)
{
    Set(F::S_core, "-1");
    Set(F::l_mean, "x");
    EXPECT_EQ(Message(), Negative_messages[At(F::S_core)]);

    Set(F::S_core, "0");
    EXPECT_EQ(Message(), Non_numeric_messages[At(F::l_mean)]);
}

TEST_F(DesignFields, FieldChecksComeBeforeTheCoreRules)
{
    // Both core sets filled would end silently, but field 21 is negative.
    Set(F::S_window, "5");
    Set(F::l_mean, "-8");
    EXPECT_EQ(Message(), Negative_messages[At(F::l_mean)]);
}

TEST_F(DesignFields, PointWhereTheCommaIsExpectedStopsAtTheFirstFraction)
{
    texts_ = Example_field_texts(".");
    EXPECT_EQ(Message(), Non_numeric_messages[At(F::B_sat)]);
}

TEST_F(DesignFields, InitialStateWithLoadsFilledHasNoCore)
{
    const TField_texts example = texts_;
    texts_ = Initial_field_texts();
    for (int i = 0; i < Field_index(F::D_outer); ++i) {
        texts_[static_cast<std::size_t>(i)] = example[static_cast<std::size_t>(i)];
    }
    EXPECT_EQ(Message(), Core_rule_messages[1]);
}

TEST_F(DesignFields, InnerDiameterNarrowingToOuterIsRejected)
{
    Set(F::D_outer, "40");
    Set(F::d_inner, "40,000001");
    EXPECT_EQ(Message(), Core_rule_messages[7]);
}

TEST_F(DesignFields, OnlyInnerDiameterBringsTheDiameterMessage)
{
    Set(F::D_outer, "0");
    Set(F::h_height, "0");
    EXPECT_EQ(Message(), Core_rule_messages[7]);
}

TEST_F(DesignFields, OuterDiameterNarrowingToZeroCountsAsZero)
{
    Set(F::D_outer, "1e-50");
    EXPECT_EQ(Message(), Core_rule_messages[3]);
}

TEST_F(DesignFields, OuterDiameterBeyondFloatIsRejectedNotCalculated)
{
    Set(F::D_outer, "1e39");
    EXPECT_EQ(Message(), Core_too_big_messages[0]);
}

TEST_F(DesignFields, ValuesInBothCoreSetsEndWithoutMessage)
{
    Set(F::d_inner, "0");
    Set(F::h_height, "0");
    Set(F::S_window, "5");
    EXPECT_TRUE(std::holds_alternative<TInput_silent_end>(Read()));
}

TEST_F(DesignFields, CoreGivenByItsParametersIsCalculatedManually)
{
    Set(F::D_outer, "0");
    Set(F::d_inner, "0");
    Set(F::h_height, "0");
    Set(F::S_window, "5");
    Set(F::S_core, "1,2");
    Set(F::l_mean, "8");
    const TInput_outcome outcome = Read();
    ASSERT_TRUE(std::holds_alternative<TValidated_design>(outcome));
    const TValidated_design& design = std::get<TValidated_design>(outcome);
    EXPECT_EQ(design.mode, TCore_entry_mode::Manual);
    EXPECT_EQ(design.input.S_window, 5.0f);
    EXPECT_EQ(design.input.S_core, 1.2f);
    EXPECT_EQ(design.input.l_mean, 8.0f);
    EXPECT_EQ(design.input.D_outer, 0.0f);
}

// The worked example, written with either separator, reads back as the
// example's values, each in its own member of the record.
struct TSeparator_case {
    const char* name;
    std::string_view separator;
};

// Failures name the row rather than dumping its bytes.
void PrintTo(const TSeparator_case& c, std::ostream* os)
{
    *os << c.name;
}

class ExampleReadBack : public ::testing::TestWithParam<TSeparator_case> {};

TEST_P(ExampleReadBack, GivesTheExampleDesign)
{
    const std::string_view separator = GetParam().separator;
    const TInput_outcome outcome = Read_design_fields(Example_field_texts(separator), separator);
    ASSERT_TRUE(std::holds_alternative<TValidated_design>(outcome));
    const TValidated_design& design = std::get<TValidated_design>(outcome);
    EXPECT_EQ(design.mode, TCore_entry_mode::Toroidal);
    const TDesign_input& in = design.input;
    EXPECT_EQ(in.U_supply, 310.0f);
    EXPECT_EQ(in.U_rise_pct, 20.0f);
    EXPECT_EQ(in.B_sat, 0.38f);
    EXPECT_EQ(in.mu_eff, 2000.0f);
    EXPECT_EQ(in.F_kHz, 50.0f);
    EXPECT_EQ(in.U_load, (std::array<float, Output_count>{50, 25, 10, 6, 40}));
    EXPECT_EQ(in.I_load, (std::array<float, Output_count>{3, 1, 1, 0.5f, 0.3f}));
    EXPECT_EQ(in.D_outer, 40.0f);
    EXPECT_EQ(in.d_inner, 25.0f);
    EXPECT_EQ(in.h_height, 11.0f);
    EXPECT_EQ(in.S_window, 0.0f);
    EXPECT_EQ(in.S_core, 0.0f);
    EXPECT_EQ(in.l_mean, 0.0f);
}

INSTANTIATE_TEST_SUITE_P(Separators, ExampleReadBack,
                         ::testing::Values(TSeparator_case{"Comma", ","}, TSeparator_case{"Point", "."},
                                           TSeparator_case{"TwoByteSeparator", "\u066B"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ostrelta::testing
