#include "ext/ostrel/runtime/update_manifest.h"

#include <algorithm>
#include <cctype>
#include <nlohmann/json.hpp>

namespace Ostrel {
namespace {

using nlohmann::json;

bool starts_with_nocase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(), [](char lower, char c) {
               return std::tolower(static_cast<unsigned char>(c)) == lower;
           });
}

// The member's string value; empty when it is missing or no string.
std::string string_member(const json& object, const char* key) {
    const auto it = object.find(key);
    return it != object.end() && it->is_string() ? it->get<std::string>() : std::string();
}

std::string web_member(const json& object, const char* key) {
    std::string value = string_member(object, key);
    return is_web_address(value) ? value : std::string();
}

}  // namespace

bool is_web_address(std::string_view url) {
    for (const std::string_view scheme : {"http://", "https://"}) {
        if (starts_with_nocase(url, scheme)) return url.size() > scheme.size();
    }
    return false;
}

bool parse_update_manifest(const std::string& body, const std::string& platform_key,
                           UpdateResult& result) {
    const json manifest = json::parse(body, nullptr, /*allow_exceptions=*/false);
    if (!manifest.is_object()) {
        result.error = "manifest is not a JSON object";
        return false;
    }
    result.latest_version = string_member(manifest, "version");
    if (result.latest_version.empty()) {
        result.error = "manifest has no \"version\"";
        return false;
    }
    result.notes_url = web_member(manifest, "notes_url");
    result.download_page = web_member(manifest, "download_page");
    result.download_url = result.download_page;

    const auto platforms = manifest.find("platforms");
    if (platforms != manifest.end() && platforms->is_object()) {
        const auto entry = platforms->find(platform_key);
        if (entry != platforms->end() && entry->is_object()) {
            if (std::string url = web_member(*entry, "url"); !url.empty()) {
                result.download_url = std::move(url);
            }
        }
    }
    return true;
}

}  // namespace Ostrel
