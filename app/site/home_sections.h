#pragma once

// The home page's sections in the Website panel: presets without content of
// their own, and custom sections whose HTML content lives in a fragment file
// of the site, edited in the Edit Section dialog.

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>

#include <nlohmann/json.hpp>

#include "app/site/site_panels.h"

namespace Ostrel {
class OApp;
}

namespace Scribenta {

inline constexpr const char* kAddSectionDialog = "App/Add Section Dialog";
inline constexpr const char* kEditSectionDialog = "App/Edit Section Dialog";

// The rows of "homeSections" and their targets; empties the targets first.
void render_home_sections(Ostrel::OApp& app, CardTargets& targets,
                          const nlohmann::ordered_json& doc, const std::filesystem::path& site_dir);

// open_section_content_dialog: loads a custom section's fragment into the
// Edit Section dialog and shows it; nothing for an empty body.
struct OpenSectionContent {
    SitePanelsContext panels;
    std::shared_ptr<FileEditor> editor;
    void operator()(const std::string& body, const std::string& name) const;
};

// on_home_section_action: "up", "down", "remove", "edit".
struct HomeSectionAction {
    SitePanelsContext panels;
    OpenSectionContent open_content;
    void operator()(const std::string& list, const std::string& row,
                    const std::string& action) const;
};

// remove_home_section_confirmed
struct RemoveHomeSectionConfirmed {
    SitePanelsContext panels;
    std::size_t index = 0;
    std::uint64_t drawn = 0;  // the form's drawing the section was chosen in
    void operator()() const;
};

// open_add_section_dialog
struct OpenAddSectionDialog {
    SitePanelsContext panels;
    std::shared_ptr<std::string> icon;
    void operator()() const;
};

// on_add_preset_section, bound to one kind.
struct AddPresetSection {
    SitePanelsContext panels;
    std::string kind;
    void operator()() const;
};

// on_add_section_confirm: a custom section with a fragment file of its own
// (an existing file of that name is reused, never overwritten), then the
// fragment opens for editing.
struct AddSectionConfirm {
    SitePanelsContext panels;
    std::shared_ptr<std::string> icon;
    OpenSectionContent open_content;
    void operator()() const;
};

// on_section_content_close: asks before dropping unsaved content; a confirmed
// Discard loads the file again, so no discarded text lingers in the editor.
struct SectionContentClose {
    SitePanelsContext panels;
    std::shared_ptr<FileEditor> editor;
    void operator()() const;
};

// What wire_home_sections made.
struct HomeSectionsWiring {
    std::shared_ptr<FileEditor> content_editor;
    std::shared_ptr<std::string> icon;  // the Add Section dialog's icon value
};

// Registers the row actions, both dialogs (hidden) and the site form's
// render_home_sections hook. `content_editor` is the window's section
// content editor; when null one is made, wired and added to the site
// shell's guards here.
HomeSectionsWiring wire_home_sections(const SitePanelsContext& panels,
                                      std::shared_ptr<FileEditor> content_editor);

}  // namespace Scribenta
