#pragma once

#include <string>
#include <vector>

namespace Ostrel {

// Reads a number at text as strtod does in the classic locale, whatever the
// process locale is. *end is set to text when nothing was read.
double read_number(const char* text, const char** end);

// Every number in s, in order; any character that starts no number is skipped.
std::vector<double> parse_number_list(const std::string& s);

// The value printed as printf's "%.6g" prints it in the classic locale.
std::string format_number(double value);

// The white space of the classic locale: space, tab, LF, VT, FF and CR.
inline bool is_classic_space(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

}  // namespace Ostrel
