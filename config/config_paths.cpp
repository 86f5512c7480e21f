#include "config/config_paths.h"

#include <system_error>

#include "config/json_file.h"

namespace Scribenta {
namespace fs = std::filesystem;

namespace {

bool entry_exists(const fs::path& path) {
    std::error_code ec;
    return fs::exists(path, ec) && !ec;
}

// Only real separators become "/": on POSIX a backslash belongs to the name.
std::string with_forward_slashes(const fs::path& path) {
    return path.generic_string();
}

}  // namespace

ConfigKind classify_config_file(const std::string& path) {
    const std::string name = fs::path(path).filename().string();
    if (name == kSiteConfigName) return ConfigKind::Site;
    if (name == kProjectConfigName) return ConfigKind::Project;

    nlohmann::json doc;
    if (!parse_json_file(fs::path(path), doc) || !doc.is_object()) return ConfigKind::Other;
    if (doc.contains("branding") || doc.contains("nav_menus")) return ConfigKind::Site;
    auto projects = doc.find("projects");
    if (projects != doc.end() && projects->is_array()) return ConfigKind::Site;
    if (doc.contains("slug")) return ConfigKind::Project;
    if (doc.contains("project") || doc.contains("includes") || doc.contains("external")) {
        return ConfigKind::Manifest;
    }
    return ConfigKind::Other;
}

std::string config_display_name(const std::string& config_path, bool is_project) {
    nlohmann::json doc;
    if (parse_json_file(fs::path(config_path), doc) && doc.is_object()) {
        auto it = doc.find(is_project ? "name" : "title");
        if (it != doc.end() && it->is_string() && !it->get<std::string>().empty()) {
            return it->get<std::string>();
        }
    }
    return fs::path(config_path).parent_path().filename().string();
}

fs::path find_site_root(const fs::path& start) {
    fs::path current = start;
    while (true) {
        if (entry_exists(current / kSiteConfigName)) return current;
        fs::path parent = current.parent_path();
        if (parent == current) return start;
        current = parent;
    }
}

std::string resolve_existing_path(const fs::path& base, std::string rel) {
    if (rel.empty()) return {};
    rel.erase(0, rel.find_first_not_of('/'));
    if (rel.empty()) return {};
    fs::path joined = base / rel;
    if (!entry_exists(joined)) return {};
    return joined.lexically_normal().string();
}

std::string resolve_site_path(const fs::path& start, std::string rel) {
    return resolve_existing_path(find_site_root(start), std::move(rel));
}

std::string relative_path_string(const fs::path& base, const fs::path& path) {
    fs::path relative = path.lexically_normal().lexically_relative(base.lexically_normal());
    if (!relative.empty()) return with_forward_slashes(relative);
    return with_forward_slashes(path.lexically_normal());
}

std::string copy_into_directory(const fs::path& folder, const fs::path& source) {
    const fs::path target = folder / source.filename();
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) return {};
    bool same = fs::exists(target, ec) && !ec && fs::equivalent(target, source, ec);
    if (ec) return {};
    if (!same) {
        fs::copy_file(source, target, fs::copy_options::overwrite_existing, ec);
        if (ec) return {};
    }
    return target.string();
}

std::string site_logo_path(const std::string& site_config_path) {
    nlohmann::json doc;
    if (!parse_json_file(fs::path(site_config_path), doc) || !doc.is_object()) return {};
    nlohmann::json branding = doc.value("branding", nlohmann::json::object());
    return resolve_existing_path(fs::path(site_config_path).parent_path(),
                                 json_text(branding, "logo_path"));
}

fs::path project_config_path(const nlohmann::ordered_json& entry, const fs::path& site_folder) {
    const std::string text = json_string(entry, "config");
    if (text.empty()) return {};
    fs::path config(text);
    if (!config.is_absolute()) config = site_folder / config;
    return config.lexically_normal();
}

}  // namespace Scribenta
