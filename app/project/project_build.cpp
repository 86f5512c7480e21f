#include "app/project/project_build.h"

#include <filesystem>

#include "app/build_log.h"
#include "app/file_url.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

namespace fs = std::filesystem;

void ProjectBuild::append_project_output_line(const std::string& line) const {
    append_log_line(state->build_log, line);
    app->texts[paths.build_log] = state->build_log;
}

void ProjectBuild::on_project_build_clicked() const {
    // "Disabled" only changes the button's look, so the flag is the guard.
    if (builds->running || edits->config_path.empty() || state->pending_count == 0) return;
    flush_edits();

    builds->running = true;
    set_project_build_disabled(*app, *state, paths.build_button, true);
    state->build_log.clear();
    app->texts[paths.build_log] = "";
    const std::string config = edits->config_path;
    if (app->is_checked(paths.build_advanced)) {
        append_project_output_line("[Build] Config: " + config);
    }

    const ProjectBuild self = *this;
    app->run_process(
        {"scribenta-cli", "build", config, "--porcelain"},
        [self](const std::string& line) { self.on_project_build_line(line); },
        [self](int exit_code) { self.on_project_build_finished(exit_code); });
}

void ProjectBuild::on_project_build_line(const std::string& line) const {
    const BuildLine read = read_build_line(line);
    switch (read.kind) {
        case BuildLineKind::Detail:
            if (app->is_checked(paths.build_advanced)) append_project_output_line(read.text);
            break;
        case BuildLineKind::Message:
        case BuildLineKind::Whole:
            append_project_output_line(read.text);
            break;
        case BuildLineKind::Output:
            // The project panel keeps no output location: the line shows whole.
            append_project_output_line(line);
            break;
    }
}

void ProjectBuild::on_project_build_finished(int exit_code) const {
    append_build_verdict([this](const std::string& line) { append_project_output_line(line); },
                         exit_code, kProjectToolDidNotRun);
    builds->running = false;
    if (refresh_versions) refresh_versions();
}

void ProjectBuild::on_project_output_clicked() const {
    if (edits->config_path.empty()) return;
    const fs::path folder = fs::path(edits->config_path).parent_path() / "versions";
    std::error_code error;
    if (!fs::exists(fs::symlink_status(folder, error))) return;
    if (app->open_url_service) app->open_url_service(local_file_url(folder.string()));
}

void wire_project_build(const ProjectBuild& build) {
    build.app->on_click(build.paths.build_button, [build] { build.on_project_build_clicked(); });
    build.app->on_click(build.paths.build_output_button,
                        [build] { build.on_project_output_clicked(); });
}

}  // namespace Scribenta
