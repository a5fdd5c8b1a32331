// The acceptance checks at their boundaries, one float apart.

#include "calc/acceptance_checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace ostrelta {
namespace {

using Msg = TCalculation_message;

float Above(float x)
{
    return std::nextafter(x, std::numeric_limits<float>::infinity());
}
float Below(float x)
{
    return std::nextafter(x, -std::numeric_limits<float>::infinity());
}

TEST(OverallPowerCheck, EqualPowersAreTheirOwnError)
{
    EXPECT_EQ(Overall_power_error(203.83365f, 203.83365f), Msg::Overall_equals_used);
    EXPECT_EQ(Overall_power_error(Below(203.83365f), 203.83365f), Msg::Overall_below_used);
    EXPECT_EQ(Overall_power_error(Above(203.83365f), 203.83365f), std::nullopt);
}

TEST(OverallPowerCheck, MarginIsMeasuredWithTheDoubleNearestAFifth)
{
    // The double 0.2 lies a hair above 0.2, so an overall power of exactly
    // 1.2 times the used power is still short of the margin; the next float up is not.
    EXPECT_TRUE(Overall_margin_low(6.0f, 5.0f));
    EXPECT_FALSE(Overall_margin_low(Above(6.0f), 5.0f));
    EXPECT_TRUE(Overall_margin_low(Above(5.0f), 5.0f));
    EXPECT_FALSE(Overall_margin_low(386.73294f, 203.83365f));
}

TEST(CurrentShapeCheck, ExactlyATenthOfTheRectangularCurrentIsAccepted)
{
    // The tenth is stored as a float before the comparison: 0.1f itself.
    EXPECT_FALSE(Triangular_current_high(0.1f, 1.0f));
    EXPECT_TRUE(Triangular_current_high(Above(0.1f), 1.0f));
    EXPECT_FALSE(Triangular_current_high(0.11f, 1.11f));
    EXPECT_TRUE(Triangular_current_high(0.21f, 1.11f));
}

struct TLimit_case {
    const char* name;
    float P_load, w1, L1;
    std::optional<Msg> error;

    friend void PrintTo(const TLimit_case& c, std::ostream* os) { *os << c.name; }
};

class LimitChecks : public ::testing::TestWithParam<TLimit_case> {};

TEST_P(LimitChecks, FirstLimitThatHoldsIsTheError)
{
    const TLimit_case& c = GetParam();
    TDesign_results results;
    results.P_load = c.P_load;
    results.w1 = c.w1;
    results.L1 = c.L1;
    EXPECT_EQ(First_limit_error(results), c.error);
}

const float Nan = std::numeric_limits<float>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Boundaries, LimitChecks,
    ::testing::Values(TLimit_case{"Exactly25W", 25, 47, 0.0045f, std::nullopt},
                      TLimit_case{"Exactly5000W", 5000, 47, 0.0045f, std::nullopt},
                      TLimit_case{"JustAbove5000W", Above(5000), 47, 0.0045f, Msg::Load_above_5kW},
                      TLimit_case{"JustBelow25W", Below(25), 47, 0.0045f, Msg::Load_below_25W},
                      TLimit_case{"ExactlyOneTurn", 200, 1, 0.0045f, std::nullopt},
                      TLimit_case{"BelowOneTurn", 200, Below(1), 0.0045f, Msg::Turns_w1_below_1},
                      // The float nearest 1 nH lies below the double 0.000000001.
                      TLimit_case{"FloatNearestOneNanohenry", 200, 47, 1e-9f, Msg::L1_below_1nH},
                      TLimit_case{"NextFloatAboveOneNanohenry", 200, 47, Above(1e-9f), std::nullopt},
                      TLimit_case{"LoadTestedBeforeTurns", 20, 0.5f, 1e-12f, Msg::Load_below_25W},
                      TLimit_case{"TurnsTestedBeforeInductance", 200, 0.5f, 1e-12f, Msg::Turns_w1_below_1},
                      TLimit_case{"UncomputedValuesHoldNoLimit", 200, Nan, Nan, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ostrelta
