#include "app/save_failure.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>
#include <vector>

#include "app/json_status.h"

namespace Scribenta {

namespace fs = std::filesystem;
using nlohmann::ordered_json;

namespace {

std::string kind_of(const ordered_json& value) {
    if (value.is_string()) return "a string";
    if (value.is_boolean()) return "a boolean";
    if (value.is_number()) return "a number";
    if (value.is_array()) return "a list";
    return "a plain value";
}

bool holds_members(const ordered_json& value) {
    return value.is_object() || value.is_array() || value.is_null();
}

// The member or element `token` names in `container`; null when there is
// none yet (the write would create it).
const ordered_json* child(const ordered_json& container, const std::string& token) {
    if (container.is_object()) {
        const auto it = container.find(token);
        return it == container.end() ? nullptr : &*it;
    }
    if (!container.is_array() || token.empty() || token.size() > 18) return nullptr;
    std::size_t index = 0;
    for (const char c : token) {
        if (c < '0' || c > '9') return nullptr;
        index = index * 10 + static_cast<std::size_t>(c - '0');
    }
    return index < container.size() ? &container[index] : nullptr;
}

}  // namespace

std::string save_failure(const fs::path& file, const std::string& reason) {
    return "Couldn't save " + file.filename().string() + ": " + reason + ".";
}

std::string unreadable_reason(const fs::path& file) {
    std::error_code ec;
    const auto type = fs::status(file, ec).type();
    if (type == fs::file_type::not_found) return "the file no longer exists";
    if (type != fs::file_type::regular && type != fs::file_type::none) {
        return "it is not a regular file";
    }
    if (::access(file.c_str(), R_OK) != 0) {
        return std::string("the file can't be read (") + std::strerror(errno) + ")";
    }
    return "the file can't be read";
}

std::string invalid_json_reason(const std::string& text) {
    const std::size_t line = invalid_json_line(text);
    if (line == 0) return "it is not valid JSON";
    return "it is not valid JSON (line " + std::to_string(line) + ")";
}

std::string write_reason(const fs::path& file, const std::string& error) {
    const std::string lead = "Could not write " + file.string() + ": ";
    if (error.compare(0, lead.size(), lead) == 0) return error.substr(lead.size());
    return error.empty() ? std::string("the file can't be written") : error;
}

std::string manifest_place_reason(const ordered_json& build, const fs::path& config) {
    return "\"build\" in " + config.filename().string() + " holds " + kind_of(build) +
           ", so the folder it belongs in is unknown";
}

std::string refused_edit_reason(const ordered_json& doc, const std::string& pointer) {
    const std::string refused = "the edit of " + pointer + " can't be applied";
    if (!holds_members(doc)) return "the file holds " + kind_of(doc) + ", not a JSON object";
    std::vector<std::string> tokens;
    try {
        ordered_json::json_pointer rest(pointer);
        while (!rest.empty()) {
            tokens.insert(tokens.begin(), rest.back());
            rest.pop_back();
        }
    } catch (const std::exception&) {
        return refused;
    }
    // Walk down to the value the last token would go into.
    const ordered_json* at = &doc;
    std::string path;
    for (std::size_t i = 0; i + 1 < tokens.size(); ++i) {
        at = child(*at, tokens[i]);
        if (at == nullptr) break;
        path += (path.empty() ? "" : "/") + tokens[i];
        if (!holds_members(*at)) {
            return "\"" + path + "\" holds " + kind_of(*at) + ", so \"" + tokens[i + 1] +
                   "\" can't be set in it";
        }
    }
    return refused;
}

}  // namespace Scribenta
