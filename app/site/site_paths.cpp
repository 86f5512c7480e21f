#include "app/site/site_paths.h"

namespace Scribenta {

SitePaths make_site_paths(const std::string& panels) {
    SitePaths p;
    p.panels = panels;
    p.website = panels + "/Website Panel";
    p.site_form = p.website + "/Site Form";
    p.main_tab_form = p.website + "/Main Tab Group/Main Tab Form";
    p.tabs_row = p.website + "/Main Tab Group/Tab Preview/Tabs Row";
    p.logo_picker = p.website + "/Logo Picker";
    p.favicon_picker = p.website + "/Favicon Picker";
    p.policies = panels + "/Policies Panel";
    p.socials = panels + "/Socials Panel";
    p.projects = panels + "/Projects Panel";
    p.site_build = panels + "/Build Panel";

    p.avatar = p.logo_picker + "/Avatar";
    p.logo_image = p.avatar + "/Logo Image";
    p.logo_browse = p.logo_picker + "/Controls Row/Browse Button";
    p.desktop_tab = p.tabs_row + "/Desktop Column/Tab";
    p.mobile_tab = p.tabs_row + "/Mobile Column/Tab";
    p.logo_height = p.main_tab_form + "/Heights Row/Logo Height Field";
    p.logo_height_mobile = p.main_tab_form + "/Heights Row/Logo Height Mobile Field";
    p.tab_text = p.main_tab_form + "/Tab Text Field";
    p.background_field = p.favicon_picker + "/Background Row/Background Field";
    p.from_logo_checkbox = p.favicon_picker + "/Controls Row/From Logo Checkbox";
    p.favicon_hint = p.favicon_picker + "/Hint";
    return p;
}

}  // namespace Scribenta
