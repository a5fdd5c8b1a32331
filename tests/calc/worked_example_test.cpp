// The worked example in each of the three converters: every stored result as
// an exact float, the one warning, and every text the window shows.

#include "calc/design_calculation.h"
#include "calc/result_texts.h"
#include "test_support.h"

#include <array>
#include <string>

namespace ostrelta::testing {
namespace {

struct TTopology_case {
    const char* name;
    TConverter_topology topology;
    float U1, w1, L1, L1_mH, I1_rect, I1_tri, I1_max, d1;
    const char *U1_text, *I1_max_text, *I1_rect_text, *I1_tri_text, *w1_text, *L1_text, *d1_text;

    friend void PrintTo(const TTopology_case& c, std::ostream* os) { *os << c.name; }
};

const TTopology_case Topology_cases[] = {
    {"HalfBridge", TConverter_topology::Bridge_floor, 184.39999f, 47.055820f, 0.0044966307f, 4.4966307f, 1.11f, 0.21f,
     1.32f, 0.68934751f, "184,4", "1,32", "1,11", "0,21", "47", "4,497", "0,69"},
    {"FullBridge", TConverter_topology::Bridge, 370.39999f, 94.519936f, 0.018142927f, 18.142927f, 0.55f, 0.10f, 0.65f,
     0.48373544f, "370,4", "0,65", "0,55", "0,10", "95", "18,143", "0,48"},
    {"CentreTapped", TConverter_topology::With_average_conclusion, 743.20001f, 189.65231f, 0.073042698f, 73.042702f,
     0.55f, 0.10f, 0.65f, 0.48373544f, "743,2", "0,65", "0,55", "0,10", "190", "73,043", "0,48"},
};

class WorkedExample : public ::testing::TestWithParam<TTopology_case> {};

TEST_P(WorkedExample, StoresEveryResultAsTheExactFloat)
{
    const TTopology_case& c = GetParam();
    const TCalculation_outcome outcome =
        Run_design_calculation(Example_input(), c.topology, TCore_entry_mode::Toroidal);
    const TDesign_results& r = outcome.results;

    EXPECT_SAME_FLOAT(r.P_load, 200.0f);
    EXPECT_EQ(r.output_active, (std::array<bool, 5>{true, true, true, true, true}));
    EXPECT_SAME_FLOAT(r.U_supply_max, 372.0f);
    EXPECT_SAME_FLOAT(r.efficiency, 0.98119229f);
    EXPECT_SAME_FLOAT(r.efficiency_pct, 98.119232f);
    EXPECT_SAME_FLOAT(r.f_Hz, 50000.0f);
    EXPECT_SAME_FLOAT(r.P_used, 203.83365f);
    EXPECT_SAME_FLOAT(r.S_window, 4.9087386f);
    EXPECT_SAME_FLOAT(r.S_core, 0.82499999f);
    EXPECT_SAME_FLOAT(r.l_mean, 10.210176f);
    EXPECT_SAME_FLOAT(r.B_work, 0.23749999f);
    EXPECT_SAME_FLOAT(r.P_trial, 379.5f);
    EXPECT_SAME_FLOAT(r.current_density, 2.7319849f);
    EXPECT_SAME_FLOAT(r.P_overall, 386.73294f);

    EXPECT_SAME_FLOAT(r.U1, c.U1);
    EXPECT_SAME_FLOAT(r.w1, c.w1);
    EXPECT_SAME_FLOAT(r.L1, c.L1);
    EXPECT_SAME_FLOAT(r.L1_mH, c.L1_mH);
    EXPECT_SAME_FLOAT(r.I1_rect, c.I1_rect);
    EXPECT_SAME_FLOAT(r.I1_tri, c.I1_tri);
    EXPECT_SAME_FLOAT(r.I1_max, c.I1_max);
    EXPECT_SAME_FLOAT(r.d1, c.d1);

    // The turns ratio w1 / U1 does not depend on the converter, so neither do the secondaries.
    const std::array<float, 5> w2{12.759171f, 6.3795853f, 2.5518341f, 1.5311005f, 10.207336f};
    const std::array<float, 5> d2{1.0392305f, 0.60000002f, 0.60000002f, 0.42426407f, 0.32863355f};
    for (int k = 0; k < 5; ++k) {
        SCOPED_TRACE("output " + std::to_string(k + 1));
        EXPECT_SAME_FLOAT(r.w2[k], w2[k]);
        EXPECT_SAME_FLOAT(r.d2[k], d2[k]);
    }
}

TEST_P(WorkedExample, EndsWithOnlyTheTriangularCurrentWarning)
{
    const TCalculation_outcome outcome =
        Run_design_calculation(Example_input(), GetParam().topology, TCore_entry_mode::Toroidal);
    EXPECT_EQ(outcome.warnings, std::vector{TCalculation_message::Triangular_current_high});
    EXPECT_FALSE(outcome.error.has_value());
}

TEST_P(WorkedExample, ShowsTheTextsOfEveryResultRow)
{
    const TTopology_case& c = GetParam();
    const TCalculation_outcome outcome =
        Run_design_calculation(Example_input(), c.topology, TCore_entry_mode::Toroidal);
    const TResult_texts t = Result_texts(outcome.results, ",");

    EXPECT_EQ(t.P_load, "200,0");
    EXPECT_EQ(t.P_used, "203,8");
    EXPECT_EQ(t.P_overall, "387");
    EXPECT_EQ(t.efficiency_pct, "98,1");
    EXPECT_EQ(t.U1, c.U1_text);
    EXPECT_EQ(t.I1_max, c.I1_max_text);
    EXPECT_EQ(t.I1_rect, c.I1_rect_text);
    EXPECT_EQ(t.I1_tri, c.I1_tri_text);
    EXPECT_EQ(t.w1, c.w1_text);
    EXPECT_EQ(t.L1, c.L1_text);
    EXPECT_EQ(t.L1_caption, "Индуктивность первичной обмотки Т2 L1, мГн");
    EXPECT_EQ(t.d1, c.d1_text);
    EXPECT_EQ(t.w2, (std::array<std::string, 5>{"13", "6", "3", "2", "10"}));
    EXPECT_EQ(t.d2, (std::array<std::string, 5>{"1,04", "0,60", "0,60", "0,42", "0,33"}));
    EXPECT_EQ(t.S_window, "4,909");
    EXPECT_EQ(t.S_core, "0,825");
    EXPECT_EQ(t.l_mean, "10,210");
}

TEST_P(WorkedExample, WritesThePointWhereTheLocaleUsesIt)
{
    const TCalculation_outcome outcome =
        Run_design_calculation(Example_input(), GetParam().topology, TCore_entry_mode::Toroidal);
    const TResult_texts t = Result_texts(outcome.results, ".");
    EXPECT_EQ(t.P_used, "203.8");
    EXPECT_EQ(t.l_mean, "10.210");
    EXPECT_EQ(t.d2[4], "0.33");
}

INSTANTIATE_TEST_SUITE_P(AllConverters, WorkedExample, ::testing::ValuesIn(Topology_cases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ostrelta::testing
