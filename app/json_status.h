#pragma once

#include <string>

namespace Scribenta {

// Checks text as strict JSON (no comments, nothing after the value). True
// when it parses; otherwise `status` becomes "Invalid JSON — line " + L +
// ": " + the parser's message without its own position prefix, L counting
// the line feeds before the byte where parsing failed.
bool check_json_text(const std::string& text, std::string& status);

}  // namespace Scribenta
