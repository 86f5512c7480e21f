#pragma once

// A memory limit for a child of run_limited under AddressSanitizer, where its
// address-space limit is left out: the child ends (exit code 4) as soon as
// the heap it holds passes the cap, before a runaway allocation can take the
// machine's memory. Without the sanitizer the address-space limit does this
// and the cap is not set.

#include <unistd.h>

#include <cstddef>

#include "tests/support/limited_child.h"

#ifdef SCRIBENTA_TEST_ASAN
// From the sanitizer runtime; GCC installs no header that declares them.
extern "C" {
std::size_t __sanitizer_get_current_allocated_bytes();
int __sanitizer_install_malloc_and_free_hooks(void (*malloc_hook)(const volatile void*,
                                                                  std::size_t),
                                              void (*free_hook)(const volatile void*));
}
#endif

namespace test_support {

#ifdef SCRIBENTA_TEST_ASAN
inline std::size_t heap_cap_bytes = 0;

inline void end_past_heap_cap(const volatile void*, std::size_t) {
    if (__sanitizer_get_current_allocated_bytes() > heap_cap_bytes) _exit(4);
}
inline void ignore_free(const volatile void*) {}
#endif

// Call first thing in a child's body.
inline void cap_heap(std::size_t bytes) {
#ifdef SCRIBENTA_TEST_ASAN
    heap_cap_bytes = bytes;
    __sanitizer_install_malloc_and_free_hooks(end_past_heap_cap, ignore_free);
#else
    (void)bytes;
#endif
}

}  // namespace test_support
