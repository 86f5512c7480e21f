#include "config/list_append.h"

#include <filesystem>

#include "config/format_check.h"
#include "config/json_file.h"
#include "config/list_edit.h"

namespace Scribenta {
namespace fs = std::filesystem;
using ordered_json = nlohmann::ordered_json;

namespace {

void put_if_set(ordered_json& obj, const char* key, const std::string& text) {
    if (!text.empty()) obj[key] = text;
}

void put_flag(ordered_json& obj, const char* key, bool flag) {
    if (flag) obj[key] = true;
}

// The shared steps for a top-level list of a project or site config.
bool append_entry(const std::string& path, const char* list, ordered_json entry,
                  std::string* error) {
    return edit_config_file(path, EditTexts{}, error, [&](ordered_json& root) {
        ensure_array_member(root, list).push_back(std::move(entry));
        return true;
    });
}

}  // namespace

bool add_dependency_to_config(const std::string& path, const DependencyInput& input,
                              std::string* error) {
    if (input.name.empty()) return set_error(error, "Dependency name is empty.");
    ordered_json entry = {{"name", input.name}, {"url", input.url}};
    put_if_set(entry, "icon", input.icon);
    put_flag(entry, "external", input.external);
    return append_entry(path, "requires", std::move(entry), error);
}

bool add_download_to_config(const std::string& path, const DownloadInput& input,
                            std::string* error) {
    if (input.url.empty()) return set_error(error, "Download URL is empty.");
    ordered_json entry = {{"url", input.url}};
    put_if_set(entry, "platform_icon", input.platform_icon);
    entry["platform_label"] = input.platform_label;
    put_if_set(entry, "size", input.size);
    return append_entry(path, "downloads", std::move(entry), error);
}

bool add_fact_to_config(const std::string& path, const FactInput& input, std::string* error) {
    if (input.label.empty()) return set_error(error, "Fact label is empty.");
    ordered_json entry = {{"label", input.label}, {"value", input.value}};
    put_if_set(entry, "href", input.href);
    put_if_set(entry, "note", input.note);
    return append_entry(path, "facts", std::move(entry), error);
}

bool add_social_to_config(const std::string& path, const SocialInput& input, std::string* error) {
    if (input.label.empty()) return set_error(error, "Social label is empty.");
    ordered_json entry = {{"label", input.label}};
    put_if_set(entry, "username", input.username);
    entry["url"] = input.url;
    put_if_set(entry, "icon", input.icon);
    put_flag(entry, "external", input.external);
    return append_entry(path, "socials", std::move(entry), error);
}

bool add_policy_to_config(const std::string& path, const PolicyInput& input, std::string* error) {
    if (input.slug.empty()) return set_error(error, "Policy slug is empty.");
    return edit_config_file(path, EditTexts{}, error, [&](ordered_json& root) {
        ordered_json& policies = ensure_array_member(root, "policies");
        if (has_entry_with(policies, "slug", input.slug)) {
            return set_error(error, "Policy '" + input.slug + "' already exists.");
        }
        policies.push_back({{"slug", input.slug},
                            {"name", input.name},
                            {"title", input.title},
                            {"file", input.file}});
        if (input.footer_link) {
            ensure_array_member(root, "footer_links")
                .push_back({{"label", input.name}, {"href", "/" + input.slug + ".html"}});
        }
        return true;
    });
}

bool add_topic_to_manifest(const std::string& manifest_path, const TopicInput& input,
                           std::string* error) {
    if (input.slug.empty()) return set_error(error, "Topic slug is empty.");
    if (input.source.empty()) return set_error(error, "Topic source is empty.");
    EditTexts texts;
    texts.missing_file_is_empty = true;
    texts.root_not_object = "Manifest root is not a JSON object.";
    texts.cannot_write = "Cannot write manifest: ";
    return edit_config_file(manifest_path, texts, error, [&](ordered_json& root) {
        ensure_format_first(root);
        ordered_json& topics = ensure_array_member(ensure_object_member(root, "build"), "topics");
        if (has_entry_with(topics, "slug", input.slug)) {
            return set_error(error, "Topic '" + input.slug + "' already exists.");
        }
        ordered_json entry = {{"slug", input.slug}, {"label", input.label}, {"title", input.title}};
        put_if_set(entry, "intro", input.intro);
        entry["source"] = input.source;
        topics.push_back(std::move(entry));
        return true;
    });
}

bool add_project_to_site_config(const std::string& site_config_path,
                                const std::string& project_config_reference) {
    if (project_config_reference.empty()) return false;
    const fs::path site_folder = fs::path(site_config_path).parent_path();
    const std::string target = registered_config_path(site_folder, project_config_reference);
    return edit_config_file(site_config_path, EditTexts{}, nullptr, [&](ordered_json& root) {
        ordered_json& projects = ensure_array_member(root, "projects");
        for (const auto& element : projects) {
            // An entry without a string "config" names no project.
            const std::string reference = json_string(element, "config");
            if (!reference.empty() && registered_config_path(site_folder, reference) == target) {
                return false;
            }
        }
        projects.push_back({{"config", project_config_reference}});
        return true;
    });
}

}  // namespace Scribenta
