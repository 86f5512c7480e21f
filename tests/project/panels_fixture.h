#pragma once

#include <string>
#include <vector>

#include "app/dialogs.h"
#include "app/project/project_panels.h"
#include "project_fixture.h"

namespace Scribenta {

// The project configurator with its later panels wired as the window wires
// them: cards, facts and downloads, README and LICENSE, topics, and the
// message and confirmation dialogs. Opened addresses are recorded.
class PanelsFixture : public ProjectFixture {
protected:
    PanelsFixture() {
        for (const char* dialog : {"App/Add Dependency Dialog", "App/Add Fact Dialog",
                                   "App/Add Download Dialog", "App/Add Topic Dialog"}) {
            app.set_visible(dialog, false);
            wire_dialog_dismiss(app, dialog,
                                {"/Titlebar/Exit Button", "/Body/Actions/Cancel Button"});
        }
        app.set_visible(kMessageDialog, false);
        app.set_visible(kConfirmDialog, false);
        app.open_url_service = [this](const std::string& url) { opened.push_back(url); };
        topics = wire_project_panels({&app, shell, edits, flush_edits, queue_edit,
                                      queue_source_edit, show_message, show_confirm, shown},
                                     wiring);
    }

    // A site holding the project "p" with the given configuration and,
    // beside it, a source folder "src"; returns the configuration's path.
    std::filesystem::path site_project(const std::string& config) {
        dir.write(".scribenta-site", R"({"title": "Site", "projects": []})");
        return dir.write("projects/p/.scribenta-project", config);
    }

    void row_action(const std::string& list, const std::string& row, const std::string& action) {
        app.row_action_handlers.at(list)(list, row, action);
    }
    std::string text(const std::string& path) const {
        const auto it = app.texts.find(path);
        return it == app.texts.end() ? std::string() : it->second;
    }
    // The confirmation on screen as title | message | confirm label, or "".
    std::string question() const {
        if (!visible(kConfirmDialog)) return "";
        const std::string d = kConfirmDialog;
        return text(d + "/Titlebar/Title") + " | " + text(d + "/Body/Message") + " | " +
               text(d + "/Body/Actions/Confirm Button/Label");
    }
    // The message on screen as title | text, or "".
    std::string message() const {
        if (!visible(kMessageDialog)) return "";
        const std::string d = kMessageDialog;
        return text(d + "/Titlebar/Title") + " | " + text(d + "/Body/Message");
    }
    void confirm() { click(std::string(kConfirmDialog) + "/Body/Actions/Confirm Button"); }
    void cancel() { click(std::string(kConfirmDialog) + "/Body/Actions/Cancel Button"); }
    // Types into each field of a dialog (paths below it).
    void fill(const std::string& dialog,
              const std::vector<std::pair<std::string, std::string>>& fields) {
        for (const auto& [field, value] : fields) type(dialog + field, value);
    }

    ShowMessage show_message = wire_message_dialog(app);
    QueueEdit queue_source_edit{&app, edits, flush_edits, true};
    std::shared_ptr<TopicsState> topics;
    std::vector<std::string> opened;
};

}  // namespace Scribenta
