#pragma once

#include <istream>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

namespace Scribenta {

// The one parser of configuration text. It refuses a document nested deeper
// than kMaxConfigNesting arrays and objects as soon as the parse gets there:
// copying, comparing and writing a document each recurse once per level, and
// a deep enough one exhausts the stack or, written back with its indentation,
// grows into hundreds of megabytes. No real configuration comes near it.
inline constexpr int kMaxConfigNesting = 256;

enum class ParseStatus { Parsed, Invalid, TooDeep };

// The sentence tail a refusal for depth shows after the file's name or path.
std::string nested_too_deeply_text();

// Parses the first JSON value of `in`; text after it is ignored. On failure
// `doc` keeps what was built before the parse stopped (never deeper than the
// bound), and `message` (when not null) gets the parser's message, or
// nested_too_deeply_text() for a document past the bound. Never throws.
ParseStatus parse_config_stream(std::istream& in, nlohmann::json& doc,
                                std::string* message = nullptr);
ParseStatus parse_config_stream(std::istream& in, nlohmann::ordered_json& doc,
                                std::string* message = nullptr);

// Parses `text` strictly (nothing may follow the value) into `doc`; on
// failure `doc` is the discarded value. Never throws.
ParseStatus parse_config_text(std::string_view text, nlohmann::ordered_json& doc);
ParseStatus parse_config_text(std::string_view text, nlohmann::json& doc);
// The same, giving the document or the discarded value.
nlohmann::ordered_json parse_config_text(std::string_view text);

}  // namespace Scribenta
