#include "app/project/versions_table.h"

#include <filesystem>

#include "config/versions.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

namespace fs = std::filesystem;

void VersionsTable::refresh_versions() const {
    const int generation = ++state->versions_generation;
    const std::string config = edits->config_path;
    if (config.empty()) {
        state->version_rows.clear();
        state->version_rows_config.clear();
        app->set_rows("versionRows", {});
        app->set_visible(paths.versions_table, false);
        app->set_visible(paths.versions_status, false);
        update_pending_label(0);
        return;
    }
    // The table keeps showing the previous listing until this one completes.
    auto listing = std::make_shared<VersionListing>();
    const VersionsTable self = *this;
    app->run_process(
        {"scribenta-cli", "versions", config, "--porcelain"},
        [listing](const std::string& line) { read_versions_line(line, *listing); },
        [self, listing, config, generation](int exit_code) {
            self.on_versions_listed(*listing, config, generation, exit_code);
        });
}

void VersionsTable::on_versions_listed(const VersionListing& result, const std::string& config,
                                       int generation, int exit_code) const {
    if (state->versions_generation != generation || edits->config_path != config) return;
    VersionListing listing = result;
    if (exit_code == -1) listing.errors.emplace_back(kVersionsToolDidNotRun);

    state->version_rows = listing.rows;
    state->version_rows_config = config;
    app->set_rows("versionRows", version_list_entries(listing.rows));
    app->set_visible(paths.versions_table, !listing.rows.empty());

    for (std::size_t i = 0; i < listing.rows.size(); ++i) {
        const VersionRowUi& row = listing.rows[i];
        const std::string checkbox = version_checkbox_path(paths, i);
        app->set_checked(checkbox, row.included);
        // on_version_include_changed: reaches the action through the hooks,
        // so a row holds no table and the two never keep each other alive.
        app->on_click(checkbox, [hooks = hooks, i] {
            const auto held = hooks.lock();
            if (held && held->include_version) held->include_version(i);
        });
        const std::string row_path = version_row_path(paths, i);
        set_state_word(*app, row_path, "Excluded", state->excluded_rows[row_path],
                       row.status == "excluded");
    }

    const std::string message = versions_message(listing);
    app->texts[paths.versions_status] = message;
    app->set_visible(paths.versions_status, !message.empty());
    update_pending_label(pending_versions(listing.rows));
}

void VersionsTable::update_pending_label(std::uint64_t count) const {
    state->pending_count = count;
    app->texts[paths.build_button_label] = pending_caption(count);
    set_project_build_disabled(*app, *state, paths.build_button, builds->running || count == 0);
}

void VersionIncludeToggle::operator()(std::size_t index) const {
    const ProjectState& state = *table.state;
    const std::string config = table.edits->config_path;
    if (config.empty() || index >= state.version_rows.size()) return;
    const VersionRowUi row = state.version_rows[index];
    table.app->set_checked(version_checkbox_path(table.paths, index), row.included);
    if (table.builds->running) return;
    // A listing still running after a switch leaves the previous project's
    // rows on screen; acting on them would change this project.
    if (state.version_rows_config != config) return;

    if (!row.included) {
        flush_edits();
        if (restore_version(config, row.tag_mm, row.released)) table.refresh_versions();
        return;
    }

    ExcludeVersion exclude{table, flush_edits, config, row.tag_mm, "", false};
    if (is_version_folder_name(row.tag_mm)) {
        exclude.output = (fs::path(config).parent_path() / "versions" / row.tag_mm).string();
        std::error_code error;
        // The entry itself, a symbolic link included, not what it points at.
        exclude.has_output = fs::exists(fs::symlink_status(exclude.output, error));
    }
    if (!exclude.has_output) {
        exclude();
        return;
    }
    show_confirm("Exclude Version",
                 "Exclude " + row.tag_mm +
                     " and delete its generated output? Re-check Include to declare it again.",
                 "Exclude", exclude);
}

void ExcludeVersion::operator()() const {
    flush_edits();
    if (!exclude_version(config, label)) return;
    if (has_output) {
        // remove_all removes a symbolic link itself and never descends
        // through one, so nothing outside the version's folder goes.
        std::error_code ignored;
        fs::remove_all(output, ignored);
    }
    table.refresh_versions();
}

}  // namespace Scribenta
