#pragma once

// Runs a test body in a child process with limits, so that input which would
// hang, recurse without end or eat all memory fails one test instead of the
// whole run.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <functional>

#if defined(__SANITIZE_ADDRESS__)
#define SCRIBENTA_TEST_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SCRIBENTA_TEST_ASAN 1
#endif
#endif

namespace test_support {

struct ChildLimits {
    unsigned seconds = 5;  // CPU time; the wall-time alarm is 20 times that, at least a minute
    rlim_t address_space = rlim_t{2} * 1024 * 1024 * 1024;  // bytes
};

// True when the body returned true within the limits. A child killed by a
// limit (or crashed by a stack overflow) counts as false. The address-space
// limit is left out under AddressSanitizer, which reserves far more address
// space than it uses.
inline bool run_limited(const std::function<bool()>& body, ChildLimits limits = {}) {
    pid_t pid = fork();
    if (pid == 0) {
        rlimit cpu{limits.seconds, limits.seconds};
        setrlimit(RLIMIT_CPU, &cpu);
#ifndef SCRIBENTA_TEST_ASAN
        rlimit as{limits.address_space, limits.address_space};
        setrlimit(RLIMIT_AS, &as);
#endif
        // Wall time only catches a body that blocks. With six test programs
        // per core, and other work besides, a body gets a small share of a
        // core, so its wall time is tens of times its CPU time: the alarm is
        // far off, and the CPU limit bounds the computing.
        alarm(std::max(60u, 20 * limits.seconds));
        // An exception (std::bad_alloc at the memory limit) must end the
        // child here, not unwind into the test runner it is a copy of.
        try {
            _exit(body() ? 0 : 1);
        } catch (...) {
            _exit(3);
        }
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace test_support
