#pragma once

// What the list panels of the site editor (project cards, socials, home
// sections, policies) share: the store, the edit queue, the dialogs, the
// site shell and the hooks through which the site form renders them.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/dialogs.h"
#include "app/edit_queue.h"
#include "app/file_editor.h"
#include "app/shell.h"
#include "app/site/card_targets.h"
#include "app/site/site_hooks.h"
#include "app/site/site_paths.h"
#include "app/text_keep.h"

namespace Ostrel {
class OApp;
}

namespace Scribenta {

// open_site_project: opens a card's project, or its family with the member
// tabs, as a project configuration.
using OpenSiteProject = std::function<void(const std::string& config_path, const std::string& name,
                                           std::vector<MemberEntry> members)>;

struct SitePanelsContext {
    Ostrel::OApp* app = nullptr;
    std::shared_ptr<EditState> edits;
    std::shared_ptr<Shell> shell;  // the site shell
    FlushEdits flush_edits;
    QueueEdit queue_edit;
    ShowMessage show_message;
    ShowConfirm show_confirm;
    SitePaths paths;
    std::shared_ptr<SitePanelHooks> hooks;
    std::shared_ptr<CardTargets> targets;
    std::shared_ptr<UnsavedTextKeep> policy_keep;
    OpenSiteProject open_site_project;  // empty: cards open nothing

    // A site is the shown configuration: a configuration file is open and
    // the site shell is the current one.
    bool site_shown() const;
    // The site shell's reload for a change that is not about the policy
    // being edited: unsaved policy text survives it.
    ReloadKeepingText reload() const { return {shell, policy_keep}; }
    // A copy for actions that wait in the confirmation dialog: it leaves out
    // the dialog itself, whose pending slot would otherwise hold the action
    // that holds the slot, and neither would ever be freed.
    SitePanelsContext for_pending_action() const {
        SitePanelsContext copy = *this;
        copy.show_confirm = {};
        return copy;
    }
};

}  // namespace Scribenta
