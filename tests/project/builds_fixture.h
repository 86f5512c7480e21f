#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/build_state.h"
#include "app/project/build_panels.h"
#include "panels_fixture.h"

namespace Scribenta {

// The project panels with the Versions and Build panels wired on one build
// state, and a process service the test drives by hand: every run is kept
// with its command line and its callbacks, so a test finishes runs in any
// order.
class BuildsFixture : public PanelsFixture {
protected:
    struct Run {
        std::vector<std::string> argv;
        Ostrel::LineCallback line;
        Ostrel::ExitCallback exit;
        std::string file_at_start;  // the configuration as the tool found it
    };

    BuildsFixture() {
        app.process_service = [this](const std::vector<std::string>& argv,
                                     Ostrel::LineCallback on_line, Ostrel::ExitCallback on_exit) {
            runs.push_back({argv, std::move(on_line), std::move(on_exit),
                            argv.size() > 2 ? TempDir::read(argv[argv.size() - 2]) : ""});
        };
        wire_versions_and_build({&app, shell, edits, flush_edits, queue_edit, queue_source_edit,
                                 show_message, show_confirm, shown},
                                wiring, builds);
    }

    // Finishes run `index` with the lines and the exit code.
    void finish(std::size_t index, const std::vector<std::string>& lines, int exit_code) {
        ASSERT_LT(index, runs.size());
        const Run run = runs[index];  // the callbacks may start runs of their own
        for (const std::string& each : lines) run.line(each);
        run.exit(exit_code);
    }
    // Finishes the last run, which must be a versions listing.
    void list(const std::vector<std::string>& lines, int exit_code = 0) {
        ASSERT_FALSE(runs.empty());
        ASSERT_EQ(runs.back().argv.at(1), "versions");
        finish(runs.size() - 1, lines, exit_code);
    }
    std::size_t listings() const {
        std::size_t n = 0;
        for (const Run& run : runs) n += run.argv.at(1) == "versions" ? 1 : 0;
        return n;
    }

    std::string checkbox(std::size_t i) const { return version_checkbox_path(paths, i); }
    std::string row(std::size_t i) const { return version_row_path(paths, i); }
    std::string caption() const { return text(paths.build_button_label); }
    bool build_disabled() const { return has_word(paths.build_button, "Disabled"); }

    std::shared_ptr<BuildState> builds = std::make_shared<BuildState>();
    std::vector<Run> runs;
};

}  // namespace Scribenta
