#pragma once

// The Policies panel: one policy page of the site at a time, picked in the
// item combo, with its entry's name, title and file in the meta form and its
// Markdown file in a file editor.

#include <cstddef>
#include <limits>
#include <memory>
#include <string>

#include <nlohmann/json.hpp>

#include "app/site/site_panels.h"

namespace Ostrel {
class OApp;
}

namespace Scribenta {

inline constexpr const char* kAddPolicyDialog = "App/Add Policy Dialog";

// Which policy the panel shows. A different configuration resets the index.
struct SetSelection {
    std::size_t index = 0;
    std::size_t count = 0;
    std::string owner_path;
};

// The derivation flags of the Add Policy dialog.
struct AddSetState {
    bool slug_edited = false;
    bool file_edited = false;
};

// Everything the policy handlers share.
struct PoliciesState {
    SetSelection selection;
    std::shared_ptr<FileEditor> editor;
    // The policy the editor shows (index and owner), for reloads that keep
    // its unsaved text; npos before the first policy is shown and once the
    // shown one was removed.
    std::size_t shown_index = std::numeric_limits<std::size_t>::max();
    std::string shown_owner;
};

// "/policies/" + index + "/" + key
std::string policy_pointer(std::size_t index, const std::string& key);

// The absolute, lexically normal path of a policy file named relative to the
// site folder (leading "/" ignored); "" for an empty name or when no
// configuration is open. The file need not exist.
std::string resolve_policy_path(const std::string& config_path, const std::string& file);

// render_policies: the combo, the meta form and the file editor for the
// selected policy. The editor keeps its unsaved text, and the file it was
// typed into, when the reload was one that keeps it and shows the same
// policy as before (or any, after another program's change), even when the
// configuration now names another file for it.
struct RenderPolicies {
    Ostrel::OApp* app = nullptr;
    std::shared_ptr<const EditState> edits;
    std::shared_ptr<PoliciesState> state;
    std::shared_ptr<const UnsavedTextKeep> keep;
    std::string panel;
    void operator()(const nlohmann::ordered_json& doc) const;
};

// on_switch_set_item: shows another policy, after "Discard changes?" when
// the editor holds unsaved text.
struct SwitchSetItem {
    SitePanelsContext panels;
    std::shared_ptr<PoliciesState> state;
    std::string combo_path;
    std::string guard_name;
    std::string noun;
    void operator()(const std::string& value) const;
};

// on_policy_field_edited, bound to "name", "title" or "file". A file path
// that would load the editor from another file while it holds unsaved text
// asks first (change_path_or_ask).
struct PolicyFieldEdited {
    SitePanelsContext panels;
    std::shared_ptr<PoliciesState> state;
    std::string key;
    void operator()(const std::string& text) const;
};

// on_remove_policy and its confirmation.
struct RemovePolicy {
    SitePanelsContext panels;
    std::shared_ptr<PoliciesState> state;
    void operator()() const;
};
struct RemovePolicyConfirmed {
    SitePanelsContext panels;
    std::shared_ptr<PoliciesState> state;
    std::size_t index = 0;
    std::uint64_t drawn = 0;  // the form's drawing the policy was chosen in
    void operator()() const;
};

// wire_set_editor: registers on_switch_set_item on the item combo.
void wire_set_editor(const SitePanelsContext& panels, const std::string& combo_path,
                     const std::shared_ptr<PoliciesState>& state, const std::string& guard_name,
                     const std::string& noun);

// What wire_policies made.
struct PoliciesWiring {
    std::shared_ptr<PoliciesState> state;
    std::shared_ptr<AddSetState> dialog;
};

// Registers the panel's and the Add Policy dialog's handlers (the dialog
// hidden) and the site form's render_policies hook. `editor` is the window's
// policy file editor; when null one is made, wired and added to the site
// shell's guards here.
PoliciesWiring wire_policies(const SitePanelsContext& panels, std::shared_ptr<FileEditor> editor);

}  // namespace Scribenta
