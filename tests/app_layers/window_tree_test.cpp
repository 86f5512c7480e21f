// Every node path the application addresses exists in a render with nothing
// hidden, with the kind its handlers need.

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "tests/app_layers/app_fixture.h"

namespace app_layers_test {
namespace {

using K = NodeKind;

struct PathKind {
    std::string path;
    NodeKind kind;
};

std::vector<PathKind> dialog_nodes() {
    std::vector<PathKind> rows;
    const std::vector<std::string> dialogs = {
        "App/Message Dialog",      "App/Confirm Dialog",           "App/New Website Dialog",
        "App/Add Project Dialog",  "App/Add Topic Dialog",         "App/Add Dependency Dialog",
        "App/Promote Dialog",      "App/Add Policy Dialog",        "App/Add Fact Dialog",
        "App/Add Download Dialog", "App/Edit Section Dialog",      "App/Add Section Dialog",
        "App/Add Social Dialog",   "App/Theme Directories Dialog", "App/Update Dialog"};
    for (const std::string& d : dialogs) {
        rows.push_back({d, K::Box});
        rows.push_back({d + "/Titlebar/Title", K::Text});
        rows.push_back({d + "/Titlebar/Exit Button", K::Button});
    }
    const std::string m = "App/Message Dialog", c = "App/Confirm Dialog";
    const std::string nw = "App/New Website Dialog", ap = "App/Add Project Dialog";
    const std::string at = "App/Add Topic Dialog", ad = "App/Add Dependency Dialog";
    const std::string pr = "App/Promote Dialog", apo = "App/Add Policy Dialog";
    const std::string af = "App/Add Fact Dialog", adl = "App/Add Download Dialog";
    const std::string es = "App/Edit Section Dialog", as = "App/Add Section Dialog";
    const std::string aso = "App/Add Social Dialog", td = "App/Theme Directories Dialog";
    const std::string ud = "App/Update Dialog";
    const std::vector<PathKind> inner = {
        {m + "/Body/Message", K::Text},
        {m + "/Body/OK Button", K::Button},
        {c + "/Body/Message", K::Text},
        {c + "/Body/Actions/Cancel Button", K::Button},
        {c + "/Body/Actions/Confirm Button", K::Button},
        {c + "/Body/Actions/Confirm Button/Label", K::Text},
        {nw + "/Body/Title Editor", K::Editor},
        {nw + "/Body/Location Row/Location Editor", K::Editor},
        {nw + "/Body/Location Row/Browse Button", K::Button},
        {nw + "/Body/Actions/Cancel Button", K::Button},
        {nw + "/Body/Actions/Create Button", K::Button},
        {ap + "/Body/Name Editor", K::Editor},
        {ap + "/Body/Slug Editor", K::Editor},
        {ap + "/Body/Tagline Editor", K::Editor},
        {ap + "/Body/Family Label Editor", K::Editor},
        {ap + "/Body/Actions/Cancel Button", K::Button},
        {ap + "/Body/Actions/Create Button", K::Button},
        {at + "/Body/Label Editor", K::Editor},
        {at + "/Body/Slug Editor", K::Editor},
        {at + "/Body/Title Editor", K::Editor},
        {at + "/Body/Intro Editor", K::Editor},
        {at + "/Body/Source Row", K::Box},
        {at + "/Body/Source Row/Source Editor", K::Editor},
        {at + "/Body/Source Row/Browse Button", K::Button},
        {at + "/Body/Actions/Cancel Button", K::Button},
        {at + "/Body/Actions/Create Button", K::Button},
        {ad + "/Body/Name Editor", K::Editor},
        {ad + "/Body/URL Editor", K::Editor},
        {ad + "/Body/Icon Row/Icon Hint", K::Text},
        {ad + "/Body/Icon Row/Browse Button", K::Button},
        {ad + "/Body/External Row/External Checkbox", K::CheckBox},
        {ad + "/Body/Actions/Cancel Button", K::Button},
        {ad + "/Body/Actions/Create Button", K::Button},
        {pr + "/Body/Message", K::Text},
        {pr + "/Body/Slug Editor", K::Editor},
        {pr + "/Body/Label Editor", K::Editor},
        {pr + "/Body/Actions/Cancel Button", K::Button},
        {pr + "/Body/Actions/Promote Button", K::Button},
        {apo + "/Body/Name Editor", K::Editor},
        {apo + "/Body/Slug Editor", K::Editor},
        {apo + "/Body/Title Editor", K::Editor},
        {apo + "/Body/File Row", K::Box},
        {apo + "/Body/File Row/File Editor", K::Editor},
        {apo + "/Body/File Row/Browse Button", K::Button},
        {apo + "/Body/Footer Row/Footer Checkbox", K::CheckBox},
        {apo + "/Body/Actions/Cancel Button", K::Button},
        {apo + "/Body/Actions/Create Button", K::Button},
        {af + "/Body/Label Editor", K::Editor},
        {af + "/Body/Value Editor", K::Editor},
        {af + "/Body/Href Editor", K::Editor},
        {af + "/Body/Note Editor", K::Editor},
        {af + "/Body/Actions/Cancel Button", K::Button},
        {af + "/Body/Actions/Create Button", K::Button},
        {adl + "/Body/URL Editor", K::Editor},
        {adl + "/Body/Platform Editor", K::Editor},
        {adl + "/Body/Size Editor", K::Editor},
        {adl + "/Body/Icon Row/Icon Hint", K::Text},
        {adl + "/Body/Icon Row/Browse Button", K::Button},
        {adl + "/Body/Actions/Cancel Button", K::Button},
        {adl + "/Body/Actions/Create Button", K::Button},
        {es + "/Body/Editor Group/File Status Bar/Status Message", K::Text},
        {es + "/Body/Editor Group/File Status Bar/Wrap Checkbox", K::CheckBox},
        {es + "/Body/Editor Group/File Status Bar/Save Button", K::Button},
        {es + "/Body/Editor Group/File Editor", K::Editor},
        {es + "/Body/Done Row/Done Button", K::Button},
        {as + "/Body/Label Editor", K::Editor},
        {as + "/Body/Subtext Editor", K::Editor},
        {as + "/Body/Icon Row/Icon Hint", K::Text},
        {as + "/Body/Icon Row/Browse Button", K::Button},
        {as + "/Body/Description Preset", K::Button},
        {as + "/Body/Projects Preset", K::Button},
        {as + "/Body/Socials Preset", K::Button},
        {as + "/Body/Presets Label", K::Text},
        {as + "/Body/Actions/Cancel Button", K::Button},
        {as + "/Body/Actions/Create Button", K::Button},
        {aso + "/Body/Label Editor", K::Editor},
        {aso + "/Body/Username Editor", K::Editor},
        {aso + "/Body/URL Editor", K::Editor},
        {aso + "/Body/Icon Row/Icon Hint", K::Text},
        {aso + "/Body/Icon Row/Browse Button", K::Button},
        {aso + "/Body/External Row/External Checkbox", K::CheckBox},
        {aso + "/Body/Actions/Cancel Button", K::Button},
        {aso + "/Body/Actions/Create Button", K::Button},
        {td + "/Body/Source List", K::Box},
        {td + "/Body/Source List/dir:/themes/Remove Button", K::Button},
        {td + "/Body/Empty State", K::Box},
        {td + "/Body/Empty State/Learn More Button", K::Button},
        {ud + "/Body/Status", K::Text},
        {ud + "/Body/Actions", K::Box},
        {ud + "/Body/Actions/Download Button", K::Button},
        {ud + "/Body/Actions/Notes Button", K::Button},
        {ud + "/Body/Actions/Skip Button", K::Button},
        {ud + "/Body/Actions/Later Button", K::Button},
    };
    rows.insert(rows.end(), inner.begin(), inner.end());
    return rows;
}

// One configurator shell: its tabs and panels, view bar and JSON text view.
void add_shell(std::vector<PathKind>& rows, const std::string& base,
               const std::vector<std::string>& tabs, const std::vector<std::string>& panels) {
    const std::string sidebar = base + "/Editor Panel/Sidebar";
    const std::string status = base + "/Text Panel/Status Bar";
    for (const std::string& tab : tabs) rows.push_back({sidebar + "/" + tab, K::Button});
    for (const std::string& panel : panels) {
        rows.push_back({base + "/Editor Panel/Panels/" + panel, K::Box});
    }
    const std::vector<PathKind> fixed = {
        {base, K::Box},
        {base + "/Editor Panel", K::Box},
        {sidebar, K::Box},
        {base + "/Text Panel", K::Box},
        {base + "/Text Panel/Text Editor", K::Editor},
        {status, K::Box},
        {status + "/Status Message", K::Text},
        {status + "/Save Button", K::Button},
        {base + "/View Bar/Editor View Tab", K::Button},
        {base + "/View Bar/Text View Tab", K::Button},
    };
    rows.insert(rows.end(), fixed.begin(), fixed.end());
}

// A file editor panel: status bar with wrap and save, and the editor.
void add_file_editor(std::vector<PathKind>& rows, const std::string& bar,
                     const std::string& editor) {
    rows.push_back({bar + "/Status Message", K::Text});
    rows.push_back({bar + "/Wrap Checkbox", K::CheckBox});
    rows.push_back({bar + "/Save Button", K::Button});
    rows.push_back({editor, K::Editor});
}

std::vector<PathKind> window_nodes() {
    std::vector<PathKind> rows = {
        {"App", K::Box},
        {W, K::Box},
        {HOME, K::Box},
        {HOME + "/Home/Open Button", K::Button},
        {HOME + "/Home/New Website Button", K::Button},
        {W + "/Config Pane", K::Box},
        {LEFT_TABS, K::Box},
        {LEFT_TABS + "/config-1", K::Button},
        {LEFT_TABS + "/config-1/Close Button", K::Button},
        {LEFT_TABS + "/config-2", K::Button},
        {W + "/Titlebar/Right Tabs/App Tab", K::Button},
        {W + "/Titlebar/Right Tabs/Settings Tab", K::Button},
        {W + "/Titlebar/Window Controls/Minimize Button", K::Button},
        {W + "/Titlebar/Window Controls/Maximize Button", K::Button},
        {W + "/Titlebar/Window Controls/Close Button", K::Button},
        {SETTINGS, K::Box},
        {SETTINGS + "/Sidebar/App Tab", K::Button},
        {SETTINGS + "/Sidebar/Appearance Tab", K::Button},
        {SETTINGS + "/App Settings", K::Box},
        {SETTINGS + "/App Settings/Version Section/Current Version", K::Text},
        {SETTINGS + "/App Settings/Version Section/Actions/Check Updates Button", K::Button},
        {SETTINGS + "/Appearance Settings", K::Box},
        {SETTINGS + "/Appearance Settings/Appearance Tabs/Theme Tab", K::Button},
        {SETTINGS + "/Appearance Settings/Theme Bar/Manage Theme Directories Button", K::Button},
        {SETTINGS + "/Appearance Settings/Theme List/" + kTheme, K::Button},
    };
    add_shell(
        rows, SITE, {"Website Tab", "Projects Tab", "Socials Tab", "Policies Tab", "Build Tab"},
        {"Website Panel", "Projects Panel", "Socials Panel", "Policies Panel", "Build Panel"});
    add_shell(rows, PROJECT,
              {"Project Tab", "Source Tab", "Readme Tab", "License Tab", "Topics Tab",
               "Dependencies Tab", "Versions Tab", "Downloads Tab", "Build Tab"},
              {"Project Panel", "Source Panel", "Readme Panel", "License Panel", "Topics Panel",
               "Dependencies Panel", "Versions Panel", "Downloads Panel", "Build Panel"});

    // Site panels.
    const std::string web = SITE_PANELS + "/Website Panel";
    const std::string form = web + "/Site Form";
    const std::string brand = web + "/Main Tab Group/Main Tab Form";
    const std::string tabs_row = web + "/Main Tab Group/Tab Preview/Tabs Row";
    const std::string fav = web + "/Favicon Picker";
    const std::string sections = web + "/Home Layout/Section List";
    const std::string pol = SITE_PANELS + "/Policies Panel";
    const std::string soc = SITE_PANELS + "/Socials Panel";
    const std::string prj = SITE_PANELS + "/Projects Panel";
    const std::string sb = SITE_PANELS + "/Build Panel";
    const std::vector<PathKind> site = {
        {form + "/Title Field", K::Editor},
        {form + "/Description Field", K::Editor},
        {form + "/URL Field", K::Editor},
        {form + "/Copyright Field", K::Editor},
        {form + "/Output Field", K::Editor},
        {brand + "/Heights Row/Logo Height Field", K::Editor},
        {brand + "/Heights Row/Logo Height Mobile Field", K::Editor},
        {brand + "/Tab Text Field", K::Editor},
        {tabs_row + "/Desktop Column/Tab", K::Box},
        {tabs_row + "/Desktop Column/Tab/Logo", K::Image},
        {tabs_row + "/Desktop Column/Tab/Text", K::Text},
        {tabs_row + "/Mobile Column/Tab", K::Box},
        {tabs_row + "/Mobile Column/Tab/Logo", K::Image},
        {tabs_row + "/Mobile Column/Tab/Text", K::Text},
        {web + "/Logo Picker/Avatar", K::Box},
        {web + "/Logo Picker/Avatar/Logo Image", K::Image},
        {web + "/Logo Picker/Controls Row/Browse Button", K::Button},
        {fav + "/Preview Row", K::Box},
        {fav + "/Preview Row/Large Cell/Tile/Image", K::Image},
        {fav + "/Preview Row/Medium Cell/Tile/Image", K::Image},
        {fav + "/Preview Row/Small Cell/Tile/Image", K::Image},
        {fav + "/Hint", K::Text},
        {fav + "/Background Row/Background Field", K::Editor},
        {fav + "/Controls Row/From Logo Checkbox", K::CheckBox},
        {fav + "/Controls Row/Browse Button", K::Button},
        {web + "/Home Layout/Layout Header/Add Button", K::Button},
        {sections + "/home-0/Up Button", K::Button},
        {sections + "/home-0/Down Button", K::Button},
        {sections + "/home-0/Remove Button", K::Button},
        {sections + "/home-1/Edit Button", K::Button},
        {pol + "/Selector Row/Item Combo", K::ComboBox},
        {pol + "/Selector Row/Add Button", K::Button},
        {pol + "/Selector Row/Remove Button", K::Button},
        {pol + "/Meta Form", K::Box},
        {pol + "/Meta Form/Name Field", K::Editor},
        {pol + "/Meta Form/Title Field", K::Editor},
        {pol + "/Meta Form/File Field", K::Editor},
        {pol + "/File Status Bar", K::Box},
        {soc + "/Social Cards", K::Box},
        {soc + "/Social Cards/social-0", K::Button},
        {soc + "/Social Cards/social-0/External", K::Box},
        {soc + "/Social Cards/social-0/Remove Button", K::Button},
        {soc + "/Add Social Button", K::Button},
        {prj + "/Project Cards/proj-0", K::Button},
        {prj + "/Project Cards/proj-0/Remove Button", K::Button},
        {prj + "/Orphans Label", K::Text},
        {prj + "/Orphan Rows", K::Box},
        {prj + "/Orphan Rows/orphan-0/Register Button", K::Button},
        {prj + "/Add Project Button", K::Button},
        {sb + "/Advanced Row/Advanced Checkbox", K::CheckBox},
        {sb + "/Output Editor", K::Editor},
        {sb + "/Actions Row/Build Button", K::Button},
        {sb + "/Actions Row/Output Button", K::Button},
    };
    rows.insert(rows.end(), site.begin(), site.end());
    add_file_editor(rows, pol + "/File Status Bar", pol + "/File Editor");

    // Project panels.
    const std::string pp = PROJECT_PANELS + "/Project Panel";
    const std::string src = PROJECT_PANELS + "/Source Panel";
    const std::string rd = PROJECT_PANELS + "/Readme Panel";
    const std::string li = PROJECT_PANELS + "/License Panel";
    const std::string tp = PROJECT_PANELS + "/Topics Panel";
    const std::string dp = PROJECT_PANELS + "/Dependencies Panel";
    const std::string vp = PROJECT_PANELS + "/Versions Panel";
    const std::string dl = PROJECT_PANELS + "/Downloads Panel";
    const std::string pb = PROJECT_PANELS + "/Build Panel";
    const std::string fb = PROJECT + "/Family Bar";
    const std::vector<PathKind> project = {
        {fb, K::Box},
        {PROJECT + "/Family Divider", K::Box},
        {fb + "/Member Tabs/member-0", K::Button},
        {fb + "/Member Tabs/member-1", K::Button},
        {fb + "/Add Member Button", K::Button},
        {PROJECT + "/Editor Panel/Sidebar/Project Tab/Label", K::Text},
        {pp + "/Project Form/Slug Field", K::Editor},
        {pp + "/Project Form/Name Field", K::Editor},
        {pp + "/Project Form/Tagline Field", K::Editor},
        {pp + "/Logo Picker/Avatar", K::Box},
        {pp + "/Logo Picker/Avatar/Logo Image", K::Image},
        {pp + "/Logo Picker/Controls Row/Browse Button", K::Button},
        {pp + "/Facts Label", K::Text},
        {pp + "/Facts Form", K::Box},
        {pp + "/Facts Form/fact-0/Value Field", K::Editor},
        {pp + "/Facts Form/fact-0/Remove Button", K::Button},
        {pp + "/Add Fact Button", K::Button},
        {pp + "/Family Label", K::Text},
        {pp + "/Promote Button", K::Button},
        {src + "/Repository Label", K::Text},
        {src + "/Repo Form", K::Box},
        {src + "/Repo Form/Platform Field", K::Editor},
        {src + "/Repo Form/Path Field", K::Editor},
        {src + "/Repo Form/URL Field", K::Editor},
        {src + "/Add Repository Button", K::Button},
        {src + "/Local Form/Source Path Field", K::Editor},
        {rd + "/Path Form/Readme Path Field", K::Editor},
        {rd + "/Create Row", K::Box},
        {rd + "/Create Row/Create Button", K::Button},
        {rd + "/Create Row/Create Button/Label", K::Text},
        {li + "/Path Form/License Path Field", K::Editor},
        {li + "/Create Row", K::Box},
        {li + "/Create Row/Create Button", K::Button},
        {li + "/Create Row/Create Button/Label", K::Text},
        {tp + "/Selector Row/Item Combo", K::ComboBox},
        {tp + "/Selector Row/Add Button", K::Button},
        {tp + "/Selector Row/Remove Button", K::Button},
        {tp + "/Meta Form", K::Box},
        {tp + "/Meta Form/Label Field", K::Editor},
        {tp + "/Meta Form/Title Field", K::Editor},
        {tp + "/Meta Form/Intro Field", K::Editor},
        {tp + "/Meta Form/Source Field", K::Editor},
        {dp + "/Dep Cards", K::Box},
        {dp + "/Dep Cards/dep-0", K::Button},
        {dp + "/Dep Cards/dep-0/External", K::Box},
        {dp + "/Dep Cards/dep-0/Remove Button", K::Button},
        {dp + "/Add Dependency Button", K::Button},
        {vp + "/Status Message", K::Text},
        {vp + "/Versions Table", K::Box},
        {vp + "/Versions Table/Versions List", K::Box},
        {vp + "/Versions Table/Versions List/version-0", K::Box},
        {vp + "/Versions Table/Versions List/version-0/Include Cell/Include Checkbox", K::CheckBox},
        {dl + "/Download Cards", K::Box},
        {dl + "/Download Cards/download-0", K::Button},
        {dl + "/Download Cards/download-0/Remove Button", K::Button},
        {dl + "/Add Download Button", K::Button},
        {pb + "/Advanced Row/Advanced Checkbox", K::CheckBox},
        {pb + "/Output Editor", K::Editor},
        {pb + "/Build Button", K::Button},
        {pb + "/Build Button/Label", K::Text},
        {pb + "/Output Button", K::Button},
    };
    rows.insert(rows.end(), project.begin(), project.end());
    add_file_editor(rows, rd + "/Readme Status Bar", rd + "/Readme Editor");
    add_file_editor(rows, li + "/License Status Bar", li + "/License Editor");
    add_file_editor(rows, tp + "/File Status Bar", tp + "/File Editor");

    const std::vector<PathKind> dialogs = dialog_nodes();
    rows.insert(rows.end(), dialogs.begin(), dialogs.end());
    return rows;
}

TEST_F(AppLayers, EveryAddressedNodeExistsWithItsKind) {
    const RenderNode& root = render();
    for (const PathKind& row : window_nodes()) {
        const RenderNode* found = find_node(root, row.path);
        ASSERT_NE(found, nullptr) << row.path;
        EXPECT_EQ(found->kind, row.kind) << row.path;
    }
}

// Row actions reach the engine through "list:" Intents on Buttons.
TEST_F(AppLayers, RowButtonsCarryTheirListActions) {
    render();
    const std::string sections = SITE_PANELS + "/Website Panel/Home Layout/Section List";
    const struct {
        std::string path, list, row, action;
    } cases[] = {
        {LEFT_TABS + "/config-1", "leftTabs", "config-1", "activate"},
        {LEFT_TABS + "/config-1/Close Button", "leftTabs", "config-1", "close"},
        {PROJECT + "/Family Bar/Member Tabs/member-1", "familyTabs", "member-1", "activate"},
        {SITE_PANELS + "/Projects Panel/Project Cards/proj-0", "projectCards", "proj-0",
         "activate"},
        {SITE_PANELS + "/Projects Panel/Project Cards/proj-0/Remove Button", "projectCards",
         "proj-0", "remove"},
        {SITE_PANELS + "/Projects Panel/Orphan Rows/orphan-0/Register Button", "orphanRows",
         "orphan-0", "activate"},
        {SITE_PANELS + "/Socials Panel/Social Cards/social-0", "socialCards", "social-0",
         "activate"},
        {SITE_PANELS + "/Socials Panel/Social Cards/social-0/Remove Button", "socialCards",
         "social-0", "remove"},
        {sections + "/home-0/Up Button", "homeSections", "home-0", "up"},
        {sections + "/home-0/Down Button", "homeSections", "home-0", "down"},
        {sections + "/home-0/Remove Button", "homeSections", "home-0", "remove"},
        {sections + "/home-1/Edit Button", "homeSections", "home-1", "edit"},
        {PROJECT_PANELS + "/Project Panel/Facts Form/fact-0/Remove Button", "factRows", "fact-0",
         "remove"},
        {PROJECT_PANELS + "/Dependencies Panel/Dep Cards/dep-0", "depCards", "dep-0", "activate"},
        {PROJECT_PANELS + "/Dependencies Panel/Dep Cards/dep-0/Remove Button", "depCards", "dep-0",
         "remove"},
        {PROJECT_PANELS + "/Downloads Panel/Download Cards/download-0", "downloadCards",
         "download-0", "activate"},
        {PROJECT_PANELS + "/Downloads Panel/Download Cards/download-0/Remove Button",
         "downloadCards", "download-0", "remove"},
        {"App/Theme Directories Dialog/Body/Source List/dir:/themes/Remove Button", "themeSources",
         "dir:/themes", "remove"},
        {"App/Theme Directories Dialog/Body/Actions/Add Button", "themeSources", "", "add"},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(app_->row_targets.count(c.path), 1u) << c.path;
        EXPECT_EQ(app_->row_targets.at(c.path), (Ostrel::RowTarget{c.list, c.row, c.action}))
            << c.path;
    }
    // The theme picker's rows are Buttons, so a click reaches the theme switch.
    EXPECT_EQ(app_->theme_rows.count(SETTINGS + "/Appearance Settings/Theme List/" + kTheme), 1u);
}

// Only presses on Buttons and Check Boxes become clicks: every path the
// application registers a click handler on must be one of the two, and no
// Editor or Combo Box may hide inside a Button.
TEST_F(AppLayers, EditorsAndButtonsAreNotNested) {
    const RenderNode& root = render();
    std::vector<std::string> nested;
    walk(root, [&](const RenderNode& node) {
        if (node.kind != K::Button && node.kind != K::CheckBox) return;
        for (const RenderNode& child : node.children) {
            walk(child, [&](const RenderNode& inner) {
                if (inner.kind == K::Editor || inner.kind == K::ComboBox ||
                    inner.kind == K::CheckBox) {
                    nested.push_back(inner.path);
                }
            });
        }
    });
    EXPECT_EQ(nested, std::vector<std::string>{});
}

// The dialogs open as modal windows, in document order: the confirmation and
// message dialogs come last, so they open above any other dialog.
TEST_F(AppLayers, DialogsAreModalAndTheSharedOnesStackLast) {
    const RenderNode& root = render();
    std::vector<std::string> modal;
    for (const RenderNode& child : root.children) {
        if (child.style.overlay == "Modal") modal.push_back(child.name);
    }
    ASSERT_EQ(modal.size(), 15u);
    EXPECT_EQ(modal[13], "Confirm Dialog");
    EXPECT_EQ(modal[14], "Message Dialog");
    EXPECT_EQ(root.children.front().name, "Scribenta Window");
}

// Every icon a node names is shipped, as are the three icons of the left tabs.
TEST_F(AppLayers, EveryIconNamedIsShipped) {
    const RenderNode& root = render();
    std::set<std::string> names = {"site", "project", "project-family", "spinner"};
    std::vector<std::string> unnamed;
    walk(root, [&](const RenderNode& node) {
        if (node.kind != K::Icon) return;
        if (node.style.source.empty()) unnamed.push_back(node.path);
        names.insert(node.style.source);
    });
    EXPECT_EQ(unnamed, std::vector<std::string>{});
    for (const std::string& name : names) {
        EXPECT_TRUE(std::filesystem::is_regular_file(kSource + "/icons/" + name + ".svg")) << name;
    }
}

// Every Text node has an explicit size and colour, so no text falls back to
// the renderer's large default or the platform's palette.
TEST_F(AppLayers, TextsHaveSizeAndColour) {
    const RenderNode& root = render();
    std::vector<std::string> bare;
    walk(root, [&](const RenderNode& node) {
        if (node.kind != K::Text && node.kind != K::Editor && node.kind != K::ComboBox) return;
        if (node.style.font_size <= 0 || node.style.text_color.empty()) bare.push_back(node.path);
    });
    EXPECT_EQ(bare, std::vector<std::string>{});
}

}  // namespace
}  // namespace app_layers_test
