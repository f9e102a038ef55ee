#include "program/program_run.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <map>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace ferlo::testing {

namespace {

// The test's environment with `changes` applied, as "NAME=value" strings.
std::vector<std::string> environmentWith(const std::vector<std::pair<std::string, std::string>>& changes) {
    std::map<std::string, std::string> variables;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        const auto equals = text.find('=');
        if (equals != std::string::npos) variables[text.substr(0, equals)] = text.substr(equals + 1);
    }
    for (const auto& [name, value] : changes) variables[name] = value;
    std::vector<std::string> result;
    for (const auto& [name, value] : variables) result.push_back(name + "=" + value);
    return result;
}

}  // namespace

ProgramRun::ProgramRun(const std::string& program, const Options& options) {
    // Everything the child needs is made before the fork: after it only
    // async-signal-safe calls are allowed.
    std::vector<std::string> environment = environmentWith(options.environment);
    std::vector<char*> envp;
    for (std::string& entry : environment) envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::string path = program;
    char* argv[] = {path.data(), nullptr};
    rlimit limit{};
    if (options.fileSizeLimit) limit.rlim_cur = limit.rlim_max = *options.fileSizeLimit;

    pid_ = fork();
    if (pid_ < 0) throw std::runtime_error(std::string("fork: ") + std::strerror(errno));
    if (pid_ == 0) {
        // The child starts with the signals' default actions, whatever the
        // test process ignores: exec keeps an ignored signal ignored.
        signal(SIGXFSZ, SIG_DFL);
        if (options.fileSizeLimit && setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(126);
        execve(path.c_str(), argv, envp.data());
        _exit(127);
    }
}

ProgramRun::~ProgramRun() {
    if (!running()) return;
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
}

bool ProgramRun::running() {
    if (status_) return false;
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) status_ = status;
    return !status_;
}

std::optional<int> ProgramRun::waitForExit(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (running() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return status_;
}

std::string describeStatus(int status) {
    if (WIFEXITED(status)) return "exit " + std::to_string(WEXITSTATUS(status));
    if (WIFSIGNALED(status)) {
        return "signal " + std::to_string(WTERMSIG(status)) + " (" + strsignal(WTERMSIG(status)) + ")";
    }
    return "status " + std::to_string(status);
}

}  // namespace ferlo::testing
