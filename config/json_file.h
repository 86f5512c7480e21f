#pragma once

#include <filesystem>
#include <string>

#include <nlohmann/json.hpp>

namespace Scribenta {

// Reading and whole-file writing of JSON configuration files, and the small
// accessors every other operation of the model shares.
//
// Read form: one JSON value parsed from the start of the file; text after
// the first complete value is ignored. Written form: the document dumped with
// an indent of two blanks, UTF-8 unescaped, then one "\n", always through
// `safe_write_file`.

// Reads a site config for home-section editing: true only when the file
// parses and holds an object "home" with an array "sections".
bool read_json_file(const std::string& path, nlohmann::ordered_json& doc);
bool write_json_file(const std::string& path, const nlohmann::ordered_json& doc);

bool load_json_file(const std::filesystem::path& path, nlohmann::ordered_json& doc);
bool save_json_file(const std::filesystem::path& path, const nlohmann::ordered_json& doc,
                    std::string* error = nullptr);

// The written form of `doc`; false (and `text` untouched) when the document
// cannot be dumped, e.g. when it holds text that is not valid UTF-8.
bool json_file_text(const nlohmann::ordered_json& doc, std::string& text);

// Parses the first JSON value of a file in either flavour; false when the
// file cannot be opened, does not parse or nests past kMaxConfigNesting.
// Never throws.
bool parse_json_file(const std::filesystem::path& path, nlohmann::ordered_json& doc);
bool parse_json_file(const std::filesystem::path& path, nlohmann::json& doc);

std::string json_text(const nlohmann::json& obj, const char* key);
std::string json_text(const nlohmann::ordered_json& obj, const char* key);
std::string json_string(const nlohmann::ordered_json& obj, const char* key);
std::string json_quote(const std::string& text);

bool set_error(std::string* error, const std::string& text);

bool ensure_object_key(const std::string& path, const char* key);

}  // namespace Scribenta
