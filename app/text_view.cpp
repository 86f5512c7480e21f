#include "app/text_view.h"

#include "app/changed_elsewhere.h"
#include "app/json_status.h"
#include "app/shell_status.h"
#include "config/safe_write.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

std::string view_bar_tab_path(const Shell& shell, const std::string& mode) {
    return shell.base + "/View Bar/" + (mode == "text" ? "Text View Tab" : "Editor View Tab");
}

void set_view_mode(Ostrel::OApp& app, Shell& shell, const std::string& mode) {
    if (mode == shell.view_mode) return;
    if (!shell.view_mode.empty())
        app.toggle_state(view_bar_tab_path(shell, shell.view_mode), "Active");
    app.toggle_state(view_bar_tab_path(shell, mode), "Active");
    shell.view_mode = mode;
    app.set_visible(shell.editor_panel, mode == "editor");
    app.set_visible(shell.text_panel, mode == "text");
}

bool text_view_modified(const Ostrel::OApp& app, const EditState& edits, const Shell& shell) {
    return !edits.config_path.empty() && app.value(shell.text_editor) != edits.text;
}

void TextViewChanged::operator()(const std::string& text) const {
    if (edits->config_path.empty()) return;
    if (text == edits->text) {
        set_shell_status(*app, *shell, "Clean", "");
        return;
    }
    std::string status;
    if (check_json_text(text, status)) {
        set_shell_status(*app, *shell, "Unsaved", "Unsaved changes");
    } else {
        set_shell_status(*app, *shell, "Invalid", status);
    }
}

bool TextViewSave::savable_text(std::string& text) const {
    if (shell->save_disabled || edits->config_path.empty()) return false;
    text = app->value(shell->text_editor);
    std::string status;
    return check_json_text(text, status);
}

void TextViewSave::operator()() const {
    std::string text;
    if (!savable_text(text)) return;
    const std::string path = edits->config_path;
    // The dialog holds the answer, so the answer holds the shell only
    // weakly: the shell's handlers reach the dialog, and the two would keep
    // each other alive.
    write_or_ask(ask, path, edits->text, text,
                 [app = app, edits = edits, weak = std::weak_ptr<Shell>(shell), path] {
                     const std::shared_ptr<Shell> shown = weak.lock();
                     // Replace writes the configuration it was asked about, or nothing.
                     if (shown && edits->config_path == path)
                         TextViewSave{app, edits, shown, {}}.write();
                 });
}

void TextViewSave::write() const {
    std::string text;
    if (!savable_text(text)) return;
    if (!safe_write_file(edits->config_path, text)) {
        set_shell_status(*app, *shell, "Unsaved", "Unsaved changes");
        return;
    }
    if (shell->reload) {
        shell->reload();
    } else {
        edits->text = text;
        set_shell_status(*app, *shell, "Clean", "");
    }
}

namespace {

void reload_if_shown(const EditState& edits, const Shell& shell) {
    if (!edits.config_path.empty() && shell.reload) shell.reload();
}

}  // namespace

void SwitchView::operator()(const std::string& mode) const {
    if (mode == shell->view_mode) return;
    const SwitchView self = *this;
    if (mode == "text") {
        const std::string name = first_dirty_guard(*shell);
        if (!name.empty()) {
            show_confirm("Discard changes?",
                         "The " + name + " has unsaved changes. Switching views will discard them.",
                         "Discard", [self] { self.switch_to_text_view(); });
            return;
        }
        switch_to_text_view();
        return;
    }
    if (text_view_modified(*app, *edits, *shell)) {
        show_confirm(
            "Discard changes?",
            "The Text view has unsaved changes. Switching to the Editor will discard them.",
            "Discard", [self] { self.switch_to_editor_view(); });
        return;
    }
    switch_to_editor_view();
}

void SwitchView::switch_to_text_view() const {
    flush_edits();
    reload_if_shown(*edits, *shell);
    set_view_mode(*app, *shell, "text");
}

void SwitchView::switch_to_editor_view() const {
    reload_if_shown(*edits, *shell);
    set_view_mode(*app, *shell, "editor");
}

void wire_text_view(Ostrel::OApp& app, const std::shared_ptr<Shell>& shell,
                    const std::shared_ptr<EditState>& edits, const ShowConfirm& ask) {
    app.on_change(shell->text_editor, TextViewChanged{&app, edits, shell});
    app.on_click(shell->save_button, TextViewSave{&app, edits, shell, ask});
}

void wire_view_bar(Ostrel::OApp& app, const SwitchView& switch_view) {
    const Shell& shell = *switch_view.shell;
    app.on_click(view_bar_tab_path(shell, "editor"), [switch_view] { switch_view("editor"); });
    app.on_click(view_bar_tab_path(shell, "text"), [switch_view] { switch_view("text"); });
}

}  // namespace Scribenta
