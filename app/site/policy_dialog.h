#pragma once

// The Add Policy dialog: a name from which the slug and the file follow
// until they are typed by hand, and Create, which adds the policy with its
// Markdown file and shows it.

#include <memory>
#include <string>

#include "app/site/policies.h"

namespace Scribenta {

// open_add_policy_dialog
struct OpenAddPolicyDialog {
    SitePanelsContext panels;
    std::shared_ptr<AddSetState> flags;
    void operator()() const;
};

// on_policy_name_edited, on_policy_slug_edited, on_file_edited_mark
struct PolicyNameEdited {
    Ostrel::OApp* app = nullptr;
    std::shared_ptr<AddSetState> flags;
    void operator()(const std::string& name) const;
};
struct PolicySlugEdited {
    Ostrel::OApp* app = nullptr;
    std::shared_ptr<AddSetState> flags;
    void operator()(const std::string& slug) const;
};
struct PolicyFileEditedMark {
    std::shared_ptr<AddSetState> flags;
    void operator()(const std::string& file) const;
};

// on_browse_policy_file
struct BrowsePolicyFile {
    SitePanelsContext panels;
    std::shared_ptr<AddSetState> flags;
    void operator()() const;
};

// on_create_policy. While the editor holds unsaved text of the shown policy,
// the new policy is added but that policy stays shown, so the text is kept.
struct CreatePolicy {
    SitePanelsContext panels;
    std::shared_ptr<PoliciesState> state;
    void operator()() const;
};

// Creates a new policy's Markdown file ("# " + name) unless something stands
// at the path already; an existing file is never written.
void create_policy_file(const std::string& path, const std::string& name);

void wire_add_policy_dialog(const SitePanelsContext& panels,
                            const std::shared_ptr<PoliciesState>& state,
                            const std::shared_ptr<AddSetState>& flags);

}  // namespace Scribenta
