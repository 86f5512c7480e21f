#include "app/project/add_project.h"

#include <filesystem>
#include <utility>

#include "app/fields.h"
#include "config/config_paths.h"
#include "config/json_file.h"
#include "config/projects.h"
#include "config/slugs.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

namespace {

namespace fs = std::filesystem;

const std::string kDialog = kAddProjectDialog;
const std::string kName = kDialog + "/Body/Name Editor";
const std::string kSlug = kDialog + "/Body/Slug Editor";
const std::string kTagline = kDialog + "/Body/Tagline Editor";
const std::string kFamilyLabel = kDialog + "/Body/Family Label Editor";
const char* const kFailed = "Couldn't Add Project";

}  // namespace

AddProjectDialog::AddProjectDialog(NewProjectContext context) : c_(std::move(context)) {}

void AddProjectDialog::open_new_project_dialog(const std::string& parent_slug,
                                               const std::string& family_name) {
    Ostrel::OApp& app = *c_.app;
    state_.slug_edited = false;
    state_.parent_slug = parent_slug;
    for (const std::string* editor : {&kName, &kSlug, &kTagline, &kFamilyLabel}) {
        set_field_text(app, *editor, "");
    }
    app.texts[kDialog + "/Titlebar/Title"] =
        parent_slug.empty() ? "New Project" : "New Project in " + family_name;
    app.set_visible(kFamilyLabel, !parent_slug.empty());
    app.set_visible(kDialog, true);
}

void AddProjectDialog::on_new_project_clicked() {
    if (c_.shown->kind == kSiteConfig && !c_.shown->path.empty()) open_new_project_dialog("", "");
}

void AddProjectDialog::on_add_member_confirm() {
    const OpenConfig& shown = *c_.shown;
    if (shown.kind != kProjectConfig || shown.members.size() < 2) return;
    nlohmann::json lead;
    if (!parse_json_file(shown.path, lead)) lead = nlohmann::json::object();
    const std::string slug = json_text(lead, "slug");
    if (slug.empty()) {
        c_.show_message(kFailed, "The family's lead config has no slug.");
        return;
    }
    const std::string name = json_text(lead, "name");
    open_new_project_dialog(slug, name.empty() ? slug : name);
}

void AddProjectDialog::on_name_edited_derive_slug(const std::string& text) {
    // A programmatic fill sends no change event, so the flag stays clear.
    if (!state_.slug_edited) set_field_text(*c_.app, kSlug, slugify(text));
}

void AddProjectDialog::on_slug_edited_mark(const std::string& text) {
    state_.slug_edited = !text.empty();
}

void AddProjectDialog::on_create_project_confirm() {
    Ostrel::OApp& app = *c_.app;
    const OpenConfig& shown = *c_.shown;
    if (shown.path.empty()) return;
    AddProjectRequest request;
    request.name = trim(app.value(kName));
    request.slug = trim(app.value(kSlug));
    request.tagline = trim(app.value(kTagline));
    if (request.name.empty() || request.slug.empty()) return;

    std::string site_file;
    const bool member = !state_.parent_slug.empty();
    if (member) {
        request.parent_slug = state_.parent_slug;
        request.family_label = trim(app.value(kFamilyLabel));
        site_file =
            (find_site_root(fs::path(shown.path).parent_path()) / ".scribenta-site").string();
        std::error_code ec;
        if (!fs::exists(site_file, ec)) {
            c_.show_message(kFailed, "No .scribenta-site found above this project.");
            return;
        }
    } else {
        if (shown.kind != kSiteConfig) return;
        site_file = shown.path;
    }

    c_.flush_edits();
    std::string config_path;
    std::string error;
    if (!add_project(site_file, request, &config_path, &error)) {
        c_.show_message(kFailed, error);
        return;
    }
    app.set_visible(kDialog, false);
    if (member) {
        member_created(config_path,
                       request.family_label.empty() ? request.name : request.family_label,
                       request.tagline);
        return;
    }
    if (c_.reload_site) c_.reload_site();
    c_.open_config_file(config_path);
}

// The family's left tab stays; the new member is listed at once and shown
// once the user has left any unsaved text.
void AddProjectDialog::member_created(const std::string& config_path, const std::string& label,
                                      const std::string& tagline) {
    OpenConfig& shown = *c_.shown;
    shown.members.push_back(
        MemberEntry{fs::path(config_path).lexically_normal().string(), label, false, "", tagline});
    c_.sync_config_tab();
    c_.render_family_tabs(shown);
    const std::size_t index = shown.members.size() - 1;
    c_.confirm_leave_unsaved([c = c_, index] { c.show_project_tab(*c.shown, index); });
}

std::shared_ptr<AddProjectDialog> wire_add_project(const NewProjectContext& context) {
    Ostrel::OApp& app = *context.app;
    auto dialog = std::make_shared<AddProjectDialog>(context);
    app.on_click(context.add_project_button, [dialog] { dialog->on_new_project_clicked(); });
    app.on_click(context.add_member_button, [dialog] { dialog->on_add_member_confirm(); });
    app.on_change(kName,
                  [dialog](const std::string& text) { dialog->on_name_edited_derive_slug(text); });
    app.on_change(kSlug, [dialog](const std::string& text) { dialog->on_slug_edited_mark(text); });
    app.on_click(kDialog + "/Body/Actions/Create Button",
                 [dialog] { dialog->on_create_project_confirm(); });
    return dialog;
}

}  // namespace Scribenta
