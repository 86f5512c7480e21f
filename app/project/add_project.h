#pragma once

// The Add Project dialog: a stand-alone project of the shown site, or a new
// member of the shown project family. The slug follows the name until the
// user types into the slug field.

#include <memory>
#include <string>

#include "app/project/new_project_context.h"

namespace Scribenta {

inline constexpr const char* kAddProjectDialog = "App/Add Project Dialog";

struct AddProjectState {
    bool slug_edited = false;  // the slug field holds text the user typed
    std::string parent_slug;   // the family the new project joins; empty: stand-alone
};

class AddProjectDialog {
public:
    explicit AddProjectDialog(NewProjectContext context);

    // Clears the four editors and the typed-by-hand flag, sets the title and
    // the family label's visibility, and shows the dialog.
    void open_new_project_dialog(const std::string& parent_slug, const std::string& family_name);
    void on_new_project_clicked();
    void on_add_member_confirm();
    void on_name_edited_derive_slug(const std::string& text);
    void on_slug_edited_mark(const std::string& text);
    void on_create_project_confirm();

    const AddProjectState& state() const { return state_; }

private:
    void member_created(const std::string& config_path, const std::string& label,
                        const std::string& tagline);

    NewProjectContext c_;
    AddProjectState state_;
};

// Registers the dialog's handlers (openers, editors, Create); the dialog's
// Exit and Cancel are registered with the other dialogs.
std::shared_ptr<AddProjectDialog> wire_add_project(const NewProjectContext& context);

}  // namespace Scribenta
