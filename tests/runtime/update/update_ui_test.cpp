#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_paths.h"
#include "ext/ostrel/runtime/platform_key.h"
#include "ext/ostrel/runtime/update_checker.h"
#include "fake_services.h"

namespace Ostrel {
namespace {

using namespace update_test;

const std::string kNewer = R"({"version": "1.3.0",
    "notes_url": "https://example.org/notes/1.3.0",
    "download_page": "https://example.org/download",
    "platforms": {"linux-x86_64": {"url": "https://example.org/1.3.0.tar.gz"}}})";

struct UpdateUiTest : testing::Test {
    OApp app;
    testing_support::FakeServices fake;

    void SetUp() override {
        fake.install(app);
        app.app_version = "1.2.0";
        app.store["update.manifest_url"] = "https://example.org/m.json";
        app.store["update.platform_key"] = "linux-x86_64";
        app.store["update.check_hours"] = "24";
    }
    void install() { install_update_ui(app, "App", "Main Window"); }
    bool shown(const std::string& path) const { return !app.hidden.contains(path); }
    void click(const std::string& path) { app.dispatch_event(path, "click"); }
    // The automatic check 3 s after start-up, answered with `body`.
    void automatic_check(const std::string& body, int status = 200) {
        fake.fire(0);
        fake.answer(status, body);
    }
    void manual_check(const std::string& body, int status = 200) {
        click(kCheck);
        EXPECT_EQ(app.texts[kStatus], "Checking for updates...");
        EXPECT_TRUE(shown(kDialog));
        fake.answer(status, body);
    }
    void expect_status(const std::string& text) {
        EXPECT_TRUE(shown(kDialog));
        EXPECT_EQ(app.texts[kStatus], text);
        EXPECT_FALSE(shown(kDownload));
        EXPECT_FALSE(shown(kNotes));
        EXPECT_FALSE(shown(kSkip));
        EXPECT_EQ(app.texts[kLater], "Close");
    }
    void expect_offer(bool download, bool notes) {
        EXPECT_TRUE(shown(kDialog));
        EXPECT_EQ(app.texts[kStatus], "Version 1.3.0 is available. You have 1.2.0.");
        EXPECT_EQ(shown(kDownload), download);
        EXPECT_EQ(shown(kNotes), notes);
        EXPECT_TRUE(shown(kSkip));
        EXPECT_EQ(app.texts[kLater], "Later");
    }
};

TEST_F(UpdateUiTest, InstallShowsTheVersionHidesTheDialogAndArmsTheChecks) {
    install();
    EXPECT_EQ(app.texts[kCurrent], "Version 1.2.0");
    EXPECT_FALSE(shown(kDialog));
    EXPECT_TRUE(shown(kCheck));
    ASSERT_EQ(fake.timers.size(), 2u);
    EXPECT_EQ(fake.timers[0].ms, 3000);
    EXPECT_EQ(fake.timers[1].ms, 24 * 3600000);
    EXPECT_TRUE(fake.requests.empty());
}

TEST_F(UpdateUiTest, WithoutManifestAddressNothingIsArmed) {
    app.store.erase("update.manifest_url");
    install();
    EXPECT_EQ(app.texts[kCurrent], "Version 1.2.0");
    EXPECT_FALSE(shown(kDialog));
    EXPECT_FALSE(shown(kCheck));
    EXPECT_TRUE(fake.timers.empty());
    EXPECT_TRUE(app.click_handlers.empty());
}

