#pragma once

// Theme text to its JSON document, at a cost in step with the text's size
// whatever its shape.

#include <string>

#include <nlohmann/json.hpp>

namespace Ostrel {

// Parses the whole of `text` (only white space may follow the value) into
// `doc`. Arrays and objects that start 64 or more levels deep are left out,
// an element alone, a member together with its key, and the rest loads: no
// theme nests more than a few levels, and each level of a document costs a
// level of recursion wherever it is copied. A repeated key keeps its first
// place and takes the last value. On invalid JSON, or when memory runs out,
// `doc` is the discarded value and the result false. Never throws.
bool parse_theme_document(const std::string& text, nlohmann::ordered_json& doc);

}  // namespace Ostrel
