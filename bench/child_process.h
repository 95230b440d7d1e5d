// Runs a benchmark's part in a child process (POSIX), so that its memory peaks are its own.
#pragma once
#include <cstdio>

#include <sys/wait.h>
#include <unistd.h>

template <class F> void InChildProcess(F run)
{
    std::fflush(stdout);
    pid_t child = fork();
    if (child == 0) {
        run();
        std::fflush(stdout);
        _exit(0);
    }
    waitpid(child, nullptr, 0);
}