TEST_F(UpdateUiTest, PeriodicIntervalFollowsTheHoursCappedAtAWeek) {
    struct Case {
        std::string hours;
        std::vector<int> timers;
    };
    const std::vector<Case> cases = {
        {"1", {3000, 3600000}},
        {"1000", {3000, 168 * 3600000}},
        {"168", {3000, 604800000}},
        {"0", {3000}},
        {"-3", {3000}},
        {"soon", {3000}},
        {"", {3000, 24 * 3600000}},
    };
    for (const auto& c : cases) {
        OApp other;
        testing_support::FakeServices services;
        services.install(other);
        other.store["update.manifest_url"] = "https://example.org/m.json";
        other.store["update.check_hours"] = c.hours;
        install_update_ui(other, "App", "W");
        std::vector<int> armed;
        for (const auto& t : services.timers) armed.push_back(t.ms);
        EXPECT_EQ(armed, c.timers) << c.hours;
    }
}

TEST_F(UpdateUiTest, PeriodicTimerChecksAndRenewsItself) {
    app.store["update.check_hours"] = "2";
    install();
    fake.fire(1);
    ASSERT_EQ(fake.requests.size(), 1u);
    ASSERT_EQ(fake.timers.size(), 3u);
    EXPECT_EQ(fake.timers[2].ms, 2 * 3600000);
    fake.fire(2);
    EXPECT_EQ(fake.requests.size(), 2u);
    EXPECT_EQ(fake.timers.size(), 4u);
    EXPECT_EQ(fake.timers[3].ms, 2 * 3600000);
}

TEST_F(UpdateUiTest, AutomaticCheckOffersANewerVersion) {
    install();
    automatic_check(kNewer);
    expect_offer(true, true);
}

TEST_F(UpdateUiTest, AutomaticCheckWithoutOfferShowsNothing) {
    const std::vector<std::pair<int, std::string>> replies = {
        {200, R"({"version": "1.2.0"})"},
        {200, R"({"version": "1.1"})"},
        {200, "not json"},
        {500, kNewer},
        {0, ""},
    };
    for (const auto& [status, body] : replies) {
        OApp other;
        testing_support::FakeServices services;
        services.install(other);
        other.app_version = "1.2.0";
        other.store["update.manifest_url"] = "https://example.org/m.json";
        install_update_ui(other, "App", "W");
        services.fire(0);
        services.answer(status, body);
        EXPECT_TRUE(other.hidden.contains(kDialog)) << body;
        EXPECT_FALSE(other.texts.contains(kStatus)) << body;
        EXPECT_TRUE(other.store.contains("update.last_check")) << body;
    }
}

TEST_F(UpdateUiTest, ManualCheckReportsEveryOutcome) {
    struct Case {
        int status;
        std::string body;
        std::string text;
    };
    const std::vector<Case> cases = {
        {200, R"({"version": "1.2.0"})", "You're up to date (1.2.0)."},
        {200, R"({"version": "1.0.0"})", "You're up to date (1.2.0)."},
        {200, "[1]", "Could not check for updates: manifest is not a JSON object"},
        {200, R"({"version": 2})", "Could not check for updates: manifest has no \"version\""},
        {404, "", "Could not check for updates: manifest fetch returned HTTP 404"},
        {0, "", "Could not check for updates: network failure"},
    };
    install();
    for (const auto& c : cases) {
        manual_check(c.body, c.status);
        expect_status(c.text);
    }
}

TEST_F(UpdateUiTest, SkippedVersionIsOfferedOnlyWhenAsked) {
    install();
    automatic_check(kNewer);
    click(kSkip);
    EXPECT_FALSE(shown(kDialog));
    EXPECT_EQ(app.store_get("update.skip_version"), "1.3.0");
    ASSERT_FALSE(fake.persisted.empty());
    EXPECT_EQ(fake.persisted.back(),
              std::make_pair(std::string("update.skip_version"), std::string("1.3.0")));

    fake.fire(1);  // the periodic check finds the skipped version again
    fake.answer(200, kNewer);
    EXPECT_FALSE(shown(kDialog));

    manual_check(kNewer);
    expect_offer(true, true);
}

