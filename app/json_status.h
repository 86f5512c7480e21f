#pragma once

#include <cstddef>
#include <string>

namespace Scribenta {

// Checks text as strict JSON (no comments, nothing after the value). True
// when it parses; otherwise `status` becomes "Invalid JSON — line " + L +
// ": " + the parser's message without its own position prefix, L counting
// the line feeds before the byte where parsing failed.
bool check_json_text(const std::string& text, std::string& status);

// The line where strict parsing of text fails, counted as above; 0 when the
// text is valid JSON.
std::size_t invalid_json_line(const std::string& text);

}  // namespace Scribenta
