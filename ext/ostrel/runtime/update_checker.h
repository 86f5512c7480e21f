#pragma once

// The update checker's user interface: the update dialog (root + "/Update
// Dialog"), the version section of the settings window, and the automatic
// checks 3 s after start-up and then every "update.check_hours" hours.

#include <memory>
#include <string>

#include "ext/ostrel/engine/oapp.h"
#include "ext/ostrel/runtime/services.h"
#include "ext/ostrel/runtime/update_check.h"

namespace Ostrel {

// Node paths of the update dialog and of the settings window's version
// section.
struct UpdatePaths {
    std::string dialog;           // root + "/Update Dialog"
    std::string status;           // dialog + "/Body/Status"
    std::string download;         // dialog + "/Body/Actions/Download Button"
    std::string notes;            // dialog + "/Body/Actions/Notes Button"
    std::string skip;             // dialog + "/Body/Actions/Skip Button"
    std::string later;            // dialog + "/Body/Actions/Later Button"
    std::string exit;             // dialog + "/Titlebar/Exit Button"
    std::string current_version;  // version section + "/Current Version"
    std::string check_button;     // version section + "/Actions/Check Updates Button"

    static UpdatePaths make(const std::string& root, const std::string& window);
};

// The checker's state. A plain value, copied into every timer and button
// closure; the result of the last finished check is shared between them.
struct UpdateUi {
    OApp* app = nullptr;
    UpdateConfig config;
    std::shared_ptr<UpdateResult> result = std::make_shared<UpdateResult>();
    // The result the dialog offers. The Download, Notes and Skip buttons act
    // on it, so a check that finishes while an offer is open (a periodic one,
    // say) cannot change what those buttons do.
    std::shared_ptr<UpdateResult> offer = std::make_shared<UpdateResult>();
    UpdatePaths paths;

    // Starts one check; a manual one shows "Checking for updates..." and
    // later every outcome, an automatic one only a new, unskipped version.
    void check_now(bool manual) const;
    void on_result(const UpdateResult& outcome, bool manual) const;
    void show_available() const;
    void set_status(const std::string& text) const;

    // Button effects.
    void download() const;
    void open_notes() const;
    void skip() const;
    void hide_dialog() const;

    // Arms the self-renewing periodic check.
    void arm_periodic(int interval_ms) const;
};

// Interval of periodic checks for the configured hours: min(hours, 168)
// hours in milliseconds, or 0 (none) for hours of 0 or below.
int periodic_interval_ms(int check_hours);

// Shows the application version in the settings window, hides the dialog and,
// when a manifest address is configured, registers the dialog's and the
// version section's click handlers and arms the automatic checks (through
// `OApp::set_timeout`). Without an address the check button is hidden.
void install_update_ui(OApp& app, const std::string& root, const std::string& window);

}  // namespace Ostrel
