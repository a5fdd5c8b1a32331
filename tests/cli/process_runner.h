#pragma once

#include <string>
#include <vector>

namespace ostrelta::testing {

struct TProcess_result {
    int exit_status = -1;
    std::string out;
    std::string err;
};

// Runs `program` with `arguments`, extra environment entries ("NAME=value")
// and `input` on its standard input, and waits for it to end.
TProcess_result Run_process(const std::string& program, const std::vector<std::string>& arguments,
                            const std::string& input = {}, const std::vector<std::string>& environment = {});

// A child process spoken to line by line, for answers that must come before
// the next line is written.
class TLine_dialogue {
public:
    TLine_dialogue(const std::string& program, const std::vector<std::string>& arguments);
    ~TLine_dialogue();
    TLine_dialogue(const TLine_dialogue&) = delete;
    TLine_dialogue& operator=(const TLine_dialogue&) = delete;

    void Send_line(const std::string& line);
    // The next line of output, or an empty text when none comes within the timeout.
    std::string Receive_line(int timeout_ms);
    // Closes the child's input and returns its exit status.
    int Finish();

private:
    int pid_ = -1;
    int to_child_ = -1;
    int from_child_ = -1;
    std::string buffered_;
};

}  // namespace ostrelta::testing
