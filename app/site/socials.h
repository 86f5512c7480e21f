#pragma once

// The Socials panel: the site's social links as cards, opened in the
// browser, removed after a question, added through the Add Social dialog.

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

inline constexpr const char* kAddSocialDialog = "App/Add Social Dialog";
inline constexpr const char* kImageFileFilter = "Images (*.svg *.png *.jpg *.jpeg *.webp *.gif)";

// The social cards ("socialCards") with their targets and External markers
// below `socials_panel`. The caller empties the targets' social map.
void render_social_cards(Ostrel::OApp& app, CardTargets& targets, const std::string& socials_panel,
                         const nlohmann::ordered_json& doc, const std::filesystem::path& site_dir);

// The file picker of an add dialog's icon: an image, starting in the site's
// "images" folder when there is one, copied there when chosen.
struct IconBrowse {
    SitePanelsContext panels;
    std::shared_ptr<std::string> icon;  // the dialog's icon value
    std::string hint_path;
    std::string title;
    void operator()() const;
};

// on_social_card_action
struct SocialCardAction {
    SitePanelsContext panels;
    void operator()(const std::string& list, const std::string& row,
                    const std::string& action) const;
};

// remove_social_confirmed
struct RemoveSocialConfirmed {
    SitePanelsContext panels;
    std::size_t index = 0;
    std::uint64_t drawn = 0;  // the form's drawing the link was chosen in
    void operator()() const;
};

// open_add_social_dialog
struct OpenAddSocialDialog {
    SitePanelsContext panels;
    std::shared_ptr<std::string> icon;
    void operator()() const;
};

// on_add_social_confirm
struct AddSocialConfirm {
    SitePanelsContext panels;
    std::shared_ptr<std::string> icon;
    void operator()() const;
};

// The decimal row number after `prefix` ("social-3" -> 3); false when the
// id is not the prefix followed by digits.
bool row_index(const std::string& row, const std::string& prefix, std::size_t& index);

// Registers the card actions and the Add Social dialog (hidden); returns the
// dialog's icon value.
std::shared_ptr<std::string> wire_socials(const SitePanelsContext& panels);

}  // namespace Scribenta
