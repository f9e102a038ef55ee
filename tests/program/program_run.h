#pragma once

#include <sys/resource.h>
#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace ferlo::testing {

// The program binary started as a child process with the test's environment
// and some variables changed (e.g. HOME), optionally under a file-size limit
// (RLIMIT_FSIZE, as `ulimit -f` sets it). A child still running when the
// object goes is killed.
class ProgramRun {
public:
    struct Options {
        std::vector<std::pair<std::string, std::string>> environment;  // set or replaced
        std::optional<rlim_t> fileSizeLimit;                           // bytes
    };

    ProgramRun(const std::string& program, const Options& options);
    ~ProgramRun();
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    pid_t pid() const { return pid_; }
    // Whether the child has ended; once it has, its wait status.
    bool running();
    std::optional<int> status() const { return status_; }
    // Waits up to `timeout` for the child to end; its wait status, or nothing.
    std::optional<int> waitForExit(std::chrono::milliseconds timeout);

private:
    pid_t pid_ = -1;
    std::optional<int> status_;
};

// The wait status in words: "exit 0", "signal 25 (File size limit exceeded)".
std::string describeStatus(int status);

}  // namespace ferlo::testing
