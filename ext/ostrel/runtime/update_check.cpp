#include "ext/ostrel/runtime/update_check.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <climits>
#include <utility>

#include "ext/ostrel/runtime/update_manifest.h"
#include "ext/ostrel/runtime/version_compare.h"

namespace Ostrel {
namespace {

void store_last_check(OApp& app) {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const std::string seconds =
        std::to_string(std::chrono::duration_cast<std::chrono::seconds>(now).count());
    app.store["update.last_check"] = seconds;
    if (const StorePersistHook persist = app.store_persist) persist("update.last_check", seconds);
}

}  // namespace

int leading_integer(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    // Accumulate towards the sign's limit and stop there, so no digit run
    // overflows.
    long long value = 0;
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = std::min(limit, value * 10 + (text[i] - '0'));
    }
    return static_cast<int>(negative ? -value : value);
}

UpdateConfig load_update_config(const OApp& app) {
    UpdateConfig config;
    config.manifest_url = app.store_get("update.manifest_url");
    config.platform_key = app.store_get("update.platform_key");
    const std::string hours = app.store_get("update.check_hours");
    config.check_hours = hours.empty() ? 24 : leading_integer(hours);
    return config;
}

void check_for_updates(OApp& app, const UpdateConfig& config, UpdateCallback done) {
    const auto fail = [&done](const char* error) {
        UpdateResult result;
        result.error = error;
        if (done) done(result);
    };
    if (config.manifest_url.empty()) return fail("no update manifest url configured");
    if (app.app_version.empty()) return fail("no app version set");

    HttpRequest request;
    request.method = "GET";
    request.url = config.manifest_url;
    app.http_request(request, [&app, platform_key = config.platform_key,
                               done = std::move(done)](const HttpResponse& response) {
        on_manifest_response(app, response, platform_key, done);
    });
}

void on_manifest_response(OApp& app, const HttpResponse& response, const std::string& platform_key,
                          const UpdateCallback& done) {
    store_last_check(app);
    UpdateResult result;
    if (response.status == 200) {
        if (parse_update_manifest(response.body, platform_key, result)) {
            result.ok = true;
            result.available = compare_versions(result.latest_version, app.app_version) > 0;
        }
    } else if (response.status != 0) {
        result.error = "manifest fetch returned HTTP " + std::to_string(response.status);
    } else {
        result.error = response.error.empty() ? "network failure" : response.error;
    }
    if (done) done(result);
}

}  // namespace Ostrel
