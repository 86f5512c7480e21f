#include "app/site/favicon_controls.h"

#include <cctype>
#include <filesystem>
#include <system_error>
#include <utility>

#include "app/pickers.h"
#include "app/site/favicon_hook.h"
#include "config/config_paths.h"
#include "config/json_file.h"
#include "config/safe_write.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

namespace fs = std::filesystem;
using nlohmann::ordered_json;

namespace {

constexpr const char* kPickTitle = "Select a favicon source image (copied into your site)";
constexpr const char* kPickFilter = "Images (*.svg *.png *.jpg *.jpeg *.webp)";

fs::path favicon_folder(const std::string& site_folder) {
    return fs::path(site_folder) / "favicon";
}

// Empty (white) or "#" and six hexadecimal digits: the only texts worth
// regenerating for while the user types.
bool regenerates_on(const std::string& text) {
    if (text.empty()) return true;
    if (text.size() != 7 || text[0] != '#') return false;
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (!std::isxdigit(static_cast<unsigned char>(text[i]))) return false;
    }
    return true;
}

void show_result(const FaviconControls& c, const std::string& site, const std::string& error) {
    c.hint(error.empty() ? std::string(kFaviconGenerated) : error);
    if (error.empty()) schedule_favicon_refresh(c, site);
}

}  // namespace

FaviconPaths make_favicon_paths(const std::string& favicon_picker) {
    FaviconPaths p;
    p.preview_row = favicon_picker + "/Preview Row";
    p.large_tile = p.preview_row + "/Large Cell/Tile/Image";
    p.medium_tile = p.preview_row + "/Medium Cell/Tile/Image";
    p.small_tile = p.preview_row + "/Small Cell/Tile/Image";
    p.hint = favicon_picker + "/Hint";
    p.background_field = favicon_picker + "/Background Row/Background Field";
    p.from_logo_checkbox = favicon_picker + "/Controls Row/From Logo Checkbox";
    p.browse_button = favicon_picker + "/Controls Row/Browse Button";
    return p;
}

std::string favicon_site_folder(const FaviconControls& controls) {
    if (controls.edits->config_path.empty()) return {};
    return fs::path(controls.edits->config_path).parent_path().string();
}

std::string regenerate_favicons(const FaviconControls& controls, const std::string& site_folder,
                                const std::string& source) {
    const FaviconGenerator& generator = favicon_generator();
    if (!generator) return kFaviconUnavailable;
    return generator(
        FaviconRequest{source, favicon_folder(site_folder).string(), *controls.background_text});
}

bool apply_favicon_settings(ordered_json& doc, bool from_logo) {
    if (!doc.is_object()) return false;
    const auto branding = doc.find("branding");
    if (branding != doc.end() && !branding->is_object()) return false;
    if (!from_logo) {
        return branding != doc.end() && branding->erase("favicon_from_logo") > 0;
    }
    ordered_json& members = doc["branding"];  // created when missing
    members["favicon_from_logo"] = true;
    members.erase("favicon_source");
    return true;
}

void store_favicon_settings(const FaviconControls& controls, bool from_logo) {
    EditState& edits = *controls.edits;
    if (edits.config_path.empty()) return;
    controls.flush_edits();
    ordered_json doc;
    if (!parse_json_file(edits.config_path, doc)) return;
    if (!apply_favicon_settings(doc, from_logo)) return;
    std::string text;
    if (!json_file_text(doc, text) || !safe_write_file(edits.config_path, text)) return;
    edits.text = text;
    const auto& current = controls.flush_edits.current;
    if (const auto shell = current ? current->shell.lock() : nullptr) {
        set_field_text(*controls.app, shell->text_editor, text);
    }
}

void refresh_favicon_preview(const FaviconControls& controls, const std::string& site_folder) {
    Ostrel::OApp& app = *controls.app;
    const FaviconPaths& p = controls.paths;
    const fs::path folder = favicon_folder(site_folder);
    std::error_code ec;
    const bool present = fs::exists(folder / "favicon-32x32.png", ec) && !ec;
    app.set_visible(p.preview_row, present);
    const auto tile = [&](const char* name) {
        return present ? (folder / name).string() : std::string();
    };
    app.set_image(p.large_tile, tile("android-chrome-512x512.png"));
    app.set_image(p.medium_tile, tile("favicon-32x32.png"));
    app.set_image(p.small_tile, tile("favicon-16x16.png"));
}