TEST_F(UpdateUiTest, SkipWithoutVersionErasesTheKey) {
    app.store["update.skip_version"] = "1.1.0";
    install();
    click(kSkip);  // nothing checked yet: the shared result has no version
    EXPECT_FALSE(app.store.contains("update.skip_version"));
    EXPECT_EQ(fake.persisted.back(),
              std::make_pair(std::string("update.skip_version"), std::string()));
}

TEST_F(UpdateUiTest, ButtonsOpenTheOfferedAddresses) {
    install();
    automatic_check(kNewer);
    click(kNotes);
    EXPECT_TRUE(shown(kDialog));
    click(kDownload);
    EXPECT_FALSE(shown(kDialog));
    EXPECT_EQ(fake.opened, (std::vector<std::string>{"https://example.org/notes/1.3.0",
                                                     "https://example.org/1.3.0.tar.gz"}));
    for (const std::string& close : {kLater, kExit}) {
        automatic_check(kNewer);
        click(close);
        EXPECT_FALSE(shown(kDialog));
    }
    EXPECT_EQ(fake.opened.size(), 2u);
}

TEST_F(UpdateUiTest, OfferHidesButtonsWithoutAddresses) {
    install();
    automatic_check(R"({"version": "1.3.0", "download_page": "https://example.org/d"})");
    expect_offer(true, false);
    automatic_check(R"({"version": "1.3.0", "notes_url": "https://example.org/n",
        "platforms": {"linux-x86_64": {"url": 3}}})");
    expect_offer(false, true);
}

TEST_F(UpdateUiTest, AddressesThatAreNoWebAddressesAreNeverOpened) {
    install();
    automatic_check(R"j({"version": "1.3.0", "notes_url": "file:///etc/passwd",
        "download_page": "javascript:alert(1)",
        "platforms": {"linux-x86_64": {"url": "smb://host/installer.sh"}}})j");
    expect_offer(false, false);
    click(kNotes);
    click(kDownload);
    EXPECT_TRUE(fake.opened.empty());
}

TEST_F(UpdateUiTest, NewestResponseFillsTheSharedResult) {
    install();
    click(kCheck);
    fake.fire(0);  // an automatic check overlaps the manual one
    ASSERT_EQ(fake.requests.size(), 2u);
    fake.answer(200, kNewer);
    expect_offer(true, true);
    fake.answer(200, R"({"version": "1.4.0", "download_page": "https://example.org/1.4"})");
    EXPECT_EQ(app.texts[kStatus], "Version 1.4.0 is available. You have 1.2.0.");
    click(kDownload);
    EXPECT_EQ(fake.opened, (std::vector<std::string>{"https://example.org/1.4"}));
}

TEST_F(UpdateUiTest, OpenOfferKeepsItsButtonsWhenALaterCheckFails) {
    install();
    automatic_check(kNewer);
    fake.fire(1);  // the periodic check fails while the offer is open
    fake.answer(500, "");
    expect_offer(true, true);
    click(kNotes);
    click(kSkip);
    EXPECT_EQ(app.store_get("update.skip_version"), "1.3.0");
    EXPECT_EQ(fake.opened, (std::vector<std::string>{"https://example.org/notes/1.3.0"}));
}

TEST_F(UpdateUiTest, DevelopmentBuildCannotCheck) {
    app.app_version.clear();
    install();
    EXPECT_EQ(app.texts[kCurrent], "Development Build");
    click(kCheck);
    expect_status("Could not check for updates: no app version set");
    EXPECT_TRUE(fake.requests.empty());
    fake.fire(0);  // the automatic check fails silently
    EXPECT_EQ(app.texts[kStatus], "Could not check for updates: no app version set");
}

TEST(DefaultPlatformKey, NamesThisBuildsPlatform) {
#if defined(__linux__) && defined(__x86_64__)
    EXPECT_EQ(default_platform_key(), "linux-x86_64");
#else
    EXPECT_NE(default_platform_key().find('-'), std::string::npos);
#endif
}

}  // namespace
}  // namespace Ostrel
