#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include <nlohmann/json.hpp>

namespace Scribenta {

// The steps every list appender and remover shares: read a configuration
// file whole, change its root object, write it back whole.

// TooDeep: the file nests arrays and objects past kMaxConfigNesting.
enum class ReadOutcome { Read, CannotOpen, ParseError, TooDeep };

// Parses the first JSON value of a file. On a parse error the parser's
// message (for TooDeep, nested_too_deeply_text()) goes to `parse_message`
// when it is not null, and `doc` keeps whatever the parser had built. Never
// throws.
ReadOutcome read_config(const std::filesystem::path& path, nlohmann::ordered_json& doc,
                        std::string* parse_message = nullptr);
ReadOutcome read_config(const std::filesystem::path& path, nlohmann::json& doc,
                        std::string* parse_message = nullptr);

// How a config edit reports its failures. The defaults are those of a
// project or site config.
struct EditTexts {
    // When true, a file that does not exist reads as an empty object.
    bool missing_file_is_empty = false;
    const char* root_not_object = "Config root is not a JSON object.";
    const char* cannot_write = "Cannot write config file: ";
};

// Reads `path`, hands its root object to `edit` and, when `edit` returns
// true, writes the document back through the safe whole-file write. Every
// failure returns false with the file untouched and one message in `error`
// (when it is not null; `edit` sets its own). With a null `error` this is
// the silent form.
bool edit_config_file(const std::string& path, const EditTexts& texts, std::string* error,
                      const std::function<bool(nlohmann::ordered_json& root)>& edit);

// The member `key` of `obj` as an array (or object): a member of another
// type is replaced where it stands, a missing one is added last.
nlohmann::ordered_json& ensure_array_member(nlohmann::ordered_json& obj, const char* key);
nlohmann::ordered_json& ensure_object_member(nlohmann::ordered_json& obj, const char* key);

// Whether an object element of `list` holds the string `value` at `key`.
// Elements whose member is missing or not a string never match a
// non-empty value.
bool has_entry_with(const nlohmann::ordered_json& list, const char* key, const std::string& value);

// A "projects" reference as a comparable path: joined to the site folder
// unless absolute, lexically normal, native text.
std::string registered_config_path(const std::filesystem::path& site_folder,
                                   const std::string& reference);

}  // namespace Scribenta
