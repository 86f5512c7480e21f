#include "ext/ostrel/runtime/update_checker.h"

#include <algorithm>

#include "ext/ostrel/runtime/update_manifest.h"

namespace Ostrel {
namespace {

constexpr int kFirstCheckDelayMs = 3000;
constexpr int kMaxCheckHours = 168;
constexpr int kMsPerHour = 3600000;

void open_web_address(OApp& app, const std::string& url) {
    // The addresses come from a downloaded file: never hand the desktop
    // anything but a web address (no "file:", no custom schemes).
    if (!is_web_address(url)) return;
    if (const UrlService open = app.open_url_service) open(url);
}

}  // namespace

UpdatePaths UpdatePaths::make(const std::string& root, const std::string& window) {
    UpdatePaths p;
    p.dialog = root + "/Update Dialog";
    p.status = p.dialog + "/Body/Status";
    const std::string actions = p.dialog + "/Body/Actions";
    p.download = actions + "/Download Button";
    p.notes = actions + "/Notes Button";
    p.skip = actions + "/Skip Button";
    p.later = actions + "/Later Button";
    p.exit = p.dialog + "/Titlebar/Exit Button";
    const std::string section = root + "/" + window + "/Settings Menu/App Settings/Version Section";
    p.current_version = section + "/Current Version";
    p.check_button = section + "/Actions/Check Updates Button";
    return p;
}

int periodic_interval_ms(int check_hours) {
    if (check_hours <= 0) return 0;
    return std::min(check_hours, kMaxCheckHours) * kMsPerHour;
}

void UpdateUi::check_now(bool manual) const {
    if (manual) set_status("Checking for updates...");
    check_for_updates(*app, config, [ui = *this, manual](const UpdateResult& outcome) {
        ui.on_result(outcome, manual);
    });
}

void UpdateUi::on_result(const UpdateResult& outcome, bool manual) const {
    *result = outcome;
    if (outcome.ok) {
        // A skipped version is offered again only when the user asks.
        const bool offer = outcome.available && (manual || app->store_get("update.skip_version") !=
                                                               outcome.latest_version);
        if (offer) {
            show_available();
        } else if (manual) {
            set_status("You're up to date (" + app->app_version + ").");
        }
    } else if (manual) {
        set_status("Could not check for updates: " + outcome.error);
    }
}

void UpdateUi::show_available() const {
    *offer = *result;
    app->texts[paths.status] =
        "Version " + result->latest_version + " is available. You have " + app->app_version + ".";
    app->set_visible(paths.download, !result->download_url.empty());
    app->set_visible(paths.notes, !result->notes_url.empty());
    app->set_visible(paths.skip, true);
    app->texts[paths.later] = "Later";
    app->set_visible(paths.dialog, true);
}

void UpdateUi::set_status(const std::string& text) const {
    app->texts[paths.status] = text;
    app->set_visible(paths.download, false);
    app->set_visible(paths.notes, false);
    app->set_visible(paths.skip, false);
    app->texts[paths.later] = "Close";
    app->set_visible(paths.dialog, true);
}

void UpdateUi::download() const {
    open_web_address(*app, offer->download_url);
    hide_dialog();
}

void UpdateUi::open_notes() const {
    open_web_address(*app, offer->notes_url);
}

void UpdateUi::skip() const {
    const std::string version = offer->latest_version;
    if (version.empty()) {
        app->store.erase("update.skip_version");
    } else {
        app->store["update.skip_version"] = version;
    }
    if (const StorePersistHook persist = app->store_persist)
        persist("update.skip_version", version);
    hide_dialog();
}

void UpdateUi::hide_dialog() const {
    app->set_visible(paths.dialog, false);
}

void UpdateUi::arm_periodic(int interval_ms) const {
    // Each expiry checks and arms the next one, so checks come at interval,
    // 2 x interval, ... after start-up for the whole run.
    app->set_timeout(interval_ms, [ui = *this, interval_ms] {
        ui.check_now(false);
        ui.arm_periodic(interval_ms);
    });
}

void install_update_ui(OApp& app, const std::string& root, const std::string& window) {
    UpdateUi ui;
    ui.app = &app;
    ui.paths = UpdatePaths::make(root, window);
    app.texts[ui.paths.current_version] =
        app.app_version.empty() ? "Development Build" : "Version " + app.app_version;
    app.set_visible(ui.paths.dialog, false);

    ui.config = load_update_config(app);
    if (ui.config.manifest_url.empty()) {
        app.set_visible(ui.paths.check_button, false);
        return;
    }

    app.on_click(ui.paths.exit, [ui] { ui.hide_dialog(); });
    app.on_click(ui.paths.later, [ui] { ui.hide_dialog(); });
    app.on_click(ui.paths.download, [ui] { ui.download(); });
    app.on_click(ui.paths.notes, [ui] { ui.open_notes(); });
    app.on_click(ui.paths.skip, [ui] { ui.skip(); });
    app.on_click(ui.paths.check_button, [ui] { ui.check_now(true); });

    app.set_timeout(kFirstCheckDelayMs, [ui] { ui.check_now(false); });
    if (const int interval = periodic_interval_ms(ui.config.check_hours); interval > 0) {
        ui.arm_periodic(interval);
    }
}

}  // namespace Ostrel
