#pragma once

// The node paths of the site configurator's panels, all derived from the
// site shell's panels path, so layer files and handlers agree in one place.

#include <string>

namespace Scribenta {

struct SitePaths {
    std::string panels;          // the site shell's panels path
    std::string website;         // panels + "/Website Panel"
    std::string site_form;       // website + "/Site Form"
    std::string main_tab_form;   // website + "/Main Tab Group/Main Tab Form"
    std::string tabs_row;        // website + "/Main Tab Group/Tab Preview/Tabs Row"
    std::string logo_picker;     // website + "/Logo Picker"
    std::string favicon_picker;  // website + "/Favicon Picker"
    std::string policies;        // panels + "/Policies Panel"
    std::string socials;         // panels + "/Socials Panel"
    std::string projects;        // panels + "/Projects Panel"
    std::string site_build;      // panels + "/Build Panel"

    // Nodes the website form and the logo handlers address.
    std::string avatar;              // logo_picker + "/Avatar"
    std::string logo_image;          // avatar + "/Logo Image"
    std::string logo_browse;         // logo_picker + "/Controls Row/Browse Button"
    std::string desktop_tab;         // tabs_row + "/Desktop Column/Tab"
    std::string mobile_tab;          // tabs_row + "/Mobile Column/Tab"
    std::string logo_height;         // main_tab_form + "/Heights Row/Logo Height Field"
    std::string logo_height_mobile;  // main_tab_form + "/Heights Row/Logo Height Mobile Field"
    std::string tab_text;            // main_tab_form + "/Tab Text Field"
    std::string background_field;    // favicon_picker + "/Background Row/Background Field"
    std::string from_logo_checkbox;  // favicon_picker + "/Controls Row/From Logo Checkbox"
    std::string favicon_hint;        // favicon_picker + "/Hint"
};

// The paths below `panels` (the site shell's `panels`).
SitePaths make_site_paths(const std::string& panels);

}  // namespace Scribenta
