#pragma once

#include <string>

namespace Scribenta {

// Appenders: each adds one object at the end of a list in a configuration
// file and rewrites the file whole, its key order kept. True when the entry
// was appended; false leaves the file untouched and, except for
// `add_project_to_site_config`, puts one message in `error`. A list key of
// another type is replaced by a fresh list. Inputs are written as given.

struct DependencyInput {
    std::string name;
    std::string url;
    std::string icon;
    bool external = false;
};

struct DownloadInput {
    std::string url;
    std::string platform_icon;
    std::string platform_label;
    std::string size;
};

struct FactInput {
    std::string label;
    std::string value;
    std::string href;
    std::string note;
};

struct TopicInput {
    std::string slug;
    std::string label;
    std::string title;
    std::string intro;
    std::string source;
};

struct PolicyInput {
    std::string slug;
    std::string name;
    std::string title;
    std::string file;
    bool footer_link = false;
};

struct SocialInput {
    std::string label;
    std::string username;
    std::string url;
    std::string icon;
    bool external = false;
};

// Project config lists "requires", "downloads" and "facts".
bool add_dependency_to_config(const std::string& path, const DependencyInput& input,
                              std::string* error = nullptr);
bool add_download_to_config(const std::string& path, const DownloadInput& input,
                            std::string* error = nullptr);
bool add_fact_to_config(const std::string& path, const FactInput& input,
                        std::string* error = nullptr);

// "build"."topics" of a source-root manifest; a missing manifest is created,
// and "format": 1 is put first when it is missing. Slugs are unique.
bool add_topic_to_manifest(const std::string& manifest_path, const TopicInput& input,
                           std::string* error = nullptr);

// Site config "policies" (slugs unique), with a "footer_links" entry to the
// policy's page when `footer_link` is set.
bool add_policy_to_config(const std::string& path, const PolicyInput& input,
                          std::string* error = nullptr);
bool add_social_to_config(const std::string& path, const SocialInput& input,
                          std::string* error = nullptr);

// Registers an existing project config in the site's "projects" list, unless
// a registered entry names the same path once both are normalised.
bool add_project_to_site_config(const std::string& site_config_path,
                                const std::string& project_config_reference);

}  // namespace Scribenta
