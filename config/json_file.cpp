#include "config/json_file.h"

#include "config/list_edit.h"
#include "config/safe_write.h"

namespace Scribenta {
namespace fs = std::filesystem;

namespace {

template <typename Json>
std::string text_of(const Json& obj, const char* key) {
    if (!obj.is_object()) return {};
    auto it = obj.find(key);
    if (it == obj.end() || it->is_null()) return {};
    if (it->is_string()) return it->template get<std::string>();
    // A document built in memory may hold invalid UTF-8; replace it rather
    // than let the dump throw into a form handler.
    return it->dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace

bool parse_json_file(const fs::path& path, nlohmann::ordered_json& doc) {
    return read_config(path, doc) == ReadOutcome::Read;
}

bool parse_json_file(const fs::path& path, nlohmann::json& doc) {
    return read_config(path, doc) == ReadOutcome::Read;
}

bool json_file_text(const nlohmann::ordered_json& doc, std::string& text) {
    try {
        text = doc.dump(2, ' ', false) + "\n";
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

bool read_json_file(const std::string& path, nlohmann::ordered_json& doc) {
    if (!parse_json_file(fs::path(path), doc)) return false;
    if (!doc.is_object()) return false;
    auto home = doc.find("home");
    if (home == doc.end() || !home->is_object()) return false;
    auto sections = home->find("sections");
    return sections != home->end() && sections->is_array();
}

bool save_json_file(const fs::path& path, const nlohmann::ordered_json& doc, std::string* error) {
    std::string text;
    if (!json_file_text(doc, text)) {
        return set_error(error,
                         "Could not write " + path.string() + ": the text is not valid UTF-8");
    }
    return safe_write_file(path, text, error);
}

bool write_json_file(const std::string& path, const nlohmann::ordered_json& doc) {
    return save_json_file(fs::path(path), doc);
}

bool load_json_file(const fs::path& path, nlohmann::ordered_json& doc) {
    return parse_json_file(path, doc);
}

std::string json_text(const nlohmann::json& obj, const char* key) {
    return text_of(obj, key);
}

std::string json_text(const nlohmann::ordered_json& obj, const char* key) {
    return text_of(obj, key);
}

std::string json_string(const nlohmann::ordered_json& obj, const char* key) {
    if (!obj.is_object()) return {};
    auto it = obj.find(key);
    if (it == obj.end() || !it->is_string()) return {};
    return it->get<std::string>();
}

std::string json_quote(const std::string& text) {
    // Invalid UTF-8 is replaced rather than thrown: the result is always a
    // valid JSON literal.
    return nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

bool set_error(std::string* error, const std::string& text) {
    if (error) *error = text;
    return false;
}

bool ensure_object_key(const std::string& path, const char* key) {
    nlohmann::ordered_json doc;
    if (!parse_json_file(fs::path(path), doc) || !doc.is_object()) return false;
    auto it = doc.find(key);
    if (it != doc.end() && it->is_object()) return true;
    doc[key] = nlohmann::ordered_json::object();
    return write_json_file(path, doc);
}

}  // namespace Scribenta
