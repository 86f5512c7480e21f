#pragma once

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

// Runs `body` in a child process that has no privilege over files it may not
// read or write by their modes: run as root, the child drops to the unused
// ids 65534, so permission tests mean the same for every user. True when the
// body returned true; the body checks its own results.
inline bool run_unprivileged(const std::function<bool()>& body) {
    pid_t pid = fork();
    if (pid == 0) {
        if (geteuid() == 0 &&
            (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)) {
            _exit(2);
        }
        _exit(body() ? 0 : 1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
