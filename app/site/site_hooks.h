#pragma once

// Operations of the site panels wired after the website form (project cards
// and socials, home sections, policies, favicon controls). The website form
// and the logo picker call them through this record; each stays empty until
// its panel is wired, and an empty one is skipped.

#include <functional>
#include <string>

#include <nlohmann/json.hpp>

namespace Scribenta {

struct SitePanelHooks {
    // render_site_form: the project cards, unregistered projects and socials.
    std::function<void(const nlohmann::ordered_json& doc, const std::string& site_dir)>
        render_site_form;
    std::function<void(const nlohmann::ordered_json& doc, const std::string& site_dir)>
        render_home_sections;
    std::function<void(const nlohmann::ordered_json& doc)> render_policies;
    // Shows the generated favicon tiles that exist.
    std::function<void(const std::string& site_dir)> refresh_favicon_preview;
    // Regenerates the site's favicon set from `source`; "" on success, else
    // the error text for the hint.
    std::function<std::string(const std::string& site_dir, const std::string& source)>
        regenerate_favicons;
    std::function<void(const std::string& site_dir)> schedule_favicon_refresh;
};

}  // namespace Scribenta
