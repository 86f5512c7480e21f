// The update checker against manifests served over real HTTP from a local
// server, through the Qt HTTP service. Timers are recorded, so each test
// fires the automatic check itself.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "dialog_paths.h"
#include "ext/ostrel/runtime/http_service.h"
#include "ext/ostrel/runtime/platform_key.h"
#include "ext/ostrel/runtime/update_checker.h"
#include "tests/runtime/http_test_server.h"
#include "tests/runtime/service_fixture.h"

namespace runtime_test {
namespace {

using Ostrel::OApp;

using namespace update_test;

// One run of the checker as start-up would install it.
struct Checker {
    std::unique_ptr<OApp> app = std::make_unique<OApp>();
    std::vector<Ostrel::Callback> timers;
    Strings opened;
    std::vector<std::pair<std::string, std::string>> persisted;

    Checker(const std::string& manifest_url, const std::string& skip_version = "") {
        Ostrel::install_qt_http(*app);
        app->timer_service = [this](int, Ostrel::Callback fn) { timers.push_back(std::move(fn)); };
        app->open_url_service = [this](const std::string& url) { opened.push_back(url); };
        app->store_persist = [this](const std::string& key, const std::string& value) {
            persisted.emplace_back(key, value);
        };
        app->app_version = "1.2.0";
        app->store["update.manifest_url"] = manifest_url;
        app->store["update.platform_key"] = Ostrel::default_platform_key();
        app->store["update.check_hours"] = "24";
        if (!skip_version.empty()) app->store["update.skip_version"] = skip_version;
        Ostrel::install_update_ui(*app, "App", "Main Window");
    }

    // Runs one check, automatic (the 3 s timer) or manual (the settings
    // window's button), and waits for the manifest's response.
    bool check(bool manual) {
        app->store.erase("update.last_check");
        if (manual) {
            app->dispatch_event(kCheck, "click");
        } else {
            const Ostrel::Callback first_check = timers.at(0);
            first_check();
        }
        return wait_for([this] { return app->store.contains("update.last_check"); });
    }
    bool shown(const std::string& path) const { return !app->hidden.contains(path); }
    std::string text(const std::string& path) const {
        const auto it = app->texts.find(path);
        return it == app->texts.end() ? "" : it->second;
    }
};

struct UpdateOverHttp : testing::Test {
    HttpTestServer server;

    std::string manifest(const std::string& version, const std::string& platform_key) const {
        return R"({"version": ")" + version + R"(", "notes_url": ")" + server.url("/notes") +
               R"(", "download_page": ")" + server.url("/download") + R"(", "platforms": {")" +
               platform_key + R"(": {"url": ")" + server.url("/" + platform_key) + R"("}}})";
    }
};

