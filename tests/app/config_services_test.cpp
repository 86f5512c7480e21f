// The configuration model's operations and records as the application layer
// calls them: argument order and types, checked at compile time so a change
// of the model's signatures breaks here first.

#include <filesystem>
#include <string>
#include <type_traits>
#include <vector>

#include <gtest/gtest.h>

#include "config/scribenta_config.h"

namespace Scribenta {
namespace {

using nlohmann::json;
using nlohmann::ordered_json;
using Path = std::filesystem::path;
using Str = std::string;
using Err = std::string*;

template <typename R, typename F, typename... A>
constexpr bool callable = std::is_invocable_r_v<R, F, A...>;

// Files and JSON.
static_assert(callable<bool, decltype(&read_json_file), Str, ordered_json&>);
static_assert(callable<bool, decltype(&write_json_file), Str, const ordered_json&>);
static_assert(callable<Str, decltype(static_cast<Str (*)(const json&, const char*)>(&json_text)),
                       json, const char*>);
static_assert(callable<void, decltype(&ensure_format_first), ordered_json&>);
static_assert(
    callable<bool, decltype(static_cast<bool (*)(const json&, Err)>(&check_format)), json, Err>);
static_assert(callable<bool, decltype(&check_file_format), Str, Err>);
static_assert(callable<ConfigKind, decltype(&classify_config_file), Str>);
static_assert(callable<Str, decltype(&config_display_name), Str, bool>);
static_assert(callable<bool, decltype(&ensure_object_key), Str, const char*>);
static_assert(callable<bool, decltype(&remove_array_item), Str, const char*, std::size_t>);
// Paths.
static_assert(callable<Str, decltype(&relative_path_string), Path, Path>);
static_assert(callable<Str, decltype(&resolve_existing_path), Path, Str>);
static_assert(callable<Str, decltype(&resolve_site_path), Path, Str>);
static_assert(callable<Path, decltype(&find_site_root), Path>);
static_assert(callable<Str, decltype(&copy_into_directory), Path, Path>);
static_assert(callable<Path, decltype(&manifest_path), Str, Str>);
// Sites.
static_assert(callable<bool, decltype(&create_site), Path, Str, Err>);
static_assert(callable<Str, decltype(&site_logo_path), Str>);
static_assert(callable<ProjectEntry, decltype(&read_project_entry), Path, Str>);
static_assert(callable<bool, decltype(&add_project_to_site_config), Str, Str>);
static_assert(callable<bool, decltype(&remove_site_projects), Str, std::vector<Str>>);
static_assert(callable<bool, decltype(&add_social_to_config), Str, SocialInput, Err>);
static_assert(callable<bool, decltype(&add_policy_to_config), Str, PolicyInput, Err>);
static_assert(callable<bool, decltype(&remove_policy), Str, std::size_t>);
static_assert(callable<std::vector<Str>, decltype(&home_section_types), Str>);
static_assert(callable<Str, decltype(&unique_home_section_id), Str, Str>);
static_assert(callable<Str, decltype(&create_home_fragment), Path, Str>);
static_assert(callable<bool, decltype(&add_home_section_to_config), Str, ordered_json>);
static_assert(callable<bool, decltype(&move_home_section), Str, std::size_t, int>);
static_assert(callable<Str, decltype(&slugify), Str>);
// Projects.
static_assert(callable<bool, decltype(&add_project), Path, AddProjectRequest, Err, Err>);
static_assert(callable<bool, decltype(&promote_to_family), Path, Path, Str, Str, Err, Err, Err>);
static_assert(callable<bool, decltype(&add_dependency_to_config), Str, DependencyInput, Err>);
static_assert(callable<bool, decltype(&add_fact_to_config), Str, FactInput, Err>);
static_assert(callable<bool, decltype(&add_download_to_config), Str, DownloadInput, Err>);
static_assert(callable<json, decltype(&read_manifest), Str, Str>);
static_assert(callable<bool, decltype(&add_topic_to_manifest), Str, TopicInput, Err>);
static_assert(callable<bool, decltype(&remove_build_topic), Str, std::size_t>);
// Versions.
static_assert(callable<std::vector<BuiltVersion>, decltype(&list_built_versions), Path>);
static_assert(callable<LatestVersion, decltype(&latest_version), std::vector<VersionEntry>,
                       std::vector<BuiltVersion>>);
static_assert(callable<Str, decltype(&version_status_label), Str>);
static_assert(callable<bool, decltype(&exclude_version), Str, Str>);
static_assert(callable<bool, decltype(&restore_version), Str, Str, Str>);

// Records: designated initializers compile only in declaration order.
[[maybe_unused]] const ProjectEntry kEntry{.config_path = "",
                                           .slug = "",
                                           .name = "",
                                           .tagline = "",
                                           .parent_slug = "",
                                           .family_label = "",
                                           .logo = ""};
[[maybe_unused]] const AddProjectRequest kRequest{
    .name = "", .slug = "", .tagline = "", .parent_slug = "", .family_label = ""};
[[maybe_unused]] const DependencyInput kDependency{
    .name = "", .url = "", .icon = "", .external = false};
[[maybe_unused]] const DownloadInput kDownload{
    .url = "", .platform_icon = "", .platform_label = "", .size = ""};
[[maybe_unused]] const FactInput kFact{.label = "", .value = "", .href = "", .note = ""};
[[maybe_unused]] const SocialInput kSocial{
    .label = "", .username = "", .url = "", .icon = "", .external = false};
[[maybe_unused]] const PolicyInput kPolicy{
    .slug = "", .name = "", .title = "", .file = "", .footer_link = false};
[[maybe_unused]] const TopicInput kTopic{
    .slug = "", .label = "", .title = "", .intro = "", .source = ""};
[[maybe_unused]] const BuiltVersion kBuilt{.name = "", .tag = ""};
[[maybe_unused]] const VersionEntry kVersion{.label = "", .release_date = ""};
[[maybe_unused]] const LatestVersion kLatest{.label = "", .tag = "", .release_date = ""};

TEST(ConfigServices, KindsKeepTheirNumbers) {
    EXPECT_EQ(static_cast<int>(ConfigKind::Site), 0);
    EXPECT_EQ(static_cast<int>(ConfigKind::Project), 1);
    EXPECT_EQ(static_cast<int>(ConfigKind::Manifest), 2);
    EXPECT_EQ(static_cast<int>(ConfigKind::Other), 3);
}

}  // namespace
}  // namespace Scribenta
