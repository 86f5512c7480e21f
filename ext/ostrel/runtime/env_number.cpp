#include "ext/ostrel/runtime/env_number.h"

#include <charconv>
#include <cstdlib>

namespace Ostrel {

std::optional<int> leading_int(std::string_view text) {
    // from_chars takes a "-" but no "+".
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc()) return std::nullopt;
    (void)end;
    return value;
}

int env_int(const char* name, int fallback) {
    const char* text = std::getenv(name);
    if (!text) return fallback;
    return leading_int(text).value_or(fallback);
}

}  // namespace Ostrel
