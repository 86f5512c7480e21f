#include "config/list_remove.h"

#include <algorithm>
#include <filesystem>

#include "config/format_check.h"
#include "config/json_file.h"
#include "config/list_edit.h"

namespace Scribenta {
namespace fs = std::filesystem;
using ordered_json = nlohmann::ordered_json;

namespace {

// The array member `key` of an object, or null when there is none.
ordered_json* array_member(ordered_json& obj, const char* key) {
    if (!obj.is_object()) return nullptr;
    auto it = obj.find(key);
    return it != obj.end() && it->is_array() ? &*it : nullptr;
}

bool erase_at(ordered_json* list, std::size_t position) {
    if (!list || position >= list->size()) return false;
    list->erase(position);
    return true;
}

// Removers are silent: no messages, and a missing file is a failure.
bool edit_silently(const std::string& path,
                   const std::function<bool(nlohmann::ordered_json& root)>& edit) {
    return edit_config_file(path, EditTexts{}, nullptr, edit);
}

}  // namespace

bool remove_array_item(const std::string& config_path, const char* list_key, std::size_t position) {
    return edit_silently(config_path, [&](ordered_json& root) {
        return erase_at(array_member(root, list_key), position);
    });
}

bool remove_build_topic(const std::string& manifest_path, std::size_t position) {
    return edit_silently(manifest_path, [&](ordered_json& root) {
        auto build = root.find("build");
        if (build == root.end() || !erase_at(array_member(*build, "topics"), position)) {
            return false;
        }
        ensure_format_first(root);
        return true;
    });
}

bool remove_policy(const std::string& site_config_path, std::size_t position) {
    return edit_silently(site_config_path, [&](ordered_json& root) {
        ordered_json* policies = array_member(root, "policies");
        if (!policies || position >= policies->size()) return false;
        const std::string slug = json_string((*policies)[position], "slug");
        policies->erase(position);
        ordered_json* links = array_member(root, "footer_links");
        if (slug.empty() || !links) return true;
        const std::string href = "/" + slug + ".html";
        ordered_json kept = ordered_json::array();
        for (auto& link : *links) {
            if (!link.is_object() || json_string(link, "href") != href) {
                kept.push_back(std::move(link));
            }
        }
        *links = std::move(kept);
        return true;
    });
}

bool remove_site_projects(const std::string& site_config_path,
                          const std::vector<std::string>& config_paths) {
    const fs::path site_folder = fs::path(site_config_path).parent_path();
    return edit_silently(site_config_path, [&](ordered_json& root) {
        ordered_json* projects = array_member(root, "projects");
        if (!projects) return false;
        ordered_json kept = ordered_json::array();
        for (auto& entry : *projects) {
            const std::string reference = json_string(entry, "config");
            const bool listed =
                !reference.empty() &&
                std::find(config_paths.begin(), config_paths.end(),
                          registered_config_path(site_folder, reference)) != config_paths.end();
            if (!listed) kept.push_back(std::move(entry));
        }
        if (kept.size() == projects->size()) return false;
        *projects = std::move(kept);
        return true;
    });
}

}  // namespace Scribenta
