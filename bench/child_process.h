// Runs a benchmark's part in a child process (POSIX), so that its memory peaks are its own.
#pragma once
#include <cstdio>

#include <sys/wait.h>
#include <unistd.h>

// True when the part returned true and its process ended normally.
template <class F> bool InChildProcess(F run)
{
    std::fflush(stdout);
    pid_t child = fork();
    if (child == 0) {
        bool ok = run();
        std::fflush(stdout);
        _exit(ok ? 0 : 1);
    }
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
