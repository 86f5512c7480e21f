#pragma once

// Whole numbers from the environment, read without exceptions or overflow.

#include <optional>
#include <string_view>

namespace Ostrel {

// The integer formed by an optional sign and the leading decimal digits of
// text; nothing when there is no digit or the number does not fit an int.
std::optional<int> leading_int(std::string_view text);

// The variable's leading integer; fallback when it is unset, has no leading
// digit or does not fit an int.
int env_int(const char* name, int fallback);

}  // namespace Ostrel
