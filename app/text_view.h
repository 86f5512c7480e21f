#pragma once

// Each configurator shows the configuration either as forms (the editor
// view) or as the whole file in one Editor (the text view), switched by the
// two tabs of its view bar. The text view checks the JSON as it is typed
// and writes it back on Save; switching views re-reads the file, so a
// switch that would drop unsaved text asks first.

#include <memory>
#include <string>

#include "app/dialogs.h"
#include "app/edit_queue.h"
#include "app/shell.h"

namespace Ostrel {
class OApp;
}

namespace Scribenta {

// base + "/View Bar/" + "Text View Tab" for "text", else "Editor View Tab".
std::string view_bar_tab_path(const Shell& shell, const std::string& mode);

// Moves "Active" to the mode's view-bar tab and shows only its panel.
void set_view_mode(Ostrel::OApp& app, Shell& shell, const std::string& mode);

// Whether the shell's text view holds text other than the file's while a
// configuration is shown.
bool text_view_modified(const Ostrel::OApp& app, const EditState& edits, const Shell& shell);

// on_text_view_changed: status "Clean" when the text equals the file's,
// "Unsaved" when it is other valid JSON, "Invalid" with the parser's line and
// message otherwise.
struct TextViewChanged {
    Ostrel::OApp* app = nullptr;
    std::shared_ptr<EditState> edits;
    std::shared_ptr<Shell> shell;
    void operator()(const std::string& text) const;
};

// on_text_view_save: writes valid JSON unchanged through the safe whole-file
// write and reloads the forms from it. A failed write keeps the user's text,
// "Unsaved changes" and an enabled Save. When another program changed the
// file since it was last read or written here (the form's own writes
// included), it asks first and writes only on "Replace".
struct TextViewSave {
    Ostrel::OApp* app = nullptr;
    std::shared_ptr<EditState> edits;
    std::shared_ptr<Shell> shell;
    ShowConfirm ask;
    void operator()() const;
    // The write itself, without the question; Replace runs it.
    void write() const;
    // The text Save would write; false while Save does nothing (disabled,
    // nothing shown, or text that is not JSON).
    bool savable_text(std::string& text) const;
};

// switch_view, bound to one shell: the view-bar handlers call it with
// "editor" or "text".
struct SwitchView {
    Ostrel::OApp* app = nullptr;
    std::shared_ptr<EditState> edits;
    FlushEdits flush_edits;
    ShowConfirm show_confirm;
    std::shared_ptr<Shell> shell;
    void operator()(const std::string& mode) const;
    // The continuations of the "Discard changes?" question.
    void switch_to_text_view() const;
    void switch_to_editor_view() const;
};

// Registers the text view's change and Save handlers of one shell.
void wire_text_view(Ostrel::OApp& app, const std::shared_ptr<Shell>& shell,
                    const std::shared_ptr<EditState>& edits, const ShowConfirm& ask);

// Registers the two view-bar tab handlers of the shell `switch_view` is
// bound to.
void wire_view_bar(Ostrel::OApp& app, const SwitchView& switch_view);

}  // namespace Scribenta
