#include "app/shell.h"

#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

std::shared_ptr<Shell> make_shell(const std::string& base) {
    auto shell = std::make_shared<Shell>();
    shell->base = base;
    shell->editor_panel = shell->base + "/Editor Panel";
    shell->sidebar = shell->editor_panel + "/Sidebar";
    shell->panels = shell->editor_panel + "/Panels";
    shell->text_panel = shell->base + "/Text Panel";
    shell->text_editor = shell->text_panel + "/Text Editor";
    shell->status_bar = shell->text_panel + "/Status Bar";
    shell->status_message = shell->status_bar + "/Status Message";
    shell->save_button = shell->status_bar + "/Save Button";
    return shell;
}

const std::vector<ShellTab>& site_shell_tabs() {
    static const std::vector<ShellTab> tabs = {
        {"Website Tab", "Website Panel"}, {"Projects Tab", "Projects Panel"},
        {"Socials Tab", "Socials Panel"}, {"Policies Tab", "Policies Panel"},
        {"Build Tab", "Build Panel"},
    };
    return tabs;
}

const std::vector<ShellTab>& project_shell_tabs() {
    static const std::vector<ShellTab> tabs = {
        {"Project Tab", "Project Panel"},   {"Source Tab", "Source Panel"},
        {"Readme Tab", "Readme Panel"},     {"License Tab", "License Panel"},
        {"Topics Tab", "Topics Panel"},     {"Dependencies Tab", "Dependencies Panel"},
        {"Versions Tab", "Versions Panel"}, {"Downloads Tab", "Downloads Panel"},
        {"Build Tab", "Build Panel"},
    };
    return tabs;
}

void select_tab(Ostrel::OApp& app, Shell& shell, const std::string& tab) {
    if (tab == shell.current_tab) return;
    // Only this function touches "Active" on tab buttons, so toggling the old
    // and the new button moves the word.
    if (!shell.current_tab.empty())
        app.toggle_state(shell.sidebar + "/" + shell.current_tab, "Active");
    app.toggle_state(shell.sidebar + "/" + tab, "Active");
    shell.current_tab = tab;
    for (const auto& [tab_name, panel] : shell.tabs) {
        app.set_visible(shell.panels + "/" + panel, tab_name == tab);
    }
}

void wire_shell_tabs(Ostrel::OApp& app, const std::shared_ptr<Shell>& shell) {
    Ostrel::OApp* store = &app;
    for (const auto& tab : shell->tabs) {
        app.on_click(shell->sidebar + "/" + tab.first,
                     [store, shell, name = tab.first] { select_tab(*store, *shell, name); });
    }
}

std::string first_dirty_guard(const Shell& shell) {
    for (const auto& guard : shell.guards) {
        if (guard.dirty && guard.dirty()) return guard.name;
    }
    return {};
}

}  // namespace Scribenta
