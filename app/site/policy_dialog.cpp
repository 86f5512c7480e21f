#include "app/site/policy_dialog.h"

#include <filesystem>
#include <limits>
#include <system_error>

#include "app/fields.h"
#include "app/pickers.h"
#include "config/list_append.h"
#include "config/safe_write.h"
#include "config/slugs.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

namespace fs = std::filesystem;

namespace {

const std::string kDialog = kAddPolicyDialog;
const std::string kName = kDialog + "/Body/Name Editor";
const std::string kSlug = kDialog + "/Body/Slug Editor";
const std::string kTitle = kDialog + "/Body/Title Editor";
const std::string kFile = kDialog + "/Body/File Row/File Editor";
const std::string kFooter = kDialog + "/Body/Footer Row/Footer Checkbox";

std::string derived_file(const std::string& slug) {
    return slug.empty() ? std::string() : "policies/" + slug + ".md";
}

bool entry_present(const fs::path& path) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

}  // namespace

void OpenAddPolicyDialog::operator()() const {
    if (!panels.site_shown()) return;
    Ostrel::OApp& app = *panels.app;
    *flags = AddSetState{};
    for (const std::string& editor : {kName, kSlug, kTitle, kFile}) set_field_text(app, editor, "");
    app.set_checked(kFooter, true);
    app.set_visible(kDialog, true);
}

void PolicyNameEdited::operator()(const std::string& name) const {
    if (flags->slug_edited) return;
    const std::string slug = slugify(name);
    set_field_text(*app, kSlug, slug);
    if (!flags->file_edited) set_field_text(*app, kFile, derived_file(slug));
}

void PolicySlugEdited::operator()(const std::string& slug) const {
    flags->slug_edited = !slug.empty();
    if (!flags->file_edited) set_field_text(*app, kFile, derived_file(trim(slug)));
}

void PolicyFileEditedMark::operator()(const std::string& file) const {
    flags->file_edited = !file.empty();
}

void BrowsePolicyFile::operator()() const {
    const std::string& config = panels.edits->config_path;
    if (config.empty()) return;
    const fs::path site_dir = fs::path(config).parent_path();
    Ostrel::PickRequest request;
    request.mode = "file";
    request.title = "Select a policy Markdown file";
    request.filter = "Markdown (*.md *.markdown);;All Files (*)";
    request.directory =
        (entry_present(site_dir / "policies") ? site_dir / "policies" : site_dir).string();
    request.show_hidden = false;
    panels.app->pick_file(
        request, SourceFilePicked{panels.app, std::shared_ptr<bool>(flags, &flags->file_edited),
                                  kFile, site_dir.string()});
}

void create_policy_file(const std::string& path, const std::string& name) {
    if (path.empty() || entry_present(path)) return;
    std::error_code ec;
    fs::create_directories(fs::path(path).parent_path(), ec);  // a failure shows below
    safe_create_file(path, "# " + name + "\n");  // refuses whatever appeared meanwhile
}

void CreatePolicy::operator()() const {
    const std::string config = panels.edits->config_path;
    if (config.empty()) return;
    Ostrel::OApp& app = *panels.app;
    PolicyInput input;
    input.name = trim(app.value(kName));
    input.slug = trim(app.value(kSlug));
    if (input.name.empty() || input.slug.empty()) return;
    input.title = trim(app.value(kTitle));
    if (input.title.empty()) {
        const std::string site_title = trim(app.value(panels.paths.site_form + "/Title Field"));
        input.title = site_title.empty() ? input.name : input.name + " - " + site_title;
    }
    input.file = trim(app.value(kFile));
    if (input.file.empty()) input.file = "policies/" + input.slug + ".md";
    input.footer_link = app.is_checked(kFooter);

    panels.flush_edits();
    std::string error;
    if (!add_policy_to_config(config, input, &error)) {
        panels.show_message("Couldn't Add Policy", error);
        return;
    }
    create_policy_file(resolve_policy_path(config, input.file), input.name);
    app.set_visible(kDialog, false);
    SetSelection& selection = state->selection;
    const bool editing_shown = state->shown_owner == config &&
                               state->shown_index == selection.index &&
                               editor_is_dirty(app, *state->editor);
    // The new policy is the file's last, whatever another program added
    // meanwhile; the redraw brings an index past the end back to it.
    if (!editing_shown) selection.index = std::numeric_limits<std::size_t>::max();
    panels.reload()();
}

void wire_add_policy_dialog(const SitePanelsContext& panels,
                            const std::shared_ptr<PoliciesState>& state,
                            const std::shared_ptr<AddSetState>& flags) {
    Ostrel::OApp& app = *panels.app;
    app.set_visible(kDialog, false);
    app.on_change(kName, PolicyNameEdited{&app, flags});
    app.on_change(kSlug, PolicySlugEdited{&app, flags});
    app.on_change(kFile, PolicyFileEditedMark{flags});
    app.on_click(kDialog + "/Body/File Row/Browse Button", BrowsePolicyFile{panels, flags});
    wire_dialog_dismiss(app, kDialog, {"/Titlebar/Exit Button", "/Body/Actions/Cancel Button"});
    app.on_click(kDialog + "/Body/Actions/Create Button", CreatePolicy{panels, state});
}

}  // namespace Scribenta
