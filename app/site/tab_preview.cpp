#include "app/site/tab_preview.h"

#include <filesystem>
#include <system_error>

#include "app/fields.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

namespace {

constexpr int kDefaultLogoHeight = 25;
constexpr const char* kNoPreviewText = "\u2014";  // an em dash keeps an empty tab visible

bool entry_exists(const std::string& path) {
    if (path.empty()) return false;
    std::error_code ec;
    // A dangling link counts: the user named something there.
    return std::filesystem::exists(std::filesystem::symlink_status(path, ec)) && !ec;
}

}  // namespace

void set_logo_preview(Ostrel::OApp& app, const std::string& cell, int height, bool logo_exists,
                      const std::string& logo_path, const std::string& text) {
    const std::string logo = cell + "/Logo";
    app.set_visible(logo, logo_exists && height >= 1);
    app.set_image(logo, logo_exists ? logo_path : std::string());
    if (height > 0) {
        app.fixed_heights[logo] = height;
    } else {
        app.fixed_heights.erase(logo);
    }
    const std::string text_node = cell + "/Text";
    app.set_visible(text_node, !text.empty());
    app.texts[text_node] = text;
}

void RefreshLogoPreviews::operator()() const {
    const int desktop = parse_int_or(state->logo_height, kDefaultLogoHeight);
    const int mobile = state->logo_height_mobile.empty()
                           ? desktop
                           : parse_int_or(state->logo_height_mobile, desktop);
    const bool logo_exists = entry_exists(state->logo_path);
    const std::string text = !state->tab_text.empty() ? state->tab_text
                             : logo_exists            ? std::string()
                                                      : std::string(kNoPreviewText);
    set_logo_preview(*app, desktop_tab, desktop, logo_exists, state->logo_path, text);
    set_logo_preview(*app, mobile_tab, mobile, logo_exists, state->logo_path, text);
}

}  // namespace Scribenta
