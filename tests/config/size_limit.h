#pragma once

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <functional>

// Runs `body` in a child process whose file-size limit stops any file from
// growing past `limit` bytes, which makes writes fail even for root. True
// when the body returned true; the body checks its own results, since its
// side effects stay in the child.
inline bool run_with_file_size_limit(rlim_t limit, const std::function<bool()>& body) {
    pid_t pid = fork();
    if (pid == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit rl{limit, limit};
        setrlimit(RLIMIT_FSIZE, &rl);
        _exit(body() ? 0 : 1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
