// Renders every main screen and dialog of the window with the shipped layer
// files in both themes, filled with the sample site the way the editor fills
// it. With OSTREL_TEST_SHOTS set to a folder the pictures are written there
// as PNG files to look at.

#include <QDir>
#include <QImage>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "ext/ostrel/desktop/asset_search.h"
#include "tests/app_layers/app_fixture.h"
#include "tests/desktop/harness.h"

namespace app_layers_test {
namespace {

const std::string kSample = kSource + "/examples/acme-docs";
const std::string kLight = "Light (zozeravuderedada)";

const std::vector<std::string> kDialogs = {
    "App/Message Dialog",      "App/Confirm Dialog",           "App/New Website Dialog",
    "App/Add Project Dialog",  "App/Add Topic Dialog",         "App/Add Dependency Dialog",
    "App/Promote Dialog",      "App/Add Policy Dialog",        "App/Add Fact Dialog",
    "App/Add Download Dialog", "App/Edit Section Dialog",      "App/Add Section Dialog",
    "App/Add Social Dialog",   "App/Theme Directories Dialog", "App/Update Dialog"};

void set_field(OApp& app, const std::string& path, const std::string& text) {
    app.texts[path] = text;
    app.values[path] = text;
}

// The state the window declaration leaves: home page shown, everything else
// hidden, first tabs and editor views active.
void declared_window(OApp& app) {
    app.set_visible(W + "/Config Pane", false);
    app.set_visible(SETTINGS, false);
    for (const std::string& dialog : kDialogs) app.set_visible(dialog, false);
    app.toggle_state(W + "/Titlebar/Right Tabs/App Tab", "Selected");
    for (const std::string& base : {SITE, PROJECT}) {
        app.set_visible(base + "/Text Panel", false);
        app.toggle_state(base + "/View Bar/Editor View Tab", "Active");
        app.toggle_state(base + "/Text Panel/Status Bar/Save Button", "Disabled");
    }
    app.toggle_state(SITE + "/Editor Panel/Sidebar/Website Tab", "Active");
    app.toggle_state(PROJECT + "/Editor Panel/Sidebar/Project Tab", "Active");
    app.toggle_state(PROJECT_PANELS + "/Build Panel/Build Button", "Disabled");
    app.set_rows("leftTabs", {});
}

void show_tab(OApp& app, const std::string& base, const std::vector<std::string>& panels,
              const std::string& shown) {
    for (const std::string& panel : panels) {
        app.set_visible(base + "/Editor Panel/Panels/" + panel, panel == shown);
    }
}

const std::vector<std::string> kSitePanels = {"Website Panel", "Projects Panel", "Socials Panel",
                                              "Policies Panel", "Build Panel"};
const std::vector<std::string> kProjectPanels = {
    "Project Panel",      "Source Panel",   "Readme Panel",    "License Panel", "Topics Panel",
    "Dependencies Panel", "Versions Panel", "Downloads Panel", "Build Panel"};

void open_tabs(OApp& app, const std::string& active) {
    app.set_rows(
        "leftTabs",
        {{"config-1",
          {{"title", "Acme Docs"}, {"icon", "site"}, {"logo", kSample + "/images/acme-logo.svg"}}},
         {"config-2",
          {{"title", "Rocket"}, {"icon", "project"}, {"logo", kSample + "/images/rocket.svg"}}},
         {"config-3",
          {{"title", "Orbit"},
           {"icon", "project-family"},
           {"logo", kSample + "/images/orbit.svg"}}}});
    app.toggle_state(W + "/Titlebar/Right Tabs/App Tab", "Selected");
    app.toggle_state(LEFT_TABS + "/" + active, "Active");
    app.set_visible(W + "/App Pane", false);
    app.set_visible(W + "/Config Pane", true);
}

void site_screen(OApp& app, const std::string& panel) {
    open_tabs(app, "config-1");
    app.set_visible(PROJECT, false);
    show_tab(app, SITE, kSitePanels, panel);
    app.toggle_state(SITE + "/Editor Panel/Sidebar/Website Tab", "Active");
    app.toggle_state(SITE + "/Editor Panel/Sidebar/" +
                         panel.substr(0, panel.size() - std::string(" Panel").size()) + " Tab",
                     "Active");
    const std::string web = SITE_PANELS + "/Website Panel";
    set_field(app, web + "/Site Form/Title Field", "Acme Docs");
    set_field(app, web + "/Site Form/Description Field",
              "Guides and reference for the Acme tool family.");
    set_field(app, web + "/Site Form/URL Field", "https://docs.acme.example");
    set_field(app, web + "/Site Form/Copyright Field", "(c) 2026 Acme Labs");
    set_field(app, web + "/Site Form/Output Field", "./output");
    const std::string brand = web + "/Main Tab Group/Main Tab Form";
    set_field(app, brand + "/Heights Row/Logo Height Field", "28");
    set_field(app, brand + "/Tab Text Field", "Acme Docs");
    app.set_image(web + "/Logo Picker/Avatar/Logo Image", kSample + "/images/acme-logo.svg");
    for (const char* cell : {"/Desktop Column/Tab", "/Mobile Column/Tab"}) {
        const std::string tab = web + "/Main Tab Group/Tab Preview/Tabs Row" + cell;
        app.set_image(tab + "/Logo", kSample + "/images/acme-logo.svg");
        app.fixed_heights[tab + "/Logo"] = 28;
        app.texts[tab + "/Text"] = "Acme Docs";
    }
    set_field(app, web + "/Favicon Picker/Background Row/Background Field", "#36393f");
    app.set_visible(web + "/Favicon Picker/Hint", false);
    app.set_visible(web + "/Favicon Picker/Preview Row", false);
    app.set_rows(
        "homeSections",
        {{"home-0",
          {{"title", "Website Description"},
           {"subtext", "Display the configured description text"},
           {"is_description", "1"}}},
         {"home-1",
          {{"title", "Projects"}, {"subtext", "Display the project cards"}, {"is_projects", "1"}}},
         {"home-2",
          {{"title", "Socials"}, {"subtext", "Display the social cards"}, {"is_socials", "1"}}},
         {"home-3",
          {{"title", "Highlights"}, {"subtext", "What is new this month"}, {"custom", "1"}}}});
    app.set_rows("projectCards",
                 {{"proj-0",
                   {{"title", "Rocket"},
                    {"tagline", "Launch builds into orbit"},
                    {"logo", kSample + "/images/rocket.svg"}}},
                  {"proj-1", {{"title", "Comet"}, {"tagline", "A fast static file server"}}},
                  {"proj-2",
                   {{"title", "Orbit"},
                    {"tagline", "Tools that circle your code"},
                    {"logo", kSample + "/images/orbit.svg"}}}});
    app.set_rows("orphanRows", {});
    app.set_visible(SITE_PANELS + "/Projects Panel/Orphans Label", false);
    app.set_visible(SITE_PANELS + "/Projects Panel/Orphan Rows", false);
    app.set_rows("socialCards", {{"social-0", {{"title", "Mastodon"}, {"username", "acme"}}}});
    const std::string pol = SITE_PANELS + "/Policies Panel";
    app.set_options(pol + "/Selector Row/Item Combo", {{"0", "Privacy"}});
    app.select_option(pol + "/Selector Row/Item Combo", "0");
    set_field(app, pol + "/Meta Form/Name Field", "Privacy");
    set_field(app, pol + "/Meta Form/Title Field", "Privacy - Acme Docs");
    set_field(app, pol + "/Meta Form/File Field", "policies/privacy.md");
    set_field(app, pol + "/File Editor",
              "# Privacy\n\nThis site sets no cookies and keeps no logs of its readers.\n");
    app.toggle_state(pol + "/File Status Bar/Save Button", "Disabled");
    app.set_checked(pol + "/File Status Bar/Wrap Checkbox", true);
    app.texts[SITE_PANELS + "/Build Panel/Output Editor"] =
        "Building site Acme Docs\nRocket 1.4: 12 pages\nComet 0.9: 5 pages\nOrbit: 2 members\n\n"
        "=== Build Complete ===";
}

void project_screen(OApp& app, const std::string& panel, bool family) {
    open_tabs(app, family ? "config-3" : "config-2");
    app.set_visible(SITE, false);
    show_tab(app, PROJECT, kProjectPanels, panel);
    if (panel != "Project Panel") {
        app.toggle_state(PROJECT + "/Editor Panel/Sidebar/Project Tab", "Active");
        app.toggle_state(PROJECT + "/Editor Panel/Sidebar/" +
                             panel.substr(0, panel.size() - std::string(" Panel").size()) + " Tab",
                         "Active");
    }
    const std::string pp = PROJECT_PANELS + "/Project Panel";
    if (family) {
        app.set_rows("familyTabs",
                     {{"member-0", {{"umbrella", "1"}}},
                      {"member-1",
                       {{"label", "Core"},
                        {"tagline", "Tools that circle your code"},
                        {"logo", kSample + "/images/orbit.svg"}}},
                      {"member-2", {{"label", "CLI"}, {"tagline", "The command line of Orbit"}}}});
        app.toggle_state(PROJECT + "/Family Bar/Member Tabs/member-0", "Active");
        app.toggle_state(PROJECT + "/Editor Panel/Sidebar/Project Tab", "Family");
        app.texts[PROJECT + "/Editor Panel/Sidebar/Project Tab/Label"] = "Project Family";
        for (const char* tab : {"Source Tab", "Readme Tab", "License Tab", "Topics Tab",
                                "Dependencies Tab", "Versions Tab", "Downloads Tab", "Build Tab"}) {
            app.set_visible(PROJECT + "/Editor Panel/Sidebar/" + tab, false);
        }
        set_field(app, pp + "/Project Form/Slug Field", "orbit");
        set_field(app, pp + "/Project Form/Name Field", "Orbit");
        set_field(app, pp + "/Project Form/Tagline Field", "Tools that circle your code");
        app.set_image(pp + "/Logo Picker/Avatar/Logo Image", kSample + "/images/orbit.svg");
        for (const char* node : {"/Facts Label", "/Facts Form", "/Add Fact Button", "/Family Label",
                                 "/Promote Button"}) {
            app.set_visible(pp + node, false);
        }
    } else {
        app.set_visible(PROJECT + "/Family Bar", false);
        app.set_visible(PROJECT + "/Family Divider", false);
        set_field(app, pp + "/Project Form/Slug Field", "rocket");
        set_field(app, pp + "/Project Form/Name Field", "Rocket");
        set_field(app, pp + "/Project Form/Tagline Field", "Launch builds into orbit");
        app.set_image(pp + "/Logo Picker/Avatar/Logo Image", kSample + "/images/rocket.svg");
        app.set_rows("factRows", {{"fact-0", {{"label", "Licence"}}},
                                  {"fact-1", {{"label", "Language"}}},
                                  {"fact-2", {{"label", "Stable release"}}}});
        set_field(app, pp + "/Facts Form/fact-0/Value Field", "MIT");
        set_field(app, pp + "/Facts Form/fact-1/Value Field", "C++20");
        set_field(app, pp + "/Facts Form/fact-2/Value Field", "1.4.2 (2026-11-02)");
        app.toggle_state(pp + "/Facts Form/fact-2/Value Field", "Locked");
    }
    const std::string src = PROJECT_PANELS + "/Source Panel";
    set_field(app, src + "/Local Form/Source Path Field", "src");
    set_field(app, src + "/Repo Form/Platform Field", "github");
    set_field(app, src + "/Repo Form/Path Field", "acme/rocket");
    set_field(app, src + "/Repo Form/URL Field", "https://github.com/acme/rocket");
    app.set_visible(src + "/Add Repository Button", false);
    const std::string rd = PROJECT_PANELS + "/Readme Panel";
    set_field(app, rd + "/Path Form/Readme Path Field", "README.md");
    set_field(app, rd + "/Readme Editor", "# Rocket\n\nRocket launches your builds.\n");
    app.set_visible(rd + "/Create Row", false);
    app.set_checked(rd + "/Readme Status Bar/Wrap Checkbox", true);
    app.toggle_state(rd + "/Readme Status Bar/Save Button", "Disabled");
    const std::string li = PROJECT_PANELS + "/License Panel";
    app.toggle_state(li + "/License Editor", "Locked");
    app.texts[li + "/Create Row/Create Button/Label"] = "Create LICENSE";
    app.texts[li + "/License Status Bar/Status Message"] = "License file not found";
    app.toggle_state(li + "/License Status Bar/Save Button", "Disabled");
    const std::string tp = PROJECT_PANELS + "/Topics Panel";
    app.set_options(tp + "/Selector Row/Item Combo", {{"0", "Getting Started"}});
    app.select_option(tp + "/Selector Row/Item Combo", "0");
    set_field(app, tp + "/Meta Form/Label Field", "Getting Started");
    set_field(app, tp + "/Meta Form/Title Field", "Getting Started with Rocket");
    set_field(app, tp + "/Meta Form/Intro Field", "From download to first launch.");
    set_field(app, tp + "/Meta Form/Source Field", "docs/getting-started.md");
    set_field(app, tp + "/File Editor",
              "# Getting Started\n\nInstall Rocket, then run `rocket launch`.\n");
    app.texts[tp + "/File Status Bar/Status Message"] = "Unsaved changes";
    app.set_rows("depCards", {{"dep-0", {{"name", "Qt"}, {"url", "https://www.qt.io"}}}});
    app.set_rows("downloadCards", {{"download-0",
                                    {{"label", "Linux"},
                                     {"url", "https://downloads.acme.example/rocket-1.4.2.tar.gz"},
                                     {"size", "4 MB"}}}});
    app.set_rows("versionRows", {{"version-0",
                                  {{"tag_mm", "1.4"},
                                   {"tag_patch", ".2"},
                                   {"released", "2026-11-02"},
                                   {"status", "Pending"}}},
                                 {"version-1",
                                  {{"tag_mm", "1.3"},
                                   {"tag_patch", ".0"},
                                   {"released", "2026-06-17"},
                                   {"status", "Complete"}}},
                                 {"version-2",
                                  {{"tag_mm", "1.2"},
                                   {"tag_patch", ".5"},
                                   {"released", "2025-12-01"},
                                   {"status", "Excluded"}}}});
    const std::string list = PROJECT_PANELS + "/Versions Panel/Versions Table/Versions List";
    app.set_checked(list + "/version-0/Include Cell/Include Checkbox", true);
    app.set_checked(list + "/version-1/Include Cell/Include Checkbox", true);
    app.toggle_state(list + "/version-2", "Excluded");
    app.set_visible(PROJECT_PANELS + "/Versions Panel/Status Message", false);
    app.texts[PROJECT_PANELS + "/Build Panel/Build Button/Label"] = "Build 1 Pending";
    app.toggle_state(PROJECT_PANELS + "/Build Panel/Build Button", "Disabled");
}

struct Screen {
    std::string name;
    std::function<void(OApp&)> setup;
    std::string dialog;  // drawn on its own when set
    int height = 800;
    int width = 1280;
};

std::vector<Screen> screens() {
    std::vector<Screen> out = {
        {"home", [](OApp&) {}, ""},
        {"settings",
         [](OApp& app) {
             app.set_visible(W + "/App Pane", false);
             app.set_visible(SETTINGS, true);
             app.toggle_state(W + "/Titlebar/Right Tabs/App Tab", "Selected");
             app.toggle_state(W + "/Titlebar/Right Tabs/Settings Tab", "Selected");
             app.toggle_state(SETTINGS + "/Sidebar/Appearance Tab", "Selected");
             app.set_visible(SETTINGS + "/App Settings", false);
             app.toggle_state(SETTINGS + "/Appearance Settings/Appearance Tabs/Theme Tab",
                              "Selected");
         },
         ""},
        {"site-json",
         [](OApp& app) {
             site_screen(app, "Website Panel");
             app.set_visible(SITE + "/Editor Panel", false);
             app.set_visible(SITE + "/Text Panel", true);
             app.toggle_state(SITE + "/View Bar/Editor View Tab", "Active");
             app.toggle_state(SITE + "/View Bar/Text View Tab", "Active");
             set_field(app, SITE + "/Text Panel/Text Editor",
                       "{\n  \"format\": 1,\n  \"title\": \"Acme Docs\",\n  \"description\": "
                       "\"Guides and reference for the Acme tool family.\",\n  \"output\": "
                       "\"./output\",\n  \"branding\": {\n    \"tab_text\": \"Acme Docs\"\n  }\n");
             app.toggle_state(SITE + "/Text Panel/Status Bar", "Invalid");
             app.texts[SITE + "/Text Panel/Status Bar/Status Message"] =
                 "Invalid JSON — line 9: unexpected end of input; expected '}'";
         },
         ""},
        {"family", [](OApp& app) { project_screen(app, "Project Panel", true); }, ""},
    };
    out.push_back(
        {"site-narrow", [](OApp& app) { site_screen(app, "Website Panel"); }, "", 700, 560});
    out.push_back(
        {"site-Website-whole", [](OApp& app) { site_screen(app, "Website Panel"); }, "", 1900});
    for (const std::string& panel : kSitePanels) {
        out.push_back({"site-" + panel.substr(0, panel.find(' ')),
                       [panel](OApp& app) { site_screen(app, panel); }, ""});
    }
    for (const std::string& panel : kProjectPanels) {
        out.push_back({"project-" + panel.substr(0, panel.find(' ')),
                       [panel](OApp& app) { project_screen(app, panel, false); }, ""});
    }
    for (const std::string& dialog : kDialogs) {
        std::string name = dialog.substr(4);
        std::replace(name.begin(), name.end(), ' ', '-');
        out.push_back(
            {"dialog-" + name, [](OApp& app) { site_screen(app, "Website Panel"); }, dialog});
    }
    return out;
}

// A dialog drawn on its own, as its modal window shows it.
QImage dialog_image(OApp& app, const std::string& dialog) {
    OApp single;
    single.themes = app.themes;
    single.theme_name = app.theme_name;
    single.texts = app.texts;
    single.values = app.values;
    single.node_states = app.node_states;
    single.set_root(dialog);
    desktop_test::ViewHarness view(single, QSize(720, 900));
    view.render();
    QWidget* widget = view.widget(dialog);
    if (widget == nullptr) return {};
    widget->adjustSize();
    return widget->grab().toImage();
}

TEST_F(AppLayers, EveryScreenRendersInBothThemes) {
    Ostrel::set_icon_dirs({kSource + "/icons"});
    const QString folder = qEnvironmentVariable("OSTREL_TEST_SHOTS");
    for (const std::string& theme : {kTheme, kLight}) {
        for (const Screen& screen : screens()) {
            SCOPED_TRACE(screen.name + " " + theme);
            auto app = window_app();
            app->set_theme(theme);
            declared_window(*app);
            screen.setup(*app);
            QImage image;
            if (!screen.dialog.empty()) {
                app->set_rows("themeSources", {});
                app->texts["App/Message Dialog/Titlebar/Title"] = "Unsupported Config";
                app->texts["App/Message Dialog/Body/Message"] =
                    "notes.json isn't a site or project configuration.";
                app->texts["App/Confirm Dialog/Titlebar/Title"] = "Remove Project";
                app->texts["App/Confirm Dialog/Body/Message"] =
                    "Remove 'Rocket' from this site? Its project entry leaves the site's "
                    "registry; the files stay on disk.";
                app->texts["App/Confirm Dialog/Body/Actions/Confirm Button/Label"] = "Remove";
                app->texts["App/Update Dialog/Body/Status"] =
                    "Scribenta 1.1.0 is available. You have 1.0.0.";
                app->texts["App/Promote Dialog/Body/Message"] =
                    "Rocket becomes the overview of a family; the project itself moves into "
                    "the family as its first member.";
                image = dialog_image(*app, screen.dialog);
            } else {
                desktop_test::ViewHarness view(*app, QSize(screen.width, screen.height));
                view.render();
                image = view.grab();
            }
            ASSERT_FALSE(image.isNull());
            if (!folder.isEmpty()) {
                QDir().mkpath(folder);
                const std::string file = screen.name + (theme == kTheme ? "-dark" : "-light");
                EXPECT_TRUE(image.save(folder + "/" + QString::fromStdString(file) + ".png"));
            }
        }
    }
    app_layers_test::loaded();
}

}  // namespace
}  // namespace app_layers_test
