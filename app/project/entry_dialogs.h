#pragma once

// The Add Dependency, Add Fact and Add Download dialogs: opening them
// cleared, the icon pickers of the dependency and download dialogs, and
// Create, which appends the entry to the project configuration.

#include <memory>
#include <string>
#include <vector>

#include "app/project/panel_context.h"

namespace Scribenta {

inline constexpr const char* kAddDependencyDialog = "App/Add Dependency Dialog";
inline constexpr const char* kAddFactDialog = "App/Add Fact Dialog";
inline constexpr const char* kAddDownloadDialog = "App/Add Download Dialog";

inline constexpr const char* kDependencyIconTitle =
    "Select a dependency icon (copied into your site)";
inline constexpr const char* kPlatformIconTitle = "Select a platform icon (copied into your site)";
inline constexpr const char* kNoIconHint = "No icon selected.";

// One add dialog. `icon` holds the chosen icon ("/images/" + file name, or
// empty) for the dialogs with an icon row and is null for the others.
struct EntryDialog {
    std::string path;
    std::vector<std::string> editors;  // below `path`
    std::shared_ptr<std::string> icon;
    bool has_external_box = false;

    std::string node(const std::string& below) const { return path + below; }
};

EntryDialog dependency_dialog();
EntryDialog fact_dialog();
EntryDialog download_dialog();

// open_add_dependency_dialog, open_add_fact_dialog,
// open_add_download_dialog: only while a project file is shown. Empties
// every editor, forgets the icon, ticks External, and shows the dialog.
struct OpenEntryDialog {
    ProjectPanelContext ctx;
    EntryDialog dialog;
    void operator()() const;
};

// on_dep_icon_browse, on_platform_icon_browse: picks an image; the pick
// copies it into the site's images folder and makes it the dialog's icon.
struct EntryIconBrowse {
    ProjectPanelContext ctx;
    EntryDialog dialog;
    std::string title;
    void operator()() const;
};

// on_add_dependency_confirm, on_add_fact_confirm, on_add_download_confirm:
// nothing while a required field is empty (blanks count as empty); else the
// entry is appended after pending edits are written, the dialog closes and
// the form reloads. A failure is shown and keeps the dialog as it is.
struct AddDependencyConfirm {
    ProjectPanelContext ctx;
    EntryDialog dialog;
    void operator()() const;
};
struct AddFactConfirm {
    ProjectPanelContext ctx;
    EntryDialog dialog;
    void operator()() const;
};
struct AddDownloadConfirm {
    ProjectPanelContext ctx;
    EntryDialog dialog;
    void operator()() const;
};

}  // namespace Scribenta
