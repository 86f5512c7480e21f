#include "app/site/site_build.h"

#include <filesystem>

#include "app/build_log.h"
#include "app/file_url.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

SiteBuildPaths make_site_build_paths(const std::string& panel) {
    return {panel + "/Advanced Row/Advanced Checkbox", panel + "/Output Editor",
            panel + "/Actions Row/Build Button", panel + "/Actions Row/Output Button"};
}

void SiteBuild::set_site_build_disabled(bool disabled) const {
    if (state->button_disabled == disabled) return;
    app->toggle_state(paths.build_button, "Disabled");
    state->button_disabled = disabled;
}

void SiteBuild::append_site_output_line(const std::string& line) const {
    append_log_line(state->log, line);
    app->texts[paths.output_editor] = state->log;
}

void SiteBuild::on_site_build_clicked() const {
    // "Disabled" only changes the button's look, so the flag is the guard.
    if (state->running) return;
    if (shown->kind != kSiteConfig || shown->path.empty()) return;
    const std::string config = shown->path;
    flush_edits();

    state->running = true;
    set_site_build_disabled(true);
    state->log.clear();
    state->output_path.clear();
    app->texts[paths.output_editor] = "";
    if (app->is_checked(paths.advanced)) append_site_output_line("[Site] Config: " + config);

    const SiteBuild self = *this;
    app->run_process(
        {"scribenta-cli", "site", "build", config, "--porcelain"},
        [self](const std::string& line) { self.on_site_build_line(line); },
        [self](int exit_code) { self.on_site_build_finished(exit_code); });
}

void SiteBuild::on_site_build_line(const std::string& line) const {
    const BuildLine read = read_build_line(line);
    switch (read.kind) {
        case BuildLineKind::Output:
            state->output_path = read.text;
            break;
        case BuildLineKind::Detail:
            if (app->is_checked(paths.advanced)) append_site_output_line(read.text);
            break;
        case BuildLineKind::Message:
        case BuildLineKind::Whole:
            append_site_output_line(read.text);
            break;
    }
}

void SiteBuild::on_site_build_finished(int exit_code) const {
    append_build_verdict([this](const std::string& line) { append_site_output_line(line); },
                         exit_code, kSiteToolDidNotRun);
    state->running = false;
    set_site_build_disabled(false);
    if (state->site_build_ended) state->site_build_ended();
}

void SiteBuild::on_site_output_clicked() const {
    const std::string& output = state->output_path;
    if (output.empty()) return;
    std::error_code error;
    if (!std::filesystem::exists(output, error)) return;
    if (app->open_url_service) app->open_url_service(local_file_url(output));
}

void wire_site_build(const SiteBuild& build) {
    build.app->on_click(build.paths.build_button, [build] { build.on_site_build_clicked(); });
    build.app->on_click(build.paths.output_button, [build] { build.on_site_output_clicked(); });
}

}  // namespace Scribenta
