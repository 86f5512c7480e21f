// Opening configurations as left tabs, switching and closing them.

#include <filesystem>
#include <string>
#include <vector>

#include "tests/app_window/window_fixture.h"

namespace window_test {
namespace {

namespace fs = std::filesystem;
using Ids = std::vector<std::string>;

const std::string kSiteText = kSite + "/Text Panel/Text Editor";

TEST_F(Window, StartUpListOpensEachFileOnceAndShowsTheLast) {
    const std::string a = site("a", "Alpha");
    const std::string b = project("b", "Beta");
    build(a + "\n\n" + b + "\n" + a + "\n");
    EXPECT_EQ(tab_ids(), (Ids{"config-1", "config-2"}));
    EXPECT_EQ(tab_field("config-1", "title"), "Alpha");
    EXPECT_EQ(tab_field("config-1", "icon"), "site");
    EXPECT_EQ(tab_field("config-2", "icon"), "project");
    // The last line names the site again: its tab is selected, and it is shown.
    EXPECT_TRUE(has(kLeftTabs + "/config-1", "Active"));
    EXPECT_FALSE(hidden(kConfigPane));
    EXPECT_TRUE(hidden(W + "/App Pane"));
    EXPECT_FALSE(hidden(kSite));
    EXPECT_TRUE(hidden(kProject));
    EXPECT_TRUE(hidden(kMessage));
}

TEST_F(Window, OneTabPerFileHoweverItsPathIsWritten) {
    const std::string a = site("docs");
    fs::create_directory_symlink(dir / "docs", dir / "link");
    const fs::path relative = fs::relative(a, fs::current_path());
    build(a + "\n" + (dir / "link/.scribenta-site").string() + "\n" + relative.string() + "\n" +
          (dir / "docs/../docs/.scribenta-site").string());
    EXPECT_EQ(tab_ids(), Ids{"config-1"});
}

TEST_F(Window, FilesThatAreNoConfigurationAreReported) {
    const std::string newer = dir.write("new/.scribenta-site", "{\"format\": 2}\n").string();
    const std::string manifest = dir.write("src/.scribenta", "{\"build\": {}}\n").string();
    const std::string crlf = site("ok") + "\r";
    const std::string deep =
        dir.write("deep/.scribenta-site", "{\"title\": \"T\", \"x\": " + std::string(10000, '[') +
                                              std::string(10000, ']') + "}")
            .string();
    const struct {
        std::string line, message;
    } cases[] = {
        {newer,
         ".scribenta-site declares format 2; this Scribenta reads up to format 1 (update "
         "Scribenta to open it)."},
        {deep, ".scribenta-site is nested too deeply (more than 256 levels)."},
        {manifest, "This file isn't a site or project configuration."},
        {crlf, "This file isn't a site or project configuration."},
        {(dir / "missing.json").string(), "This file isn't a site or project configuration."},
    };
    for (const auto& c : cases) {
        Ostrel::OApp fresh;
        setenv("SCRIBENTA_DEV_OPEN", c.line.c_str(), 1);
        Ostrel::build_app(fresh);
        EXPECT_FALSE(fresh.hidden.count(kMessage)) << c.line;
        EXPECT_EQ(fresh.texts[kMessage + "/Titlebar/Title"], "Unsupported Config") << c.line;
        EXPECT_EQ(fresh.texts[kMessage + "/Body/Message"], c.message) << c.line;
        EXPECT_TRUE(fresh.rows["leftTabs"].empty()) << c.line;
    }
}

TEST_F(Window, SeveralFailuresShowTheLastReportAndTheRestStillOpen) {
    const std::string good = site("good", "Good");
    build(dir.write("a.txt", "x").string() + "\n" + good + "\n" +
          dir.write("new/.scribenta-project", "{\"format\": 7}").string());
    EXPECT_EQ(tab_ids(), Ids{"config-1"});
    EXPECT_EQ(text(kMessage + "/Body/Message"),
              ".scribenta-project declares format 7; this Scribenta reads up to format 1 "
              "(update Scribenta to open it).");
}

TEST_F(Window, TabIdsAreNeverReused) {
    const std::string a = site("a");
    build(a);
    tab_action("leftTabs", "config-1", "close");
    EXPECT_TRUE(tab_ids().empty());
    picked = a;
    click(W + "/App Pane/Home/Open Button");
    EXPECT_EQ(tab_ids(), Ids{"config-2"});
}

TEST_F(Window, ClosingTheShownTabReturnsHomeOnlyWhenItWasSelected) {
    const std::string a = site("a");
    build(a);
    click(kAppTab);  // the home tab is selected; the site stays the shown one
    tab_action("leftTabs", "config-1", "close");
    EXPECT_TRUE(has(kAppTab, "Selected"));
    EXPECT_TRUE(hidden(kConfigPane));

    picked = a;
    click(W + "/App Pane/Home/Open Button");
    EXPECT_TRUE(has(kLeftTabs + "/config-2", "Active"));
    tab_action("leftTabs", "config-2", "close");
    EXPECT_TRUE(has(kAppTab, "Selected"));
    EXPECT_FALSE(hidden(W + "/App Pane"));
    EXPECT_TRUE(hidden(kConfigPane));
}

// Closing the configuration on screen while its text view holds unsaved
// text asks first; Cancel keeps the tab and the text.
TEST_F(Window, ClosingTheShownTabWithUnsavedTextAsksFirst) {
    const std::string a = site("a");
    build(a);
    edit_text_view(kSite, "{\"title\": \"changed\"}");
    tab_action("leftTabs", "config-1", "close");
    EXPECT_FALSE(hidden(kConfirm));
    EXPECT_EQ(text(kConfirm + "/Titlebar/Title"), "Discard changes?");
    EXPECT_EQ(text(kConfirm + "/Body/Message"),
              "The Text view has unsaved changes. Leaving this configuration will discard them.");
    click(kConfirm + "/Body/Actions/Cancel Button");
    EXPECT_EQ(tab_ids(), Ids{"config-1"});
    EXPECT_EQ(app.value(kSiteText), "{\"title\": \"changed\"}");

    tab_action("leftTabs", "config-1", "close");
    click(kConfirm + "/Body/Actions/Confirm Button");
    EXPECT_TRUE(tab_ids().empty());
    EXPECT_TRUE(has(kAppTab, "Selected"));
}

// A tab that is not shown closes without a question.
TEST_F(Window, ClosingAnotherTabAsksNothing) {
    build(site("a") + "\n" + site("b"));
    edit_text_view(kSite, "{}");
    tab_action("leftTabs", "config-1", "close");
    EXPECT_TRUE(hidden(kConfirm));
    EXPECT_EQ(tab_ids(), Ids{"config-2"});
    EXPECT_TRUE(has(kLeftTabs + "/config-2", "Active"));
}

// The user confirms a switch to a tab that was closed in the meantime:
// nothing happens, the configuration on screen stays.
TEST_F(Window, AConfirmedSwitchToAClosedTabDoesNothing) {
    build(site("a", "Alpha") + "\n" + site("b", "Beta"));
    tab_action("leftTabs", "config-1", "activate");  // nothing unsaved: switches at once
    EXPECT_TRUE(has(kLeftTabs + "/config-1", "Active"));
    edit_text_view(kSite, "{}");
    tab_action("leftTabs", "config-2", "activate");
    ASSERT_FALSE(hidden(kConfirm));
    tab_action("leftTabs", "config-2", "close");
    click(kConfirm + "/Body/Actions/Confirm Button");
    EXPECT_EQ(tab_ids(), Ids{"config-1"});
    EXPECT_TRUE(has(kLeftTabs + "/config-1", "Active"));
    EXPECT_EQ(app.value(kSiteText), "{}");
}

TEST_F(Window, OpeningTheShownConfigurationOnlySelectsItsTab) {
    const std::string a = site("a");
    build(a);
    edit_text_view(kSite, "{\"kept\": true}");
    click(kAppTab);
    picked = a;
    click(W + "/App Pane/Home/Open Button");
    EXPECT_TRUE(hidden(kConfirm));
    EXPECT_TRUE(has(kLeftTabs + "/config-1", "Active"));
    EXPECT_EQ(app.value(kSiteText), "{\"kept\": true}");
}

// Switching shows the configuration in the configurator of its kind, in the
// editor view on its first tab, with its file in the text view.
TEST_F(Window, SwitchingShowsTheConfigurationInItsConfigurator) {
    const std::string a = site("a", "Alpha");
    const std::string p = project("p", "Pea");
    build(a + "\n" + p);
    EXPECT_FALSE(hidden(kProject));
    EXPECT_TRUE(hidden(kSite));
    EXPECT_EQ(app.value(kProject + "/Text Panel/Text Editor"), TempDir::read(p));
    EXPECT_TRUE(hidden(kProject + "/Family Bar"));
    tab_action("leftTabs", "config-1", "activate");
    EXPECT_FALSE(hidden(kSite));
    EXPECT_TRUE(hidden(kProject));
    EXPECT_EQ(app.value(kSiteText), TempDir::read(a));
    EXPECT_TRUE(has(kLeftTabs + "/config-1", "Active"));
    EXPECT_FALSE(has(kLeftTabs + "/config-2", "Active"));
}

// A project's tab shows its logo resolved against the site holding it.
TEST_F(Window, ATabCarriesTheLogoOfItsConfiguration) {
    dir.write("site/images/logo.svg", "<svg/>");
    dir.write("site/.scribenta-site",
              "{\"title\": \"S\", \"projects\": [], \"branding\": {\"logo_path\": "
              "\"/images/logo.svg\"}}");
    const std::string p =
        dir.write("site/projects/p/.scribenta-project",
                  "{\"slug\": \"p\", \"name\": \"P\", \"logo\": \"/images/logo.svg\"}")
            .string();
    const std::string bare = project("bare", "Bare");
    build((dir / "site/.scribenta-site").string() + "\n" + p + "\n" + bare);
    const std::string logo = (dir / "site/images/logo.svg").lexically_normal().string();
    EXPECT_EQ(tab_field("config-1", "logo"), logo);
    EXPECT_EQ(tab_field("config-2", "logo"), logo);
    EXPECT_EQ(tab_field("config-3", "logo"), "");
}

TEST_F(Window, MemberTabsOfAFamily) {
    const std::string family = project("orbit", "Orbit");
    build();
    // Not shown yet: a member row does nothing.
    tab_action("familyTabs", "member-1", "activate");
    picked = family;
    click(W + "/App Pane/Home/Open Button");
    EXPECT_TRUE(hidden(kProject + "/Family Bar"));
    EXPECT_EQ(app.rows["familyTabs"].size(), 1u);
    for (const char* row : {"member-5", "member-x", "member-", "other", "member-0"}) {
        tab_action("familyTabs", row, "activate");
        EXPECT_TRUE(hidden(kConfirm)) << row;
    }
    EXPECT_TRUE(has(kProject + "/Family Bar/Member Tabs/member-0", "Active"));
}

}  // namespace
}  // namespace window_test
