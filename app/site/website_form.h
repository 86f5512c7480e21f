#pragma once

// The site form: fills every control of the site editor from the site's
// configuration file. It reads the file and never writes it; the fields'
// edits go back through the edit queue.

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "app/edit_queue.h"
#include "app/fields.h"
#include "app/shell.h"
#include "app/site/site_hooks.h"
#include "app/site/site_paths.h"
#include "app/site/tab_preview.h"

namespace Ostrel {
class OApp;
}

namespace Scribenta {

// The theme whose "Primary" colour is the default favicon background when
// the site names none.
inline constexpr const char* kDefaultSiteTheme = "Dark (zozeravuderedada)";

// The five website fields: node name below the site form, and the member
// they show and edit ("/" + member).
struct WebsiteField {
    const char* node;
    const char* pointer;
};
const std::vector<WebsiteField>& website_fields();

// What populate_site_form works on; built once by the site wiring.
struct SiteFormBinding {
    Ostrel::OApp* app = nullptr;
    std::shared_ptr<EditState> edit;
    // The site shell; weak because the shell's reload holds this binding.
    std::weak_ptr<Shell> shell;
    SitePaths paths;
    SetHint favicon_hint;
    std::shared_ptr<std::string> favicon_source;      // favicon_source_path
    std::shared_ptr<std::string> favicon_background;  // favicon_background_text
    std::shared_ptr<PreviewState> preview;
    RefreshLogoPreviews refresh_logo_previews;
    std::shared_ptr<const SitePanelHooks> hooks;  // lists, sections, policies, favicon tiles
};

// The document as the form reads it: a top level that is not an object
// reads as an empty object, and the members the form and its panels read as
// containers ("branding", "ostrel", "home" objects; "projects", "socials",
// "policies" arrays) are left out when they have another type, so they
// count as missing everywhere. The file itself is never changed.
nlohmann::ordered_json site_form_document(nlohmann::ordered_json doc);

// The favicon background shown when the site names none: the "Primary"
// colour of the site's default theme when that theme is registered, else
// "#ffffff".
std::string default_favicon_background(const Ostrel::OApp& app, const nlohmann::ordered_json& doc);

// populate_site_form: fills the form from the site configuration at
// `config_path` (canonical). Drops queued edits not yet written.
void populate_site_form(const SiteFormBinding& form, const std::string& config_path);

}  // namespace Scribenta
