#pragma once

// One update check: fetch the manifest named in the store, read it and
// compare its version with the running application's.

#include <functional>
#include <string>
#include <string_view>

#include "ext/ostrel/engine/oapp.h"
#include "ext/ostrel/runtime/services.h"

namespace Ostrel {

// The checker's configuration, read from the store once, when the user
// interface is installed.
struct UpdateConfig {
    std::string manifest_url;  // "update.manifest_url"; empty disables the checker
    std::string platform_key;  // "update.platform_key"
    int check_hours = 24;      // "update.check_hours"; 0 or below: no periodic checks
};

using UpdateCallback = std::function<void(const UpdateResult&)>;

// Reads "update.manifest_url", "update.platform_key" and "update.check_hours".
// The hours are 24 when the key is absent or empty, else the value's leading
// decimal integer (an optional sign first, clamped to int), 0 when it has none.
UpdateConfig load_update_config(const OApp& app);

// The value's leading decimal integer, as `load_update_config` reads hours.
int leading_integer(std::string_view text);

// Starts one check; the callback receives its result, at once for a check
// that cannot start (no manifest address, no application version, no HTTP
// service), else when the manifest's response arrives.
void check_for_updates(OApp& app, const UpdateConfig& config, UpdateCallback done);

// Turns a manifest response into the check's result and hands it to `done`.
// Records "update.last_check" (and persists it) for every response.
void on_manifest_response(OApp& app, const HttpResponse& response, const std::string& platform_key,
                          const UpdateCallback& done);

}  // namespace Ostrel
