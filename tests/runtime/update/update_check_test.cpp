#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <optional>
#include <string>
#include <vector>

#include "ext/ostrel/runtime/update_check.h"
#include "fake_services.h"

namespace Ostrel {
namespace {

long long now_seconds() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

TEST(LoadUpdateConfig, ReadsTheStoreKeys) {
    struct Case {
        std::optional<std::string> hours;
        int expected;
    };
    const std::vector<Case> cases = {
        {std::nullopt, 24},
        {"", 24},
        {"1000", 1000},
        {"0", 0},
        {"-5", -5},
        {"abc", 0},
        {"12abc", 12},
        {" 7", 7},
        {"+3", 3},
        {"1.5", 1},
        {"99999999999999999999", INT_MAX},
        {"-99999999999999999999", INT_MIN},
    };
    for (const auto& c : cases) {
        OApp app;
        app.store["update.manifest_url"] = "https://example.org/m.json";
        app.store["update.platform_key"] = "linux-x86_64";
        if (c.hours) app.store["update.check_hours"] = *c.hours;
        const UpdateConfig config = load_update_config(app);
        EXPECT_EQ(config.manifest_url, "https://example.org/m.json");
        EXPECT_EQ(config.platform_key, "linux-x86_64");
        EXPECT_EQ(config.check_hours, c.expected) << c.hours.value_or("(absent)");
        EXPECT_FALSE(app.store.contains("update.skip_version"));
    }
}

struct CheckForUpdates : testing::Test {
    OApp app;
    testing_support::FakeServices fake;
    UpdateConfig config{"https://example.org/m.json", "linux-x86_64", 24};
    std::vector<UpdateResult> results;

    void SetUp() override {
        fake.install(app);
        app.app_version = "1.2.0";
    }
    void check() {
        check_for_updates(app, config, [this](const UpdateResult& r) { results.push_back(r); });
    }
};

TEST_F(CheckForUpdates, SendsAPlainGetOfTheManifest) {
    check();
    ASSERT_EQ(fake.requests.size(), 1u);
    const HttpRequest& r = fake.requests[0].request;
    EXPECT_EQ(r.method, "GET");
    EXPECT_EQ(r.url, "https://example.org/m.json");
    EXPECT_TRUE(r.headers.empty());
    EXPECT_EQ(r.body, "");
    EXPECT_EQ(r.content_type, "");
    EXPECT_TRUE(results.empty());
}

TEST_F(CheckForUpdates, FailsAtOnceWithoutAddressVersionOrService) {
    config.manifest_url.clear();
    check();
    app.app_version.clear();
    config.manifest_url = "https://example.org/m.json";
    check();
    app.app_version = "1.0";
    app.http_service = nullptr;
    check();
    ASSERT_EQ(results.size(), 3u);
    EXPECT_EQ(results[0].error, "no update manifest url configured");
    EXPECT_EQ(results[1].error, "no app version set");
    EXPECT_EQ(results[2].error, "no http handler installed");
    for (const auto& r : results) EXPECT_FALSE(r.ok);
    EXPECT_TRUE(fake.requests.empty());
    // Only the request that went to the (missing) service got a response.
    EXPECT_EQ(fake.persisted.size(), 1u);
}

TEST_F(CheckForUpdates, TurnsEachResponseIntoAResult) {
    struct Case {
        const char* name;
        HttpResponse response;
        bool ok;
        bool available;
        std::string error;
    };
    const std::vector<Case> cases = {
        {"newer", {200, R"({"version": "1.3.0"})", ""}, true, true, ""},
        {"same", {200, R"({"version": "v1.2"})", ""}, true, false, ""},
        {"older", {200, R"({"version": "1.1.9"})", ""}, true, false, ""},
        {"pre-release of the same", {200, R"({"version": "1.2.0-rc.1"})", ""}, true, false, ""},
        {"malformed", {200, "{version: 1.3}", ""}, false, false, "manifest is not a JSON object"},
        {"no version", {200, "{}", ""}, false, false, "manifest has no \"version\""},
        {"server error",
         {500, R"({"version": "9.0"})", ""},
         false,
         false,
         "manifest fetch returned HTTP 500"},
        {"redirect", {301, "", ""}, false, false, "manifest fetch returned HTTP 301"},
        {"network error", {0, "", "Connection refused"}, false, false, "Connection refused"},
        {"no reply at all", {0, "", ""}, false, false, "network failure"},
    };
    for (const auto& c : cases) {
        results.clear();
        fake.persisted.clear();
        app.store.erase("update.last_check");
        check();
        const long long before = now_seconds();
        fake.answer(c.response.status, c.response.body, c.response.error);
        const long long after = now_seconds();
        ASSERT_EQ(results.size(), 1u) << c.name;
        EXPECT_EQ(results[0].ok, c.ok) << c.name;
        EXPECT_EQ(results[0].available, c.available) << c.name;
        EXPECT_EQ(results[0].error, c.error) << c.name;

        // Every response is recorded and persisted, failures included.
        const std::string stamp = app.store_get("update.last_check");
        ASSERT_FALSE(stamp.empty()) << c.name;
        EXPECT_GE(std::stoll(stamp), before) << c.name;
        EXPECT_LE(std::stoll(stamp), after) << c.name;
        ASSERT_EQ(fake.persisted.size(), 1u) << c.name;
        EXPECT_EQ(fake.persisted[0], std::make_pair(std::string("update.last_check"), stamp));
    }
}

TEST_F(CheckForUpdates, UsesThePlatformKeyOfTheConfiguration) {
    config.platform_key = "linux-arm64";
    check();
    fake.answer(200, R"({"version": "2.0", "download_page": "https://e.org/d",
        "platforms": {"linux-x86_64": {"url": "https://e.org/x64"},
                      "linux-arm64": {"url": "https://e.org/arm"}}})");
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].download_url, "https://e.org/arm");
    EXPECT_EQ(results[0].download_page, "https://e.org/d");
}

}  // namespace
}  // namespace Ostrel
