// The state words the application sets change what the layer files draw.

#include <functional>
#include <string>
#include <vector>

#include "tests/app_layers/app_fixture.h"

namespace app_layers_test {
namespace {

using Ostrel::NodeStyle;
using Getter = std::function<std::string(const NodeStyle&)>;

std::string number(double value) {
    std::string text = std::to_string(value);
    text.erase(text.find_last_not_of('0') + 1);
    if (!text.empty() && text.back() == '.') text.pop_back();
    return text;
}

const Getter kOpacity = [](const NodeStyle& s) { return number(s.opacity); };
const Getter kFill = [](const NodeStyle& s) { return s.fill; };
const Getter kBorder = [](const NodeStyle& s) { return s.border_fill; };
const Getter kTextColor = [](const NodeStyle& s) { return s.text_color; };
const Getter kSource = [](const NodeStyle& s) { return s.source; };
const Getter kReadOnly = [](const NodeStyle& s) { return std::string(s.read_only ? "1" : "0"); };
const Getter kWrap = [](const NodeStyle& s) { return std::string(s.wrap ? "1" : "0"); };
const Getter kRadius = [](const NodeStyle& s) { return number(s.radii[0]); };

const std::string kAccent = "#3d7eff";
const std::string kDanger = "#d9534f";

// The theme's colours as the dark theme file gives them.
const std::string kPrimary = "#36393f";
const std::string kSecondary = "#2f3136";
const std::string kTertiary = "#25272b";
const std::string kForeground = "#e3e3e3";

TEST_F(AppLayers, StateWordsChangeTheLook) {
    const std::string site_save = SITE + "/Text Panel/Status Bar/Save Button";
    const std::string readme = PROJECT_PANELS + "/Readme Panel";
    const std::string web_tab = SITE + "/Editor Panel/Sidebar/Website Tab";
    const std::string from_logo =
        SITE_PANELS + "/Website Panel/Favicon Picker/Controls Row/From Logo Checkbox";
    const std::string version =
        PROJECT_PANELS + "/Versions Panel/Versions Table/Versions List/version-1";
    const std::string fact = PROJECT_PANELS + "/Project Panel/Facts Form/fact-0/Value Field";
    const std::string project_tab = PROJECT + "/Editor Panel/Sidebar/Project Tab";
    const struct {
        std::string word_path, word, node_path;
        Getter get;
        std::string without, with;
    } cases[] = {
        {site_save, "Disabled", site_save, kOpacity, "1", "0.4"},
        {readme + "/Readme Editor", "Locked", readme + "/Readme Editor", kReadOnly, "0", "1"},
        {readme + "/Readme Editor", "Locked", readme + "/Readme Editor", kOpacity, "1", "0.65"},
        {readme + "/Readme Editor", "NoWrap", readme + "/Readme Editor", kWrap, "1", "0"},
        {fact, "Locked", fact, kFill, kPrimary, kSecondary},
        {fact, "Locked", fact, kReadOnly, "0", "1"},
        {web_tab, "Active", web_tab, kFill, "", kTertiary},
        {web_tab, "Active", web_tab + "/Marker", kFill, "", kAccent},
        {web_tab, "Active", web_tab + "/Glyph", kTextColor, kForeground, kAccent},
        {SITE + "/View Bar/Editor View Tab", "Active", SITE + "/View Bar/Editor View Tab", kFill,
         "", kPrimary},
        {LEFT_TABS + "/config-1", "Active", LEFT_TABS + "/config-1", kFill, "", kPrimary},
        {LEFT_TABS + "/config-1", "Active", LEFT_TABS + "/config-1", kOpacity, "0.8", "1"},
        {W + "/Titlebar/Right Tabs/App Tab", "Selected", W + "/Titlebar/Right Tabs/App Tab", kFill,
         "", kPrimary},
        {SETTINGS + "/Sidebar/App Tab", "Selected", SETTINGS + "/Sidebar/App Tab/Marker", kFill, "",
         kAccent},
        {from_logo, "Checked", from_logo + "/Mark", kFill, "", kAccent},
        {from_logo, "Checked", from_logo + "/Mark/Tick", kOpacity, "0", "1"},
        {SITE + "/Text Panel/Status Bar", "Invalid", SITE + "/Text Panel/Status Bar/Status Message",
         kTextColor, kForeground, kDanger},
        {version, "Excluded", version + "/Status", kTextColor, kForeground, kDanger},
        {version, "Excluded", version + "/Tag Cell", kOpacity, "1", "0.5"},
        {project_tab, "Family", project_tab + "/Glyph", kSource, "project", "project-family"},
        {PROJECT + "/Family Bar/Member Tabs/member-1", "Active",
         PROJECT + "/Family Bar/Member Tabs/member-1", kBorder, kTertiary, kAccent},
        {"", "Maximized", W, kRadius, "8", "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.node_path + " with " + c.word);
        render();
        EXPECT_EQ(c.get(node(c.node_path).style), c.without);
        render([&](OApp& app) {
            if (c.word_path.empty()) {
                app.condition_tags.insert(c.word);
            } else {
                app.toggle_state(c.word_path, c.word);
            }
        });
        EXPECT_EQ(c.get(node(c.node_path).style), c.with);
    }
}

// The renderer's pointer and focus words, alone and beside the
// application's: a held press keeps a tab's selected look, a focused field
// keeps its invalid or locked border.
TEST_F(AppLayers, PointerAndFocusWordsChangeTheLook) {
    const std::string policies = SITE_PANELS + "/Policies Panel";
    const std::string close = W + "/Titlebar/Window Controls/Close Button";
    const std::string web_tab = SITE + "/Editor Panel/Sidebar/Website Tab";
    const std::string from_logo =
        SITE_PANELS + "/Website Panel/Favicon Picker/Controls Row/From Logo Checkbox";
    const std::string fact = PROJECT_PANELS + "/Project Panel/Facts Form/fact-0/Value Field";
    const struct {
        std::string word_path;
        std::vector<std::string> words;
        std::string node_path;
        Getter get;
        std::string expected;
    } cases[] = {
        {policies + "/Selector Row/Add Button",
         {"Hover"},
         policies + "/Selector Row/Add Button",
         kFill,
         kSecondary},
        {policies + "/Selector Row/Add Button",
         {"Pressed"},
         policies + "/Selector Row/Add Button",
         kFill,
         kTertiary},
        {SITE + "/Text Panel/Status Bar/Save Button",
         {"Hover"},
         SITE + "/Text Panel/Status Bar/Save Button",
         kFill,
         "#5a92ff"},
        {SITE + "/Text Panel/Status Bar/Save Button",
         {"Pressed"},
         SITE + "/Text Panel/Status Bar/Save Button",
         kFill,
         "#2f6ae0"},
        {close, {"Hover"}, close, kFill, kDanger},
        {close, {"Hover"}, close + "/Glyph", kTextColor, "#ffffff"},
        {close, {"Pressed"}, close + "/Glyph", kTextColor, "#ffffff"},
        {web_tab, {"Hover"}, web_tab, kFill, kTertiary},
        {web_tab, {"Active", "Pressed"}, web_tab, kFill, kTertiary},
        {SITE + "/View Bar/Editor View Tab",
         {"Active", "Pressed"},
         SITE + "/View Bar/Editor View Tab",
         kFill,
         kPrimary},
        {LEFT_TABS + "/config-1", {"Active", "Pressed"}, LEFT_TABS + "/config-1", kFill, kPrimary},
        {W + "/Titlebar/Right Tabs/App Tab",
         {"Selected", "Pressed"},
         W + "/Titlebar/Right Tabs/App Tab",
         kFill,
         kPrimary},
        {from_logo, {"Hover"}, from_logo + "/Mark", kFill, kTertiary},
        {from_logo, {"Hover", "Checked"}, from_logo + "/Mark", kFill, kAccent},
        {fact, {"Focus"}, fact, kBorder, kAccent},
        {fact, {"Focus", "Invalid"}, fact, kBorder, kDanger},
        {fact, {"Focus", "Locked"}, fact, kBorder, kSecondary},
        {policies + "/Selector Row/Item Combo",
         {"Focus"},
         policies + "/Selector Row/Item Combo",
         kBorder,
         kAccent},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.node_path + " with " + testing::PrintToString(c.words));
        render([&](OApp& app) {
            app.node_states[c.word_path].insert(c.words.begin(), c.words.end());
        });
        EXPECT_EQ(c.get(node(c.node_path).style), c.expected);
    }
}

// Row fields reach the row templates: texts, icons and row state words.
TEST_F(AppLayers, RowTemplatesShowTheirFields) {
    render();
    const std::string sections = SITE_PANELS + "/Website Panel/Home Layout/Section List";
    const std::string member = PROJECT + "/Family Bar/Member Tabs";
    const std::string versions = PROJECT_PANELS + "/Versions Panel/Versions Table/Versions List";
    const struct {
        std::string path, text;
    } texts[] = {
        {LEFT_TABS + "/config-1/Title", "Acme Docs"},
        {member + "/member-1/Texts/Label", "Engine"},
        {member + "/member-1/Texts/Tagline", "Thrust"},
        {member + "/member-0/Texts/Overview", "Overview"},
        {SITE_PANELS + "/Projects Panel/Project Cards/proj-0/Texts/Title", "Rocket"},
        {SITE_PANELS + "/Projects Panel/Orphan Rows/orphan-0/Texts/Folder", "stray"},
        {SITE_PANELS + "/Socials Panel/Social Cards/social-0/Texts/Subtitle", "acme"},
        {sections + "/home-0/Texts/Title", "Projects"},
        {PROJECT_PANELS + "/Project Panel/Facts Form/fact-0/Label", "Licence"},
        {PROJECT_PANELS + "/Dependencies Panel/Dep Cards/dep-0/Texts/Subtitle", "https://qt.io"},
        {PROJECT_PANELS + "/Downloads Panel/Download Cards/download-0/Size/Label", "9 MB"},
        {versions + "/version-0/Tag Cell/Major Minor", "1.4"},
        {versions + "/version-0/Tag Cell/Patch", ".2"},
        {versions + "/version-0/Released", "2024-05-01"},
        {versions + "/version-0/Status", "Complete"},
    };
    for (const auto& t : texts) EXPECT_EQ(node(t.path).text, t.text) << t.path;

    EXPECT_EQ(node(LEFT_TABS + "/config-1/Kind Icon").style.source, "site");
    EXPECT_EQ(node(LEFT_TABS + "/config-2/Kind Icon").style.source, "project-family");
    EXPECT_EQ(node(sections + "/home-0/Kind Icon").style.source, "project");
    EXPECT_EQ(node(sections + "/home-1/Kind Icon").style.source, "layout");
    // The Edit button is offered for custom sections only; the umbrella
    // member shows "Overview" and no label of its own.
    EXPECT_EQ(find_node(*app_->last_tree, sections + "/home-0/Edit Button"), nullptr);
    EXPECT_EQ(find_node(*app_->last_tree, member + "/member-0/Texts/Label"), nullptr);
    EXPECT_EQ(find_node(*app_->last_tree, member + "/member-1/Texts/Overview"), nullptr);
    // First and Last dim the moves that would do nothing.
    EXPECT_EQ(node(sections + "/home-0/Up Button").style.opacity, 0.3);
    EXPECT_EQ(node(sections + "/home-0/Down Button").style.opacity, 1);
    EXPECT_EQ(node(sections + "/home-1/Down Button").style.opacity, 0.3);
}

// The window starts like the application declares it: texts from the layer
// files where the application writes none.
TEST_F(AppLayers, CaptionsTheApplicationDoesNotWrite) {
    render();
    const struct {
        std::string path, text;
    } cases[] = {
        {"App/Confirm Dialog/Body/Actions/Confirm Button/Label", "Confirm"},
        {"App/New Website Dialog/Titlebar/Title", "New Website"},
        {"App/Add Dependency Dialog/Body/Icon Row/Icon Hint", "No icon selected."},
        {PROJECT_PANELS + "/Build Panel/Build Button/Label", "Nothing Pending"},
        {PROJECT + "/Editor Panel/Sidebar/Project Tab/Label", "Project"},
    };
    for (const auto& c : cases) EXPECT_EQ(node(c.path).text, c.text) << c.path;
    EXPECT_EQ(node(HOME).style.fill, "0:#3a3c42,1:#42454d");
    EXPECT_TRUE(node(HOME).style.fill_gradient);
}

}  // namespace
}  // namespace app_layers_test
