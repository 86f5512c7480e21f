#pragma once

#include <string>

namespace Layers {

// Writes one line to standard error and flushes it: loading reports what it
// skips and goes on.
void report_line(const std::string& line);

// The text between double quotes.
std::string quoted(const std::string& text);

}  // namespace Layers
