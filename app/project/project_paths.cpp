#include "app/project/project_paths.h"

namespace Scribenta {

ProjectPaths project_paths(const Shell& shell) {
    ProjectPaths p;
    p.family_bar = shell.base + "/Family Bar";
    p.member_tabs = p.family_bar + "/Member Tabs";
    p.family_divider = shell.base + "/Family Divider";
    p.project_tab = shell.sidebar + "/Project Tab";
    p.project_tab_label = p.project_tab + "/Label";

    p.project_panel = shell.panels + "/Project Panel";
    p.project_form = p.project_panel + "/Project Form";
    p.slug_field = p.project_form + "/Slug Field";
    p.name_field = p.project_form + "/Name Field";
    p.tagline_field = p.project_form + "/Tagline Field";
    p.logo_picker = p.project_panel + "/Logo Picker";
    p.logo_avatar = p.logo_picker + "/Avatar";
    p.logo_image = p.logo_avatar + "/Logo Image";
    p.logo_browse = p.logo_picker + "/Controls Row/Browse Button";
    p.facts_label = p.project_panel + "/Facts Label";
    p.facts_form = p.project_panel + "/Facts Form";
    p.add_fact_button = p.project_panel + "/Add Fact Button";
    p.family_label = p.project_panel + "/Family Label";
    p.promote_button = p.project_panel + "/Promote Button";

    p.source = shell.panels + "/Source Panel";
    p.repository_label = p.source + "/Repository Label";
    p.add_repository_button = p.source + "/Add Repository Button";
    p.repo_form = p.source + "/Repo Form";
    p.platform_field = p.repo_form + "/Platform Field";
    p.path_field = p.repo_form + "/Path Field";
    p.url_field = p.repo_form + "/URL Field";
    p.source_path_field = p.source + "/Local Form/Source Path Field";

    p.readme = shell.panels + "/Readme Panel";
    p.readme_path_field = p.readme + "/Path Form/Readme Path Field";
    p.readme_create_row = p.readme + "/Create Row";
    p.license = shell.panels + "/License Panel";
    p.license_path_field = p.license + "/Path Form/License Path Field";
    p.license_create_row = p.license + "/Create Row";
    p.topics = shell.panels + "/Topics Panel";
    p.dependencies = shell.panels + "/Dependencies Panel";
    p.dep_cards = p.dependencies + "/Dep Cards";
    p.downloads = shell.panels + "/Downloads Panel";
    p.download_cards = p.downloads + "/Download Cards";
    p.versions = shell.panels + "/Versions Panel";
    p.versions_status = p.versions + "/Status Message";
    p.versions_table = p.versions + "/Versions Table";
    p.versions_list = p.versions_table + "/Versions List";
    p.build = shell.panels + "/Build Panel";
    p.build_button = p.build + "/Build Button";
    p.build_button_label = p.build_button + "/Label";
    p.build_output_button = p.build + "/Output Button";
    p.build_advanced = p.build + "/Advanced Row/Advanced Checkbox";
    p.build_log = p.build + "/Output Editor";
    return p;
}

std::string fact_value_field(const ProjectPaths& paths, std::size_t index) {
    return paths.facts_form + "/fact-" + std::to_string(index) + "/Value Field";
}

std::string member_tab_path(const ProjectPaths& paths, std::size_t index) {
    return paths.member_tabs + "/member-" + std::to_string(index);
}

std::string version_row_path(const ProjectPaths& paths, std::size_t index) {
    return paths.versions_list + "/version-" + std::to_string(index);
}

std::string version_checkbox_path(const ProjectPaths& paths, std::size_t index) {
    return version_row_path(paths, index) + "/Include Cell/Include Checkbox";
}

const std::array<const char*, 8>& member_only_tabs() {
    static const std::array<const char*, 8> tabs = {
        "Source Tab",       "Readme Tab",   "License Tab",   "Topics Tab",
        "Dependencies Tab", "Versions Tab", "Downloads Tab", "Build Tab"};
    return tabs;
}

}  // namespace Scribenta
