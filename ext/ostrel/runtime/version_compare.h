#pragma once

// Version precedence as Semantic Versioning 2.0 orders it, made tolerant of
// the versions found in the wild: a leading "v", fewer or more core parts,
// non-numeric parts. Numbers of any length compare by value.

#include <string_view>

namespace Ostrel {

// True when the text is non-empty and holds ASCII digits only.
bool is_all_digits(std::string_view text);

// Compares two runs of ASCII digits by value, however long they are:
// -1, 0 or 1.
int compare_decimal(std::string_view a, std::string_view b);

// Compares two cores ("1.2.0"): part by part, a missing part counts as 0 and a
// part that is not all digits counts as 0. Returns -1, 0 or 1.
int compare_version_core(std::string_view a, std::string_view b);

// Returns -1, 0 or 1 as version a is lower than, equal to or higher than b.
// Build metadata ("+...") never counts; a pre-release ("-...") is lower than
// its release.
int compare_versions(std::string_view a, std::string_view b);

}  // namespace Ostrel
