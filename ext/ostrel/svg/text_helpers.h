#pragma once

#include <string>
#include <vector>

namespace Ostrel {

// s without leading and trailing space, tab, CR and LF.
std::string trim_blanks(const std::string& s);

// The trimmed, non-empty pieces of s between occurrences of sep.
std::vector<std::string> split_trimmed(const std::string& s, char sep);

// A CSS or SMIL time ("2.5s", "300ms", "300") in milliseconds; 0 without a number.
double parse_css_time_ms(const std::string& s);

}  // namespace Ostrel
