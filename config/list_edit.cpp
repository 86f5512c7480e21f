#include "config/list_edit.h"

#include <fstream>

#include "config/bounded_json.h"
#include "config/json_file.h"

namespace Scribenta {
namespace fs = std::filesystem;

namespace {

template <typename Json>
ReadOutcome read_any(const fs::path& path, Json& doc, std::string* parse_message) {
    // Only regular files (links followed) are read: a named pipe or device
    // would block the GUI thread waiting for text that may never come.
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return ReadOutcome::CannotOpen;
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) return ReadOutcome::CannotOpen;
    switch (parse_config_stream(in, doc, parse_message)) {
        case ParseStatus::Parsed:
            return ReadOutcome::Read;
        case ParseStatus::TooDeep:
            return ReadOutcome::TooDeep;
        case ParseStatus::Invalid:
            break;
    }
    return ReadOutcome::ParseError;
}

// True only when nothing is at `path` (a dangling link counts as missing,
// since writing through it creates its target); an error while testing is
// not taken as missing.
bool is_missing(const fs::path& path) {
    std::error_code ec;
    return !fs::exists(path, ec) && !ec;
}

template <typename Json>
Json& ensure_member(Json& obj, const char* key, nlohmann::json::value_t type) {
    Json& member = obj[key];
    if (member.type() != type) member = Json(type);
    return member;
}

}  // namespace

ReadOutcome read_config(const fs::path& path, nlohmann::ordered_json& doc,
                        std::string* parse_message) {
    return read_any(path, doc, parse_message);
}

ReadOutcome read_config(const fs::path& path, nlohmann::json& doc, std::string* parse_message) {
    return read_any(path, doc, parse_message);
}

bool edit_config_file(const std::string& path, const EditTexts& texts, std::string* error,
                      const std::function<bool(nlohmann::ordered_json& root)>& edit) {
    nlohmann::ordered_json doc = nlohmann::ordered_json::object();
    std::string message;
    switch (read_config(fs::path(path), doc, &message)) {
        case ReadOutcome::Read:
            break;
        case ReadOutcome::CannotOpen:
            // Only a file that is not there starts empty: one that exists but
            // cannot be read would otherwise be replaced and lose its content.
            if (!texts.missing_file_is_empty || !is_missing(fs::path(path))) {
                return set_error(error, "Cannot open config file: " + path);
            }
            break;  // `doc` is still the empty object
        case ReadOutcome::ParseError:
            return set_error(error, "Parse error: " + message);
        case ReadOutcome::TooDeep:
            return set_error(error, path + " " + message);
    }
    if (!doc.is_object()) return set_error(error, texts.root_not_object);
    if (!edit(doc)) return false;
    // Any failure of the write itself (not only opening) counts: the safe
    // write leaves the old file in place, so false is the whole truth.
    if (!save_json_file(fs::path(path), doc)) {
        return set_error(error, texts.cannot_write + path);
    }
    return true;
}

nlohmann::ordered_json& ensure_array_member(nlohmann::ordered_json& obj, const char* key) {
    return ensure_member(obj, key, nlohmann::json::value_t::array);
}

nlohmann::ordered_json& ensure_object_member(nlohmann::ordered_json& obj, const char* key) {
    return ensure_member(obj, key, nlohmann::json::value_t::object);
}

bool has_entry_with(const nlohmann::ordered_json& list, const char* key, const std::string& value) {
    for (const auto& element : list) {
        if (element.is_object() && json_string(element, key) == value) return true;
    }
    return false;
}

std::string registered_config_path(const fs::path& site_folder, const std::string& reference) {
    fs::path path(reference);
    if (!path.is_absolute()) path = site_folder / path;
    return path.lexically_normal().string();
}

}  // namespace Scribenta