void schedule_favicon_refresh(const FaviconControls& controls, const std::string& site_folder) {
    Ostrel::OApp& app = *controls.app;
    for (const auto* tile :
         {&controls.paths.large_tile, &controls.paths.medium_tile, &controls.paths.small_tile}) {
        app.set_image(*tile, "");
    }
    // The tiles belong to the site shown now; a site shown meanwhile has
    // filled them itself.
    app.set_timeout(kFaviconRefreshMs, [controls, site_folder] {
        if (favicon_site_folder(controls) == site_folder) {
            refresh_favicon_preview(controls, site_folder);
        }
    });
}

void FromLogoToggled::operator()() const {
    const FaviconControls& c = *controls;
    Ostrel::OApp& app = *c.app;
    const std::string site = favicon_site_folder(c);
    const std::string& box = c.paths.from_logo_checkbox;
    if (site.empty()) {
        app.set_checked(box, false);
        return;
    }
    if (!app.is_checked(box)) {
        c.source_path->clear();
        store_favicon_settings(c, false);
        c.hint("");
        return;
    }
    const std::string logo = c.preview->logo_path;
    if (logo.empty()) {
        app.set_checked(box, false);
        c.hint(kFaviconNeedsLogo);
        return;
    }
    const std::string error = regenerate_favicons(c, site, logo);
    if (!error.empty()) {
        app.set_checked(box, false);
        c.hint(error);
        return;
    }
    *c.source_path = logo;
    store_favicon_settings(c, true);
    show_result(c, site, error);
}

void BrowseFaviconSource::operator()() const {
    const FaviconControls& c = *controls;
    const std::string site = favicon_site_folder(c);
    if (site.empty()) return;
    c.app->pick_file(
        site_image_pick(site, kPickTitle, kPickFilter),
        [browse = *this](const std::string& picked) { browse.on_favicon_source_picked(picked); });
}

void BrowseFaviconSource::on_favicon_source_picked(const std::string& picked) const {
    const FaviconControls& c = *controls;
    const std::string site = favicon_site_folder(c);
    if (picked.empty() || site.empty()) return;
    const std::string copied = copy_into_directory(fs::path(site) / "images", picked);
    if (copied.empty()) return;
    const std::string error = regenerate_favicons(c, site, copied);
    if (!error.empty()) {
        c.hint(error);
        return;
    }
    if (c.app->is_checked(c.paths.from_logo_checkbox)) {
        c.app->set_checked(c.paths.from_logo_checkbox, false);
        store_favicon_settings(c, false);
    }
    *c.source_path = copied;
    c.queue_edit("/branding/favicon_source", "/images/" + fs::path(copied).filename().string());
    show_result(c, site, error);
}

void FaviconBackgroundChanged::operator()(const std::string& text) const {
    const FaviconControls& c = *controls;
    *c.background_text = text;
    c.queue_edit("/branding/favicon_background", text);
    const std::string site = favicon_site_folder(c);
    if (site.empty() || c.source_path->empty() || !regenerates_on(text)) return;
    show_result(c, site, regenerate_favicons(c, site, *c.source_path));
}

void wire_favicon_controls(const SiteWiringContext& context, const SiteWiring& site) {
    Ostrel::OApp& app = *context.app;
    auto controls = std::make_shared<const FaviconControls>(
        FaviconControls{&app, context.edits, context.flush_edits, context.queue_edit,
                        make_favicon_paths(site.paths.favicon_picker), site.favicon_hint,
                        site.favicon_source_path, site.favicon_background_text, site.preview});

    site.hooks->regenerate_favicons = [controls](const std::string& folder,
                                                 const std::string& source) {
        return regenerate_favicons(*controls, folder, source);
    };
    site.hooks->refresh_favicon_preview = [controls](const std::string& folder) {
        refresh_favicon_preview(*controls, folder);
    };
    site.hooks->schedule_favicon_refresh = [controls](const std::string& folder) {
        schedule_favicon_refresh(*controls, folder);
    };

    const FaviconPaths& paths = controls->paths;
    app.on_click(paths.browse_button, BrowseFaviconSource{controls});
    app.on_click(paths.from_logo_checkbox, FromLogoToggled{controls});
    app.on_change(paths.background_field, FaviconBackgroundChanged{controls});
}

}  // namespace Scribenta
