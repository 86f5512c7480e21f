#pragma once

#include <map>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace Scribenta {

// Writes each value as a JSON string at its JSON pointer, in map order, with
// the library's pointer semantics for writing: missing members are appended
// to their object, a missing container becomes an array before a number or
// "-" and an object otherwise, and an index at or past the end extends the
// array. Returns the pointers that could not be applied (malformed, crossing
// a plain value, the empty pointer that would replace the whole document, or
// a value that is not valid UTF-8); `doc` may then be partly changed, so
// callers edit a copy they can throw away. Never throws.
std::vector<std::string> apply_string_edits(nlohmann::ordered_json& doc,
                                            const std::map<std::string, std::string>& edits);
std::vector<std::string> apply_string_edits(nlohmann::json& doc,
                                            const std::map<std::string, std::string>& edits);

}  // namespace Scribenta
