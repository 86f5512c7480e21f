#pragma once

// A file editor panel: an Editor node bound to one text file, with a status
// text, a Wrap check box and a Save button enabled only while the text
// differs from the file.
//
//   state    condition                  status             Save      "Locked"
//   no file  no path                    empty              disabled  set
//   missing  path not readable          not-found message  disabled  set
//   clean    loaded, text unchanged     empty              disabled  clear
//   unsaved  loaded, text changed       "Unsaved changes"  enabled   clear

#include <memory>
#include <string>

#include "app/dialogs.h"
#include "app/shell.h"

namespace Ostrel {
class OApp;
}

namespace Scribenta {

struct FileEditor {
    std::string status_key;  // status text node
    std::string wrap_key;    // Wrap check box
    std::string save_key;    // Save button
    std::string text_key;    // Editor holding the text
    std::string not_found_message;
    std::string name;        // as questions name it, such as "README editor"
    std::string path;        // the file shown; empty for none
    std::string saved_text;  // the file's text as last read or written
    bool loaded = false;
    bool locked = false;        // "Locked" is on text_key
    bool save_disabled = true;  // "Disabled" is on save_key
};

// An editor whose status, Wrap and Save nodes sit in one status bar:
// status_bar + "/Status Message", "/Wrap Checkbox" and "/Save Button".
std::shared_ptr<FileEditor> make_file_editor(const std::string& status_bar,
                                             const std::string& text_key,
                                             const std::string& not_found_message,
                                             const std::string& name);

// Puts "Disabled" on Save and "Checked" on Wrap, and registers the text
// change, Wrap and Save handlers (FileEditorSave, asking through `ask`).
// Called once per editor.
void wire_file_editor(Ostrel::OApp& app, const std::shared_ptr<FileEditor>& editor,
                      const ShowConfirm& ask);

// Shows a file, or none for an empty path, dropping unsaved text without
// asking. Only a regular file (links followed) read whole is loaded; a
// folder, device, pipe or unreadable file shows the not-found state.
void load_file_editor(Ostrel::OApp& app, FileEditor& editor, const std::string& path);

// What reload_file_editor does with unsaved text the editor holds.
enum class UnsavedText {
    drop,       // the file named is loaded all the same
    same_file,  // kept while the file named is the one it was typed into
    // Kept with its file whatever file is named now: a redraw of the form it
    // sits in, after another program pointed the configuration at another
    // file, must not drop what was typed. Save still writes the editor's
    // file; the named one is loaded once the text is saved or discarded.
    any_file,
};

// Shows `path` like load_file_editor, unless the editor holds unsaved text
// that `unsaved` keeps.
void reload_file_editor(Ostrel::OApp& app, FileEditor& editor, const std::string& path,
                        UnsavedText unsaved);
bool editor_is_dirty(const Ostrel::OApp& app, const FileEditor& editor);
void refresh_editor_status(Ostrel::OApp& app, FileEditor& editor);
void set_save_disabled(Ostrel::OApp& app, FileEditor& editor, bool disabled);

void on_wrap_toggled(Ostrel::OApp& app, FileEditor& editor);

// Writes the text as typed through the safe whole-file write. A failed
// write changes nothing: the text stays, "Unsaved changes" stays and Save
// stays enabled.
void on_file_editor_save(Ostrel::OApp& app, FileEditor& editor);

// The Save button: on_file_editor_save, but when another program changed
// the file since it was read or written here, only after "Replace" (see
// changed_elsewhere.h).
struct FileEditorSave {
    Ostrel::OApp* app = nullptr;
    std::shared_ptr<FileEditor> editor;
    ShowConfirm ask;
    void operator()() const;
};

// The shell guard of an editor, under its name: dirty while it holds
// unsaved text.
ShellGuard file_editor_guard(Ostrel::OApp& app, const std::shared_ptr<FileEditor>& editor);

}  // namespace Scribenta