TEST_F(UpdateOverHttp, EachManifestGivesItsDialog) {
    const std::string here = Ostrel::default_platform_key();
    struct Case {
        const char* name;
        int status;
        std::string body;
        bool manual;
        std::string skip;
        std::string text;  // empty: the dialog stays hidden
        bool download;
        bool notes;
        std::string opened;  // what Download opens
    };
    const std::string offer = "Version 1.3.0 is available. You have 1.2.0.";
    const std::string up_to_date = "You're up to date (1.2.0).";
    const std::vector<Case> cases = {
        {"newer", 200, manifest("1.3.0", here), false, "", offer, true, true,
         server.url("/" + here)},
        {"newer, asked", 200, manifest("v1.3", here), true, "",
         "Version v1.3 is available. You have 1.2.0.", true, true, server.url("/" + here)},
        {"missing platform", 200, manifest("1.3.0", "windows-x86_64"), false, "", offer, true, true,
         server.url("/download")},
        {"same", 200, manifest("1.2.0", here), false, "", "", false, false, ""},
        {"same, asked", 200, manifest("1.2.0+build.9", here), true, "", up_to_date, false, false,
         ""},
        {"older, asked", 200, manifest("1.1.99999999999999999999", here), true, "", up_to_date,
         false, false, ""},
        {"malformed", 200, "version = 1.3.0", false, "", "", false, false, ""},
        {"malformed, asked", 200, "version = 1.3.0", true, "",
         "Could not check for updates: manifest is not a JSON object", false, false, ""},
        {"no version, asked", 200, R"({"version": 13})", true, "",
         "Could not check for updates: manifest has no \"version\"", false, false, ""},
        {"server error", 500, manifest("1.3.0", here), false, "", "", false, false, ""},
        {"server error, asked", 500, manifest("1.3.0", here), true, "",
         "Could not check for updates: manifest fetch returned HTTP 500", false, false, ""},
        {"skipped", 200, manifest("1.3.0", here), false, "1.3.0", "", false, false, ""},
        {"skipped, asked", 200, manifest("1.3.0", here), true, "1.3.0", offer, true, true,
         server.url("/" + here)},
        {"another version skipped", 200, manifest("1.3.0", here), false, "1.2.5", offer, true, true,
         server.url("/" + here)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        server.status = c.status;
        server.reason = c.status == 200 ? "OK" : "Internal Server Error";
        server.reply_body = c.body;
        Checker checker(server.url("/manifest.json"), c.skip);
        ASSERT_TRUE(checker.check(c.manual));
        EXPECT_EQ(server.requests.back().method, "GET");
        EXPECT_EQ(server.requests.back().target, "/manifest.json");
        EXPECT_EQ(checker.persisted.back().first, "update.last_check");
        EXPECT_EQ(checker.persisted.back().second, checker.app->store_get("update.last_check"));

        if (c.text.empty()) {
            EXPECT_FALSE(checker.shown(kDialog));
            continue;
        }
        EXPECT_TRUE(checker.shown(kDialog));
        EXPECT_EQ(checker.text(kStatus), c.text);
        const bool offered = c.text.find("is available") != std::string::npos;
        EXPECT_EQ(checker.shown(kDownload), c.download);
        EXPECT_EQ(checker.shown(kNotes), c.notes);
        EXPECT_EQ(checker.shown(kSkip), offered);
        EXPECT_EQ(checker.text(kLater), offered ? "Later" : "Close");
        if (c.download) {
            checker.app->dispatch_event(kDownload, "click");
            EXPECT_EQ(checker.opened, (Strings{c.opened}));
            EXPECT_FALSE(checker.shown(kDialog));
        }
    }
}

TEST_F(UpdateOverHttp, UnreachableServerIsReportedOnlyWhenAsked) {
    const std::string url =
        "http://127.0.0.1:" + std::to_string(HttpTestServer::closed_port()) + "/manifest.json";
    Checker checker(url);
    ASSERT_TRUE(checker.check(false));
    EXPECT_FALSE(checker.shown(kDialog));

    ASSERT_TRUE(checker.check(true));
    EXPECT_TRUE(checker.shown(kDialog));
    const std::string prefix = "Could not check for updates: ";
    const std::string status = checker.text(kStatus);
    EXPECT_EQ(status.substr(0, prefix.size()), prefix);
    EXPECT_GT(status.size(), prefix.size());
    EXPECT_EQ(checker.text(kLater), "Close");
    EXPECT_EQ(checker.persisted.size(), 2u);
}

TEST_F(UpdateOverHttp, SkipIsRememberedForAutomaticChecksOnly) {
    server.reply_body = manifest("1.3.0", Ostrel::default_platform_key());
    Checker checker(server.url("/manifest.json"));
    ASSERT_TRUE(checker.check(false));
    checker.app->dispatch_event(kSkip, "click");
    EXPECT_FALSE(checker.shown(kDialog));
    EXPECT_EQ(checker.app->store_get("update.skip_version"), "1.3.0");
    EXPECT_EQ(checker.persisted.back(),
              std::make_pair(std::string("update.skip_version"), std::string("1.3.0")));

    ASSERT_TRUE(checker.check(false));
    EXPECT_FALSE(checker.shown(kDialog));
    ASSERT_TRUE(checker.check(true));
    EXPECT_TRUE(checker.shown(kDialog));
    EXPECT_EQ(checker.text(kStatus), "Version 1.3.0 is available. You have 1.2.0.");

    checker.app->dispatch_event(kNotes, "click");
    EXPECT_EQ(checker.opened, (Strings{server.url("/notes")}));
    EXPECT_TRUE(checker.shown(kDialog));
}

}  // namespace
}  // namespace runtime_test
