// ostrelta-calc: the design calculation of T2 from the command line, for one
// design or a stream of them.

#include "batch_mode.h"
#include "cli_texts.h"
#include "command_line.h"
#include "design_report.h"
#include "input/locale_separator.h"
#include "json_report.h"
#include "plain_report.h"

#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int Usage_exit_status = 64;
constexpr int Io_exit_status = 74;

int Calculate(const ostrelta::TCommand_line& command)
{
    const ostrelta::TDesign_report report = ostrelta::Evaluate_design(command.design.Request(command.design.separator));
    if (command.json) {
        std::cout << ostrelta::Json_text(ostrelta::Json_report(report), 2) << '\n';
    } else {
        ostrelta::Write_plain_report(std::cout, report);
        if (report.status == ostrelta::TReport_status::Silent) {
            std::cerr << ostrelta::Cli_text(ostrelta::TCli_text::Silent_end) << '\n';
        }
    }
    std::cout.flush();
    return std::cout ? ostrelta::Exit_status(report) : Io_exit_status;
}

}  // namespace

// Every variant is tested before it is taken and no stream throws, so only a
// failed allocation can leave main; std::terminate reporting it is enough.
int main(int argc, char** argv)  // NOLINT(bugprone-exception-escape)
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const auto parsed = ostrelta::Parse_command_line(arguments, ostrelta::Locale_decimal_separator());
    if (const auto* error = std::get_if<ostrelta::TUsage_error>(&parsed)) {
        std::cerr << "ostrelta-calc: " << error->message << '\n'
                  << ostrelta::Cli_text(ostrelta::TCli_text::Usage_hint) << '\n';
        return Usage_exit_status;
    }
    const auto& command = std::get<ostrelta::TCommand_line>(parsed);
    switch (command.action) {
    case ostrelta::TCli_action::Help:
        std::cout << ostrelta::Cli_text(ostrelta::TCli_text::Help);
        return std::cout.flush() ? 0 : Io_exit_status;
    case ostrelta::TCli_action::Version:
        std::cout << "ostrelta-calc " OSTRELTA_VERSION "\n";
        return std::cout.flush() ? 0 : Io_exit_status;
    case ostrelta::TCli_action::Batch: return ostrelta::Run_batch(std::cin, std::cout, command.design);
    case ostrelta::TCli_action::Calculate: break;
    }
    return Calculate(command);
}
