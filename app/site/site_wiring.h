#pragma once

// The site half of the window declaration: the site configurator's shared
// state and the registration of its handlers on their node paths. The
// website form, branding, tab preview and logo picker are wired here; the
// other site panels (policies, favicon controls, build, cards, socials,
// home sections) add their handlers and fill the hooks of SiteWiring in
// their own wiring steps.

#include <functional>
#include <memory>
#include <string>

#include "app/dialogs.h"
#include "app/edit_queue.h"
#include "app/fields.h"
#include "app/shell.h"
#include "app/site/home_sections.h"
#include "app/site/logo_picker.h"
#include "app/site/policies.h"
#include "app/site/site_hooks.h"
#include "app/site/site_panels.h"
#include "app/site/site_paths.h"
#include "app/site/tab_preview.h"
#include "app/site/website_form.h"

namespace Ostrel {
class OApp;
}

namespace Scribenta {

// What the window declaration hands the site wiring.
struct SiteWiringContext {
    Ostrel::OApp* app = nullptr;
    std::shared_ptr<Shell> shell;  // the site shell
    std::shared_ptr<EditState> edits;
    FlushEdits flush_edits;
    QueueEdit queue_edit;
    // The path of the configuration shown now; the site shell's reload fills
    // the form from it. Empty: the reload is left for the caller to set.
    std::function<std::string()> shown_config_path;
    // Sets the shown configuration's tab logo and runs sync_config_tab.
    std::function<void(const std::string& logo)> set_config_logo;
    // The list panels (project cards, socials, home sections, policies).
    // Without the window's dialogs (app null) the site wiring wires them.
    ShowMessage show_message{};
    ShowConfirm show_confirm{};
    OpenSiteProject open_site_project{};
    // The window's policy and section content editors; when null the site
    // wiring makes and wires them and adds them to the site shell's guards.
    std::shared_ptr<FileEditor> policies_editor{};
    std::shared_ptr<FileEditor> section_editor{};
};

// What the wiring made; the window declaration and the later site panels
// use it. Every member shares its state with the registered handlers.
struct SiteWiring {
    SitePaths paths;
    std::shared_ptr<PreviewState> preview;                 // logo previews
    std::shared_ptr<std::string> favicon_source_path;      // favicon controls
    std::shared_ptr<std::string> favicon_background_text;  // favicon controls
    SetHint favicon_hint;                                  // set_hint of the favicon hint
    RefreshLogoPreviews refresh_logo_previews;
    std::shared_ptr<SitePanelHooks> hooks;  // filled by the later panels' wiring
    std::shared_ptr<SiteFormBinding> form;
    SitePanelsContext list_panels;  // what the list panels share
    std::shared_ptr<std::string> social_icon;
    HomeSectionsWiring home_sections;
    PoliciesWiring policies;

    // populate_site_form for a configuration being shown (show_open_config).
    void populate_site_form(const std::string& config_path) const;
};

// Registers the five website field handlers, one queue_edit each.
void wire_website_fields(Ostrel::OApp& app, const std::string& site_form, QueueEdit queue_edit);

// The website form's share of the builder's site wiring, first half: the
// website fields, the shared site state, the logo heights, the tab text,
// the logo picker and the site shell's reload.
SiteWiring wire_site_configurator(const SiteWiringContext& context);

}  // namespace Scribenta
