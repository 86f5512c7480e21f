#include "app/file_editor.h"

#include "app/changed_elsewhere.h"
#include "app/fields.h"
#include "app/text_file.h"
#include "config/safe_write.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

std::shared_ptr<FileEditor> make_file_editor(const std::string& status_bar,
                                             const std::string& text_key,
                                             const std::string& not_found_message,
                                             const std::string& name) {
    auto editor = std::make_shared<FileEditor>();
    editor->status_key = status_bar + "/Status Message";
    editor->wrap_key = status_bar + "/Wrap Checkbox";
    editor->save_key = status_bar + "/Save Button";
    editor->text_key = text_key;
    editor->not_found_message = not_found_message;
    editor->name = name;
    return editor;
}

void wire_file_editor(Ostrel::OApp& app, const std::shared_ptr<FileEditor>& editor,
                      const ShowConfirm& ask) {
    app.toggle_state(editor->save_key, "Disabled");
    app.set_checked(editor->wrap_key, true);
    Ostrel::OApp* store = &app;
    app.on_change(editor->text_key,
                  [store, editor](const std::string&) { refresh_editor_status(*store, *editor); });
    app.on_click(editor->wrap_key, [store, editor] { on_wrap_toggled(*store, *editor); });
    app.on_click(editor->save_key, FileEditorSave{store, editor, ask});
}

void load_file_editor(Ostrel::OApp& app, FileEditor& editor, const std::string& path) {
    editor.path = path;
    std::string content;
    const bool loaded = read_text_file(path, content);
    editor.loaded = loaded;
    editor.saved_text = loaded ? content : std::string();
    set_field_text(app, editor.text_key, editor.saved_text);
    if (!loaded != editor.locked) {
        app.toggle_state(editor.text_key, "Locked");
        editor.locked = !loaded;
    }
    refresh_editor_status(app, editor);
}

void reload_file_editor(Ostrel::OApp& app, FileEditor& editor, const std::string& path,
                        UnsavedText unsaved) {
    const bool keeps = unsaved == UnsavedText::any_file ||
                       (unsaved == UnsavedText::same_file && editor.path == path);
    if (keeps && editor_is_dirty(app, editor)) {
        refresh_editor_status(app, editor);
        return;
    }
    load_file_editor(app, editor, path);
}

bool editor_is_dirty(const Ostrel::OApp& app, const FileEditor& editor) {
    return editor.loaded && app.value(editor.text_key) != editor.saved_text;
}

void refresh_editor_status(Ostrel::OApp& app, FileEditor& editor) {
    if (editor.loaded) {
        const bool clean = app.value(editor.text_key) == editor.saved_text;
        app.texts[editor.status_key] = clean ? "" : "Unsaved changes";
        set_save_disabled(app, editor, clean);
    } else {
        app.texts[editor.status_key] = editor.path.empty() ? "" : editor.not_found_message;
        set_save_disabled(app, editor, true);
    }
}

void set_save_disabled(Ostrel::OApp& app, FileEditor& editor, bool disabled) {
    if (disabled == editor.save_disabled) return;
    app.toggle_state(editor.save_key, "Disabled");
    editor.save_disabled = disabled;
}

void on_wrap_toggled(Ostrel::OApp& app, FileEditor& editor) {
    app.toggle_state(editor.text_key, "NoWrap");
}

void on_file_editor_save(Ostrel::OApp& app, FileEditor& editor) {
    if (!editor.loaded || editor.save_disabled || editor.path.empty()) return;
    const std::string text = app.value(editor.text_key);
    if (!safe_write_file(editor.path, text)) return;
    editor.saved_text = text;
    refresh_editor_status(app, editor);
}

void FileEditorSave::operator()() const {
    if (!editor->loaded || editor->save_disabled || editor->path.empty()) return;
    const std::string path = editor->path;
    write_or_ask(ask, path, editor->saved_text, app->value(editor->text_key),
                 [store = app, editor = editor, path] {
                     // Replace writes the file it was asked about, or nothing.
                     if (editor->path == path) on_file_editor_save(*store, *editor);
                 });
}

ShellGuard file_editor_guard(Ostrel::OApp& app, const std::shared_ptr<FileEditor>& editor) {
    const Ostrel::OApp* store = &app;
    return ShellGuard{editor->name, [store, editor] { return editor_is_dirty(*store, *editor); }};
}

}  // namespace Scribenta
