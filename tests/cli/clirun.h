#pragma once

// Runs the real vetra-cli as a child process and reports what it did: exit status, whether a signal ended it,
// everything it printed, and its peak resident memory. A child that runs past its time is killed.
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <string>
#include <vector>

namespace vetra::test {

struct CliRun {
    int status = -1;     // exit status; -1 when a signal ended the program
    int signal = 0;      // the signal that ended it, if one did
    std::string output;  // stdout and stderr, interleaved
    long peakKb = 0;     // peak resident memory
};

// AddressSanitizer keeps freed memory in quarantine, so a child's resident memory grows with all it ever
// allocated; peak memory says something only in a plain build.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kPeakMemoryIsMeaningful = false;
#else
inline constexpr bool kPeakMemoryIsMeaningful = true;
#endif

// Huge allocations fail at once instead of swapping: the address space is capped, or, under AddressSanitizer
// (which reserves address space of its own), the largest single allocation.
inline void LimitChildMemory(std::size_t megabytes) {
#if defined(__SANITIZE_ADDRESS__)
    std::string options = std::getenv("ASAN_OPTIONS") ? std::getenv("ASAN_OPTIONS") : "";
    options +=
        (options.empty() ? "" : ":") + std::string("max_allocation_size_mb=") + std::to_string(megabytes);
    ::setenv("ASAN_OPTIONS", options.c_str(), 1);
#else
    rlimit limit{megabytes * 1024 * 1024, megabytes * 1024 * 1024};
    ::setrlimit(RLIMIT_AS, &limit);
#endif
}

// Runs vetra-cli with the arguments (no shell), with TEMP and TMP set to tempDir when it is given.
inline CliRun RunCli(const std::vector<std::string>& arguments, const std::string& tempDir = "",
                     unsigned timeoutSeconds = 120, std::size_t memoryLimitMb = 1024) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) return {};
    pid_t child = ::fork();
    if (child == 0) {
        ::dup2(pipeEnds[1], 1);
        ::dup2(pipeEnds[1], 2);
        ::close(pipeEnds[0]);
        ::close(pipeEnds[1]);
        int devnull = ::open("/dev/null", O_RDONLY);
        ::dup2(devnull, 0);
        if (!tempDir.empty()) {
            ::setenv("TEMP", tempDir.c_str(), 1);
            ::setenv("TMP", tempDir.c_str(), 1);
            ::setenv("TMPDIR", tempDir.c_str(), 1);
        }
        LimitChildMemory(memoryLimitMb);
        std::vector<char*> argv{const_cast<char*>(VETRA_CLI_PATH)};
        for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        ::alarm(timeoutSeconds);  // survives exec: a hanging program is ended by SIGALRM
        ::execv(VETRA_CLI_PATH, argv.data());
        ::_exit(127);
    }
    ::close(pipeEnds[1]);
    CliRun run;
    std::array<char, 4096> buffer;
    for (ssize_t n; (n = ::read(pipeEnds[0], buffer.data(), buffer.size())) > 0;)
        run.output.append(buffer.data(), n);
    ::close(pipeEnds[0]);
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    run.peakKb = usage.ru_maxrss;
    if (WIFEXITED(status)) run.status = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) run.signal = WTERMSIG(status);
    return run;
}

}  // namespace vetra::test
