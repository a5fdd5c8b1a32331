// ostrelta-calc through its process: plain rows, JSON, batch lines, exit
// statuses and decimal separators.

#include "process_runner.h"

#include "calc/calc_texts.h"
#include "calc/calculation_message.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace ostrelta::testing {
namespace {

using json = nlohmann::json;

TProcess_result Calc(const std::vector<std::string>& arguments, const std::string& input = {},
                     const std::vector<std::string>& environment = {"LC_ALL=C"})
{
    return Run_process(OSTRELTA_CALC_PATH, arguments, input, environment);
}

std::vector<std::string> Lines_of(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::string Row(TCalc_text caption, const std::string& value)
{
    return std::string(Calc_text(caption)) + "\t" + value;
}

std::uint32_t Bits(float value)
{
    return std::bit_cast<std::uint32_t>(value);
}

TEST(PlainOutput, ExampleShowsTheWarningThenEveryRow)
{
    const TProcess_result run = Calc({"--example", "--separator", ","});
    EXPECT_EQ(run.exit_status, 0);
    const std::vector<std::string> lines = Lines_of(run.out);
    ASSERT_EQ(lines.size(), 17u);
    EXPECT_EQ(lines[0], Message_text(TCalculation_message::Triangular_current_high));
    EXPECT_EQ(lines[1], Row(TCalc_text::Row_P_load, "200,0"));
    EXPECT_EQ(lines[3], Row(TCalc_text::Row_P_overall, "387"));
    EXPECT_EQ(lines[10], Row(TCalc_text::L1_caption_mH, "4,497"));
    EXPECT_EQ(lines[12], Row(TCalc_text::Row_w2, "13\t6\t3\t2\t10"));
    EXPECT_EQ(lines[13], Row(TCalc_text::Row_d2, "1,04\t0,60\t0,60\t0,42\t0,33"));
    EXPECT_EQ(lines[16], Row(TCalc_text::Row_l_mean, "10,210"));
}

TEST(PlainOutput, TopologyChangesThePrimary)
{
    const TProcess_result run = Calc({"--example", "--separator=,", "--topology", "centre-tapped"});
    EXPECT_EQ(Lines_of(run.out)[5], Row(TCalc_text::Row_U1, "743,2"));
}

TEST(PlainOutput, ManualCoreAndInactiveOutputsLeaveTheirColumnsOut)
{
    const TProcess_result run = Calc({"--example", "D_outer=0", "d_inner=0", "h_height=0", "S_window=2", "S_core=1",
                                      "l_mean=5", "U_load3=0", "I_load5=0"});
    EXPECT_EQ(run.exit_status, 0);
    const std::vector<std::string> lines = Lines_of(run.out);
    // One warning, then thirteen rows: no core rows for a core given by its parameters.
    ASSERT_EQ(lines.size(), 1u + 13u);
    EXPECT_EQ(lines[0], Message_text(TCalculation_message::Triangular_current_high));
    EXPECT_EQ(lines[13].substr(0, lines[13].find('\t')), Calc_text(TCalc_text::Row_d2));
    EXPECT_EQ(std::count(lines[13].begin(), lines[13].end(), '\t'), 3);
}

// ---- Separators -------------------------------------------------------------

TEST(Separator, CommaTextIsRefusedWhereThePointIsUsed)
{
    const TProcess_result run = Calc({"--example", "--separator", ".", "B_sat=0,38"});
    EXPECT_EQ(run.exit_status, 2);
    EXPECT_NE(run.out.find("введены нечисловые данные"), std::string::npos);
}

class LocaleSeparator : public ::testing::TestWithParam<std::pair<const char*, const char*>> {};

TEST_P(LocaleSeparator, DefaultsToTheLocales)
{
    const std::string locales = OSTRELTA_TEST_LOCALES;
    const auto [locale, p_used] = GetParam();
    if (std::string(locale) != "C" && !std::filesystem::exists(locales + "/" + locale)) {
        GTEST_SKIP() << locale << " is not compiled";
    }
    const TProcess_result run =
        Run_process(OSTRELTA_CALC_PATH, {"--example"}, {}, {"LOCPATH=" + locales, "LC_ALL=" + std::string(locale)});
    EXPECT_EQ(run.exit_status, 0);
    EXPECT_EQ(Lines_of(run.out)[2], Row(TCalc_text::Row_P_used, p_used));
}

INSTANTIATE_TEST_SUITE_P(Locales, LocaleSeparator,
                         ::testing::Values(std::pair{"ru_RU.UTF-8", "203,8"}, std::pair{"en_US.UTF-8", "203.8"},
                                           std::pair{"C", "203.8"}));

// ---- JSON -------------------------------------------------------------------

TEST(JsonOutput, ExampleNumbersReadBackToTheIdenticalFloats)
{
    const TProcess_result run = Calc({"--example", "--json", "--separator", ","});
    EXPECT_EQ(run.exit_status, 0);
    const json object = json::parse(run.out);
    EXPECT_EQ(object["status"], "ok");
    EXPECT_EQ(object["core_entry_mode"], "toroidal");
    EXPECT_TRUE(object["rejection"].is_null());
    EXPECT_TRUE(object["error"].is_null());
    ASSERT_EQ(object["warnings"].size(), 1u);
    EXPECT_EQ(object["warnings"][0]["id"], "Triangular_current_high");
    EXPECT_EQ(object["warnings"][0]["text"], Message_text(TCalculation_message::Triangular_current_high));

    const json& results = object["results"];
    EXPECT_EQ(Bits(results["efficiency"].get<float>()), Bits(0.98119229f));
    EXPECT_EQ(Bits(results["S_core"].get<float>()), Bits(0.82499999f));
    EXPECT_EQ(Bits(results["P_overall"].get<float>()), Bits(386.73294f));
    EXPECT_EQ(Bits(results["L1"].get<float>()), Bits(0.0044966307f));
    EXPECT_EQ(Bits(results["d2"][4].get<float>()), Bits(0.32863355f));
    EXPECT_EQ(results["output_active"], json::array({true, true, true, true, true}));
    EXPECT_EQ(results.size(), 24u);

    EXPECT_EQ(object["texts"]["P_used"], "203,8");
    EXPECT_EQ(object["texts"]["w2"], json::array({"13", "6", "3", "2", "10"}));
    EXPECT_EQ(object["L1_caption"], Calc_text(TCalc_text::L1_caption_mH));
}

TEST(JsonOutput, ErrorKeepsTheResultsOfTheStagesRun)
{
    const TProcess_result run =
        Calc({"--example", "--json", "U_load1=100", "I_load1=60", "U_load2=0", "U_load3=0", "U_load4=0", "U_load5=0"});
    EXPECT_EQ(run.exit_status, 1);
    const json object = json::parse(run.out);
    EXPECT_EQ(object["status"], "error");
    EXPECT_EQ(object["error"]["id"], "Overall_below_used");
    EXPECT_TRUE(object["results"].contains("P_overall"));
    EXPECT_FALSE(object["results"].contains("U1"));
    EXPECT_FALSE(object.contains("texts"));
}

TEST(JsonOutput, RejectionHasNoResults)
{
    const TProcess_result run = Calc({"--json"});
    EXPECT_EQ(run.exit_status, 2);
    const json object = json::parse(run.out);
    EXPECT_EQ(object["status"], "rejected");
    EXPECT_TRUE(object["core_entry_mode"].is_null());
    EXPECT_NE(object["rejection"].get<std::string>().find("Постоянное напряжение"), std::string::npos);
    EXPECT_TRUE(object["results"].is_null());
}

// ---- Exit statuses ----------------------------------------------------------

struct TExit_case {
    const char* name;
    std::vector<std::string> arguments;
    int exit_status;
    bool writes_stdout;
    bool writes_stderr;
    friend void PrintTo(const TExit_case& c, std::ostream* os) { *os << c.name; }
};

class ExitStatus : public ::testing::TestWithParam<TExit_case> {};

TEST_P(ExitStatus, TellsHowTheDesignEnded)
{
    const TExit_case& c = GetParam();
    const TProcess_result run = Calc(c.arguments);
    EXPECT_EQ(run.exit_status, c.exit_status);
    EXPECT_EQ(!run.out.empty(), c.writes_stdout) << run.out;
    EXPECT_EQ(!run.err.empty(), c.writes_stderr) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExitStatus,
    ::testing::Values(TExit_case{"Results", {"--example"}, 0, true, false},
                      TExit_case{"CalculationError", {"--example", "I_load1=60", "U_load1=100"}, 1, true, false},
                      TExit_case{"EmptyField", {"--example", "U_supply="}, 2, true, false},
                      TExit_case{"FieldTooBig", {"--example", "F_kHz=501"}, 2, true, false},
                      TExit_case{"BothCoreDescriptions", {"--example", "S_window=5"}, 2, false, true},
                      TExit_case{"UnknownOption", {"--frobnicate"}, 64, false, true},
                      TExit_case{"UnknownTopology", {"--topology", "flyback"}, 64, false, true},
                      TExit_case{"MissingTopology", {"--topology"}, 64, false, true},
                      TExit_case{"UnknownField", {"V_supply=310"}, 64, false, true},
                      TExit_case{"NotAnAssignment", {"310"}, 64, false, true},
                      TExit_case{"DigitAsSeparator", {"--separator", "5"}, 64, false, true},
                      TExit_case{"Help", {"--help"}, 0, true, false},
                      TExit_case{"Version", {"--version"}, 0, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Batch ------------------------------------------------------------------

TEST(BatchMode, AnswersEveryLineInOrderAndGoesOnAfterAMalformedOne)
{
    const std::string input = R"({"fields": {"U_supply": "310"}})"
                              "\n"
                              "{not json\n"
                              R"({"topology": "full-bridge", "separator": ",", "fields": {"B_sat": "0,38"}})"
                              "\n"
                              R"({"fields": {"U_supply": 310}})"
                              "\n"
                              R"({"fields": {"S_window": "5"}})"
                              "\n";
    const TProcess_result run = Calc({"--example", "--batch"}, input);
    EXPECT_EQ(run.exit_status, 0);
    const std::vector<std::string> lines = Lines_of(run.out);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(json::parse(lines[0])["status"], "ok");
    EXPECT_EQ(json::parse(lines[1])["status"], "invalid");
    EXPECT_FALSE(json::parse(lines[1])["message"].get<std::string>().empty());
    const json full_bridge = json::parse(lines[2]);
    EXPECT_EQ(full_bridge["status"], "ok");
    EXPECT_EQ(full_bridge["texts"]["U1"], "370,4");
    EXPECT_EQ(json::parse(lines[3])["status"], "invalid");
    EXPECT_EQ(json::parse(lines[4])["status"], "silent");
}

TEST(BatchMode, EmptyInputGivesNoAnswer)
{
    const TProcess_result run = Calc({"--batch"}, "");
    EXPECT_EQ(run.exit_status, 0);
    EXPECT_TRUE(run.out.empty());
}

TEST(BatchMode, AnswersALineBeforeTheNextIsWritten)
{
    TLine_dialogue dialogue(OSTRELTA_CALC_PATH, {"--batch", "--example"});
    dialogue.Send_line("{}");
    const std::string first = dialogue.Receive_line(10000);
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(json::parse(first)["status"], "ok");
    dialogue.Send_line(R"({"fields": {"F_kHz": "1000"}})");
    const std::string second = dialogue.Receive_line(10000);
    ASSERT_FALSE(second.empty());
    EXPECT_EQ(json::parse(second)["status"], "rejected");
    EXPECT_EQ(dialogue.Finish(), 0);
}

}  // namespace
}  // namespace ostrelta::testing
