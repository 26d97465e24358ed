// Running code or programs in child processes: fault set-ups (resource
// limits, another user, SIGKILL) stay out of the test process, and each run
// reports how it ended, how long it took and how much memory it needed.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace sazbar::hardening {

struct ChildResult {
    bool ended = false;     // false: still running at the deadline, then killed
    int exitCode = -1;      // when it exited
    int signal = 0;         // when a signal ended it
    long peakRssKb = 0;     // see runInChild / runProgram
    double seconds = 0;
};

inline long selfPeakRssKb() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

// Waits for `pid` up to `timeout`, killing it when it has not ended by then.
inline ChildResult waitFor(pid_t pid, std::chrono::milliseconds timeout) {
    ChildResult r;
    const auto start = std::chrono::steady_clock::now();
    int status = 0;
    rusage usage{};
    for (;;) {
        const pid_t got = wait4(pid, &status, WNOHANG, &usage);
        if (got == pid) break;
        if (std::chrono::steady_clock::now() - start > timeout) {
            kill(pid, SIGKILL);
            wait4(pid, &status, 0, &usage);
            r.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            return r;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    r.ended = true;
    r.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (WIFEXITED(status)) r.exitCode = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) r.signal = WTERMSIG(status);
    r.peakRssKb = usage.ru_maxrss;
    return r;
}

// Runs `body` in a forked child; its int result is the exit code (an
// exception gives 99). peakRssKb is how far the child's peak resident size
// grew while `body` ran, above what it inherited.
template <typename Body>
ChildResult runInChild(Body&& body, std::chrono::milliseconds timeout = std::chrono::seconds(60)) {
    int fds[2];
    if (pipe(fds) != 0) return {};
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        const long before = selfPeakRssKb();
        int code = 99;
        try {
            code = body();
        } catch (...) {
        }
        const long grown = selfPeakRssKb() - before;
        (void)!write(fds[1], &grown, sizeof grown);
        _exit(code);
    }
    close(fds[1]);
    ChildResult r = waitFor(pid, timeout);
    long grown = -1;
    r.peakRssKb = read(fds[0], &grown, sizeof grown) == sizeof grown ? grown : -1;
    close(fds[0]);
    return r;
}

// Runs a program with standard input and output redirected to files.
// peakRssKb is the program's own peak resident size (posix_spawn shares the
// parent's memory until exec, so none of the test's is counted).
inline ChildResult runProgram(const std::vector<std::string>& argv, const std::filesystem::path& in,
                              const std::filesystem::path& out, const std::filesystem::path& err,
                              std::chrono::milliseconds timeout = std::chrono::seconds(120)) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) return {};
    return waitFor(pid, timeout);
}

inline std::string slurp(const std::filesystem::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

inline void spit(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary | std::ios::trunc) << bytes;
}

// A fresh folder under the temporary directory, removed at the end of the scope.
class ScratchDir {
public:
    explicit ScratchDir(const std::string& name)
        : m_path(std::filesystem::temp_directory_path() / ("sazbar_hardening_" + name + "_" + std::to_string(getpid()))) {
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~ScratchDir() {
        std::error_code ec;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(m_path, ec);
    }
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

}  // namespace sazbar::hardening
