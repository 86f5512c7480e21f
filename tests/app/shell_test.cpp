#include <gtest/gtest.h>

#include "app/shell.h"
#include "app/shell_status.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {
namespace {

const std::string kSite = "App/Scribenta Window/Config Pane/Site Configurator";
const std::string kProject = "App/Scribenta Window/Config Pane/Project Configurator";

std::shared_ptr<Shell> site_shell() {
    auto shell = make_shell(kSite);
    shell->tabs = site_shell_tabs();
    return shell;
}

bool has_word(const Ostrel::OApp& app, const std::string& path, const std::string& word) {
    const auto it = app.node_states.find(path);
    return it != app.node_states.end() && it->second.count(word);
}

TEST(MakeShell, DerivesEveryPathFromTheBase) {
    const auto shell = make_shell("B");
    EXPECT_EQ(shell->editor_panel, "B/Editor Panel");
    EXPECT_EQ(shell->sidebar, "B/Editor Panel/Sidebar");
    EXPECT_EQ(shell->panels, "B/Editor Panel/Panels");
    EXPECT_EQ(shell->text_panel, "B/Text Panel");
    EXPECT_EQ(shell->text_editor, "B/Text Panel/Text Editor");
    EXPECT_EQ(shell->status_bar, "B/Text Panel/Status Bar");
    EXPECT_EQ(shell->status_message, "B/Text Panel/Status Bar/Status Message");
    EXPECT_EQ(shell->save_button, "B/Text Panel/Status Bar/Save Button");
    EXPECT_TRUE(shell->tabs.empty());
    EXPECT_TRUE(shell->current_tab.empty());
    EXPECT_TRUE(shell->view_mode.empty());
    EXPECT_FALSE(shell->invalid);
    EXPECT_TRUE(shell->save_disabled);
    EXPECT_EQ(site_shell_tabs().size(), 5u);
    EXPECT_EQ(project_shell_tabs().size(), 9u);
}

// The shown panels and the buttons carrying "Active" after each selection.
TEST(SelectTab, MovesActiveAndShowsOnlyThatPanel) {
    Ostrel::OApp app;
    const auto shell = site_shell();
    const std::string panels = kSite + "/Editor Panel/Panels/";
    const std::string sidebar = kSite + "/Editor Panel/Sidebar/";
    struct Step {
        std::string tab;
        std::string shown_panel;  // "" for none
    };
    const Step steps[] = {
        {"Website Tab", "Website Panel"},   {"Website Tab", "Website Panel"},
        {"Build Tab", "Build Panel"},       {"Nowhere Tab", ""},
        {"Projects Tab", "Projects Panel"},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.tab);
        select_tab(app, *shell, step.tab);
        EXPECT_EQ(shell->current_tab, step.tab);
        for (const auto& [tab, panel] : site_shell_tabs()) {
            EXPECT_EQ(app.hidden.count(panels + panel) == 0, panel == step.shown_panel) << panel;
            EXPECT_EQ(has_word(app, sidebar + tab, "Active"), tab == step.tab) << tab;
        }
    }
}

TEST(SelectTab, TabButtonsSelectTheirTab) {
    Ostrel::OApp app;
    auto project = make_shell(kProject);
    project->tabs = project_shell_tabs();
    wire_shell_tabs(app, project);
    EXPECT_EQ(app.click_handlers.size(), 9u);
    app.dispatch_event(kProject + "/Editor Panel/Sidebar/Versions Tab", "click");
    EXPECT_EQ(project->current_tab, "Versions Tab");
    EXPECT_FALSE(app.hidden.count(kProject + "/Editor Panel/Panels/Versions Panel"));
    EXPECT_TRUE(app.hidden.count(kProject + "/Editor Panel/Panels/Project Panel"));
}

TEST(SelectTab, SameTabNamesInTwoShellsStayApart) {
    Ostrel::OApp app;
    const auto site = site_shell();
    auto project = make_shell(kProject);
    project->tabs = project_shell_tabs();
    select_tab(app, *site, "Build Tab");
    select_tab(app, *project, "Project Tab");
    EXPECT_TRUE(has_word(app, kSite + "/Editor Panel/Sidebar/Build Tab", "Active"));
    EXPECT_FALSE(has_word(app, kProject + "/Editor Panel/Sidebar/Build Tab", "Active"));
    EXPECT_TRUE(app.hidden.count(kProject + "/Editor Panel/Panels/Build Panel"));
    EXPECT_FALSE(app.hidden.count(kSite + "/Editor Panel/Panels/Build Panel"));
}

TEST(FirstDirtyGuard, NamesTheFirstUnsavedEditorInOrder) {
    auto shell = site_shell();
    bool policies = false;
    bool section = false;
    shell->guards = {{"Policies editor", [&] { return policies; }},
                     {"Section content editor", [&] { return section; }}};
    EXPECT_EQ(first_dirty_guard(*shell), "");
    section = true;
    EXPECT_EQ(first_dirty_guard(*shell), "Section content editor");
    policies = true;
    EXPECT_EQ(first_dirty_guard(*shell), "Policies editor");
}

TEST(SetShellStatus, OnlyUnsavedEnablesSaveAndOnlyInvalidMarksTheBar) {
    Ostrel::OApp app;
    auto shell = site_shell();
    app.toggle_state(shell->save_button, "Disabled");  // as the window starts
    struct Step {
        const char* word;
        const char* message;
        bool invalid;
        bool disabled;
    };
    const Step steps[] = {
        {"Unsaved", "Unsaved changes", false, false},
        {"Unsaved", "Unsaved changes", false, false},
        {"Invalid", "Invalid JSON — line 1: x", true, true},
        {"Invalid", "Invalid JSON — line 2: y", true, true},
        {"Unsaved", "Unsaved changes", false, false},
        {"Clean", "", false, true},
        {"Clean", "", false, true},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.message);
        set_shell_status(app, *shell, step.word, step.message);
        EXPECT_EQ(app.texts[shell->status_message], step.message);
        EXPECT_EQ(has_word(app, shell->status_bar, "Invalid"), step.invalid);
        EXPECT_EQ(has_word(app, shell->save_button, "Disabled"), step.disabled);
        EXPECT_EQ(shell->invalid, step.invalid);
        EXPECT_EQ(shell->save_disabled, step.disabled);
    }
}

}  // namespace
}  // namespace Scribenta
