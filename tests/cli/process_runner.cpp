#include "process_runner.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace ostrelta::testing {

namespace {

struct TPipe {
    int read_end = -1;
    int write_end = -1;
    TPipe()
    {
        int ends[2];
        if (pipe2(ends, O_CLOEXEC) != 0) {
            throw std::runtime_error("pipe");
        }
        read_end = ends[0];
        write_end = ends[1];
    }
};

int Spawn(const std::string& program, const std::vector<std::string>& arguments,
          const std::vector<std::string>& environment, int child_in, int child_out, int child_err)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, child_in, 0);
    posix_spawn_file_actions_adddup2(&actions, child_out, 1);
    posix_spawn_file_actions_adddup2(&actions, child_err, 2);

    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        envp.push_back(*entry);
    }
    for (const std::string& entry : environment) {
        envp.push_back(const_cast<char*>(entry.c_str()));
    }
    envp.push_back(nullptr);

    pid_t pid = -1;
    const int failed = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) {
        throw std::runtime_error("cannot start " + program + ": " + std::strerror(failed));
    }
    return pid;
}

std::string Read_all(int fd)
{
    std::string text;
    char buffer[65536];
    ssize_t n = 0;
    while ((n = read(fd, buffer, sizeof buffer)) > 0 || (n < 0 && errno == EINTR)) {
        if (n > 0) {
            text.append(buffer, static_cast<std::size_t>(n));
        }
    }
    return text;
}

void Write_all(int fd, const std::string& text)
{
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = write(fd, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return;
        }
        written += static_cast<std::size_t>(n);
    }
}

int Wait_for(int pid)
{
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace

TProcess_result Run_process(const std::string& program, const std::vector<std::string>& arguments,
                            const std::string& input, const std::vector<std::string>& environment)
{
    TPipe in, out, err;
    const int pid = Spawn(program, arguments, environment, in.read_end, out.write_end, err.write_end);
    close(in.read_end);
    close(out.write_end);
    close(err.write_end);

    std::thread writer([&] {
        Write_all(in.write_end, input);
        close(in.write_end);
    });
    TProcess_result result;
    std::thread error_reader([&] { result.err = Read_all(err.read_end); });
    result.out = Read_all(out.read_end);
    error_reader.join();
    writer.join();
    close(out.read_end);
    close(err.read_end);
    result.exit_status = Wait_for(pid);
    return result;
}

TLine_dialogue::TLine_dialogue(const std::string& program, const std::vector<std::string>& arguments)
{
    TPipe in, out;
    const int null_err = open("/dev/null", O_WRONLY | O_CLOEXEC);
    pid_ = Spawn(program, arguments, {}, in.read_end, out.write_end, null_err);
    close(null_err);
    close(in.read_end);
    close(out.write_end);
    to_child_ = in.write_end;
    from_child_ = out.read_end;
}

TLine_dialogue::~TLine_dialogue()
{
    if (pid_ > 0) {
        Finish();
    }
}

void TLine_dialogue::Send_line(const std::string& line)
{
    Write_all(to_child_, line + "\n");
}

std::string TLine_dialogue::Receive_line(int timeout_ms)
{
    while (buffered_.find('\n') == std::string::npos) {
        pollfd ready{from_child_, POLLIN, 0};
        if (poll(&ready, 1, timeout_ms) <= 0) {
            return {};
        }
        char buffer[65536];
        const ssize_t n = read(from_child_, buffer, sizeof buffer);
        if (n <= 0) {
            return {};
        }
        buffered_.append(buffer, static_cast<std::size_t>(n));
    }
    const std::size_t end = buffered_.find('\n');
    std::string line = buffered_.substr(0, end);
    buffered_.erase(0, end + 1);
    return line;
}

int TLine_dialogue::Finish()
{
    if (to_child_ >= 0) {
        close(to_child_);
        to_child_ = -1;
    }
    Read_all(from_child_);
    close(from_child_);
    from_child_ = -1;
    const int status = Wait_for(pid_);
    pid_ = -1;
    return status;
}

}  // namespace ostrelta::testing
