#include "app/project/entry_dialogs.h"

#include <filesystem>

#include "app/fields.h"
#include "app/pickers.h"
#include "app/project/image_pick.h"
#include "config/list_append.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

namespace fs = std::filesystem;

namespace {

const char* const kIconHint = "/Body/Icon Row/Icon Hint";
const char* const kExternalBox = "/Body/External Row/External Checkbox";

std::string trimmed_value(const Ostrel::OApp& app, const std::string& path) {
    return trim(app.value(path));
}

// The shared end of Create: pending edits first, then the model's appender
// on the configuration open now; on success the dialog closes and the form
// shows the new entry.
template <typename Input>
void append_entry(const ProjectPanelContext& ctx, const EntryDialog& dialog,
                  bool (*add)(const std::string&, const Input&, std::string*), const Input& input,
                  const char* failure_title) {
    ctx.flush_edits();
    std::string error;
    if (add(ctx.edits->config_path, input, &error)) {
        ctx.app->set_visible(dialog.path, false);
        ctx.reload()();
    } else {
        ctx.show_message(failure_title, error);
    }
}

}  // namespace

EntryDialog dependency_dialog() {
    return {kAddDependencyDialog,
            {"/Body/Name Editor", "/Body/URL Editor"},
            std::make_shared<std::string>(),
            true};
}

EntryDialog fact_dialog() {
    return {kAddFactDialog,
            {"/Body/Label Editor", "/Body/Value Editor", "/Body/Href Editor", "/Body/Note Editor"},
            nullptr,
            false};
}

EntryDialog download_dialog() {
    return {kAddDownloadDialog,
            {"/Body/URL Editor", "/Body/Platform Editor", "/Body/Size Editor"},
            std::make_shared<std::string>(),
            false};
}

void OpenEntryDialog::operator()() const {
    if (ctx.shown->kind != kProjectConfig || !ctx.config_open()) return;
    for (const auto& editor : dialog.editors) set_field_text(*ctx.app, dialog.node(editor), "");
    if (dialog.icon) {
        dialog.icon->clear();
        ctx.app->texts[dialog.node(kIconHint)] = kNoIconHint;
    }
    if (dialog.has_external_box) ctx.app->set_checked(dialog.node(kExternalBox), true);
    ctx.app->set_visible(dialog.path, true);
}

void EntryIconBrowse::operator()() const {
    if (!ctx.config_open()) return;
    fs::path images;
    const auto request = site_image_request(ctx.edits->config_path, title, images);
    ctx.app->pick_file(request, IconPicked{ctx.app, ctx.edits, dialog.icon, dialog.node(kIconHint),
                                           images.string()});
}

void AddDependencyConfirm::operator()() const {
    if (!ctx.config_open()) return;
    DependencyInput input;
    input.name = trimmed_value(*ctx.app, dialog.node("/Body/Name Editor"));
    input.url = trimmed_value(*ctx.app, dialog.node("/Body/URL Editor"));
    if (input.name.empty() || input.url.empty()) return;
    input.icon = *dialog.icon;
    input.external = ctx.app->is_checked(dialog.node(kExternalBox));
    append_entry(ctx, dialog, add_dependency_to_config, input, "Couldn't Add Dependency");
}

void AddFactConfirm::operator()() const {
    if (!ctx.config_open()) return;
    FactInput input;
    input.label = trimmed_value(*ctx.app, dialog.node("/Body/Label Editor"));
    input.value = trimmed_value(*ctx.app, dialog.node("/Body/Value Editor"));
    if (input.label.empty() || input.value.empty()) return;
    input.href = trimmed_value(*ctx.app, dialog.node("/Body/Href Editor"));
    input.note = trimmed_value(*ctx.app, dialog.node("/Body/Note Editor"));
    append_entry(ctx, dialog, add_fact_to_config, input, "Couldn't Add Fact");
}

void AddDownloadConfirm::operator()() const {
    if (!ctx.config_open()) return;
    DownloadInput input;
    input.url = trimmed_value(*ctx.app, dialog.node("/Body/URL Editor"));
    input.platform_label = trimmed_value(*ctx.app, dialog.node("/Body/Platform Editor"));
    if (input.url.empty() || input.platform_label.empty()) return;
    input.platform_icon = *dialog.icon;
    input.size = trimmed_value(*ctx.app, dialog.node("/Body/Size Editor"));
    append_entry(ctx, dialog, add_download_to_config, input, "Couldn't Add Download");
}

}  // namespace Scribenta
