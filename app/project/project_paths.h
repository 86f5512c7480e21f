#pragma once

// The node paths of the project configurator's panels, derived once from the
// project shell.

#include <array>
#include <cstddef>
#include <string>

#include "app/shell.h"

namespace Scribenta {

struct ProjectPaths {
    std::string family_bar;      // base + "/Family Bar"
    std::string member_tabs;     // family_bar + "/Member Tabs"
    std::string family_divider;  // base + "/Family Divider"
    std::string project_tab;     // sidebar + "/Project Tab"
    std::string project_tab_label;

    std::string project_panel;
    std::string project_form;
    std::string slug_field;
    std::string name_field;
    std::string tagline_field;
    std::string logo_picker;
    std::string logo_avatar;
    std::string logo_image;
    std::string logo_browse;
    std::string facts_label;
    std::string facts_form;
    std::string add_fact_button;
    std::string family_label;
    std::string promote_button;

    std::string source;
    std::string repository_label;
    std::string add_repository_button;
    std::string repo_form;
    std::string platform_field;
    std::string path_field;
    std::string url_field;
    std::string source_path_field;

    std::string readme;
    std::string readme_path_field;
    std::string readme_create_row;
    std::string license;
    std::string license_path_field;
    std::string license_create_row;
    std::string topics;
    std::string dependencies;
    std::string dep_cards;
    std::string downloads;
    std::string download_cards;
    std::string versions;
    std::string versions_status;  // versions + "/Status Message"
    std::string versions_table;   // versions + "/Versions Table"
    std::string versions_list;    // versions_table + "/Versions List"
    std::string build;
    std::string build_button;
    std::string build_button_label;
    std::string build_output_button;
    std::string build_advanced;  // build + "/Advanced Row/Advanced Checkbox"
    std::string build_log;       // build + "/Output Editor"
};

ProjectPaths project_paths(const Shell& shell);

// The value field of fact `index` and the member tab of member `index`.
std::string fact_value_field(const ProjectPaths& paths, std::size_t index);
std::string member_tab_path(const ProjectPaths& paths, std::size_t index);
// Row `index` of the versions table and its Include check box.
std::string version_row_path(const ProjectPaths& paths, std::size_t index);
std::string version_checkbox_path(const ProjectPaths& paths, std::size_t index);

// The sidebar tabs a family's own configuration has no use for: every tab
// but "Project Tab".
const std::array<const char*, 8>& member_only_tabs();

}  // namespace Scribenta
