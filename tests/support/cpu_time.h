#pragma once

// CPU time for tests that compare the cost of one input at two sizes. The
// calling thread's clock counts none of what other programs on a busy
// machine take, and keeps counting finely under a CPU limit, where the
// process clock only moves at scheduler ticks.

#include <time.h>

#include <algorithm>
#include <limits>

namespace test_support {

inline double thread_cpu_seconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The least CPU time of `runs` runs of `body`: the run least disturbed by
// other work.
template <typename Body>
double least_cpu_seconds(int runs, Body&& body) {
    double least = std::numeric_limits<double>::infinity();
    for (int run = 0; run < runs; ++run) {
        const double start = thread_cpu_seconds();
        body();
        least = std::min(least, thread_cpu_seconds() - start);
    }
    return least;
}

}  // namespace test_support
