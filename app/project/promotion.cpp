#include "app/project/promotion.h"

#include <filesystem>
#include <utility>

#include "app/fields.h"
#include "config/config_paths.h"
#include "config/project_families.h"
#include "config/projects.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

namespace {

namespace fs = std::filesystem;

const std::string kDialog = kPromoteDialog;
const std::string kMessage = kDialog + "/Body/Message";
const std::string kSlug = kDialog + "/Body/Slug Editor";
const std::string kLabel = kDialog + "/Body/Label Editor";
const char* const kFailed = "Couldn't Promote";

MemberEntry member_entry(const ProjectEntry& entry, const fs::path& site_folder, std::string label,
                         bool flag) {
    return MemberEntry{entry.config_path, std::move(label), flag,
                       resolve_existing_path(site_folder, entry.logo), entry.tagline};
}

}  // namespace

PromoteDialog::PromoteDialog(NewProjectContext context) : c_(std::move(context)) {}

bool PromoteDialog::qualifies() const {
    return c_.shown->kind == kProjectConfig && c_.shown->members.size() == 1;
}

void PromoteDialog::open_promote_dialog() {
    if (!qualifies()) return;
    Ostrel::OApp& app = *c_.app;
    app.texts[kMessage] =
        "\"" + c_.shown->name +
        "\" becomes a project family: a family overview keeps its name and slug, and this project "
        "becomes the family's first member under a new slug (its pages move under the family's).";
    set_field_text(app, kSlug, "");
    set_field_text(app, kLabel, "");
    app.set_visible(kDialog, true);
}

void PromoteDialog::on_promote_confirm() {
    if (!qualifies()) return;
    Ostrel::OApp& app = *c_.app;
    PromoteRequest request;
    request.member_slug = trim(app.value(kSlug));
    request.label = trim(app.value(kLabel));
    if (request.member_slug.empty()) return;
    request.project_config = c_.shown->members.front().config_path;
    request.site_file =
        (find_site_root(fs::path(request.project_config).parent_path()) / ".scribenta-site")
            .string();
    std::error_code ec;
    if (!fs::exists(request.site_file, ec)) {
        c_.show_message(kFailed, "No .scribenta-site found above this project.");
        return;
    }
    c_.confirm_leave_unsaved(
        [self = shared_from_this(), request] { self->on_promote_confirmed(request); });
}

void PromoteDialog::on_promote_confirmed(const PromoteRequest& request) {
    c_.flush_edits();
    std::string family_config;
    std::string member_config;
    std::string error;
    if (!promote_to_family(request.site_file, request.project_config, request.member_slug,
                           request.label, &family_config, &member_config, &error)) {
        c_.show_message(kFailed, error);
        return;
    }
    c_.app->set_visible(kDialog, false);

    const fs::path site_folder = fs::path(request.site_file).parent_path();
    const ProjectEntry family = read_project_entry(site_folder, family_config);
    const ProjectEntry member = read_project_entry(site_folder, member_config);
    OpenConfig& shown = *c_.shown;
    shown.path = config_identity(family_config);
    shown.name = family.name;
    shown.members = {
        member_entry(family, site_folder, "Overview", true),
        member_entry(member, site_folder,
                     member.family_label.empty() ? member.name : member.family_label, false)};
    shown.logo = flagged_or_first_value(shown.members);
    c_.update_open_tab(shown);
    c_.render_family_tabs(shown);
    c_.show_project_tab(shown, 0);
}

std::shared_ptr<PromoteDialog> wire_promotion(const NewProjectContext& context) {
    Ostrel::OApp& app = *context.app;
    auto dialog = std::make_shared<PromoteDialog>(context);
    app.on_click(context.promote_button, [dialog] { dialog->open_promote_dialog(); });
    app.on_click(kDialog + "/Body/Actions/Promote Button",
                 [dialog] { dialog->on_promote_confirm(); });
    return dialog;
}

}  // namespace Scribenta
