#pragma once

#include <string>

#include <nlohmann/json.hpp>

namespace Scribenta {

// The highest "format" this build reads.
inline constexpr int kHighestFormat = 1;

// Makes "format": 1 the first member of an object that has no "format".
void ensure_format_first(nlohmann::ordered_json& doc);

// True when the document may be read; otherwise a sentence tail such as
// "declares format 2; this Scribenta reads up to format 1 (update Scribenta
// to open it)" goes to `error`.
bool check_format(const nlohmann::json& doc, std::string* error = nullptr);
bool check_format(const nlohmann::ordered_json& doc, std::string* error = nullptr);

// True unless the file parses and fails `check_format`, or nests past
// kMaxConfigNesting (the text is then nested_too_deeply_text()).
bool check_file_format(const std::string& path, std::string* error = nullptr);

}  // namespace Scribenta
