#include <string>
#include <vector>

#include "tests/engine/render_fixture.h"

namespace Ostrel {
namespace {

using namespace render_test;

std::vector<ListEntry> rows_named(const std::vector<std::string>& ids) {
    std::vector<ListEntry> rows;
    for (const std::string& id : ids) rows.push_back({id, {{"name", "Row " + id}}});
    return rows;
}

class RowLists : public testing::Test {
protected:
    static void SetUpTestSuite() {
        load_type_styles();
        // The row's "Fill" tells which of First and Last are active.
        load_layers(R"({"RowList": {"Bind": "List:rowListItems",
            "Row": {"Fill": {"->": "mid", ":First": "first", ":Last": "last",
                             ":First:Last": "only"},
                "Label": {"->": "S:RenderTypes/Text", "Bind": "Field:name"},
                "Remove": {"->": "S:RenderTypes/Button", "Intent": "list:remove"},
                "Move": {"->": "S:RenderTypes/Button", "Intent": "list:move:up"}},
            "Sep": {"Fill": {"->": "sep", ":First": "bad", ":Last": "bad"}},
            "Ignored": {}},
          "RowListBare": {"Bind": "List:rowListItems",
            "Row": {"Visible": 0}, "Sep": {"Visible": 0}},
          "RowListEmpty": {"Bind": "List:rowListItems"}})");
    }

    OApp app;
    void SetUp() override { app.root_name = "RowList"; }
};

TEST_F(RowLists, ChildrenOrderNamesAndFirstLast) {
    struct Case {
        std::vector<std::string> ids;
        std::vector<std::string> names;
        std::vector<std::string> fills;
    };
    const Case cases[] = {
        {{}, {}, {}},
        {{"a"}, {"a"}, {"only"}},
        {{"a", "b", "c"},
         {"a", "a:sep", "b", "b:sep", "c"},
         {"first", "sep", "mid", "sep", "last"}},
    };
    for (const auto& c : cases) {
        app.rows["rowListItems"] = rows_named(c.ids);
        const RenderNode tree = render_root(app);
        EXPECT_EQ(child_names(tree), c.names);
        std::vector<std::string> fills;
        for (const RenderNode& child : tree.children) {
            fills.push_back(child.style.fill);
            EXPECT_EQ(child.path, "RowList/" + child.name);
        }
        EXPECT_EQ(fills, c.fills);
    }
    app.rows["rowListItems"] = rows_named({"a", "b"});
    const RenderNode tree = render_root(app);
    EXPECT_EQ(node_at(tree, "RowList/b/Label")->text, "Row b");
}

TEST_F(RowLists, NoListNoTemplateAndInvisibleRows) {
    EXPECT_TRUE(render_root(app).children.empty());  // no rows entry at all

    app.rows["rowListItems"] = rows_named({"a", "b"});
    app.root_name = "RowListEmpty";
    EXPECT_TRUE(render_root(app).children.empty());
    // Invisible rows stay; invisible separators go.
    app.root_name = "RowListBare";
    EXPECT_EQ(child_names(render_root(app)), (std::vector<std::string>{"a", "b"}));
}

TEST_F(RowLists, HiddenPathsTextsAndStatesInsideRows) {
    app.rows["rowListItems"] = rows_named({"a", "b"});
    app.hidden = {"RowList/a", "RowList/b/Label"};
    app.texts = {{"RowList/a/Label", "typed"}};
    app.node_states = {{"RowList/a", {"First", "Last"}}};
    const RenderNode tree = render_root(app);
    // Rows are not looked up in the hidden paths; nodes inside them are.
    EXPECT_EQ(child_names(tree), (std::vector<std::string>{"a", "a:sep", "b"}));
    EXPECT_EQ(node_at(tree, "RowList/b/Label"), nullptr);
    // A binding word wins over the texts entry for the same path.
    EXPECT_EQ(node_at(tree, "RowList/a/Label")->text, "Row a");
    EXPECT_EQ(node_at(tree, "RowList/a")->style.fill, "only");
}

TEST_F(RowLists, RowTargets) {
    load_layers(R"({"RowTargets": {
        "Add": {"->": "S:RenderTypes/Button", "Intent": "list:add:rowListItems"},
        "Bare": {"->": "S:RenderTypes/Button", "Intent": "list:add"},
        "NotAButton": {"Intent": "list:add:rowListItems"},
        "Plain": {"->": "S:RenderTypes/Button", "Intent": "open"},
        "Themes": {"Bind": "ThemeList", "Row": {
            "Pick": {"->": "S:RenderTypes/Button", "Intent": "list:pick"},
            "Keyed": {"->": "S:RenderTypes/Button", "Intent": "list:pick:themeKeys"}}},
        "List": "S:RowList"}})");
    app.root_name = "RowTargets";
    app.rows["rowListItems"] = rows_named({"a"});
    app.themes["T"] = ThemeInfo{"T", "", "", "", {}};
    app.row_targets = {{"stale", {}}};
    render_root(app);
    const std::map<std::string, RowTarget> expected = {
        {"RowTargets/Add", {"rowListItems", "", "add"}},
        {"RowTargets/Themes/T/Keyed", {"themeKeys", "", "pick"}},
        {"RowTargets/List/a/Remove", {"rowListItems", "a", "remove"}},
        {"RowTargets/List/a/Move", {"rowListItems", "a", "move:up"}},
    };
    EXPECT_EQ(app.row_targets, expected);
}

ThemeInfo theme(const std::string& name, const std::string& publisher, const std::string& uuid,
                const std::string& foreground) {
    ThemeInfo info{name, publisher, uuid, "", {}};
    info.variables["Foreground"] = foreground;
    info.variables["Primary"] = name + "-primary";
    info.variables["Tertiary"] = name + "-tertiary";
    return info;
}

TEST(ThemeList, RowsOrderColoursAndActiveBorder) {
    load_type_styles();
    load_layers(R"({"ThemeRows": {"Bind": "ThemeList",
        "Row": {"Fill": ["0:#000", "1:#fff"], "Border.Fill": ["0:#000"],
            "Title": {"->": "S:RenderTypes/Text", "Bind": "ThemeName", "Text Color": "#123"},
            "Box": {"By": {"->": "S:RenderTypes/Text", "Bind": "ThemePublisher"},
                    "Glyph": {"->": "S:RenderTypes/Icon"}, "Panel": {"Text Color": "#123"}}},
        "Ignored": {}}})");
    OApp app;
    app.root_name = "ThemeRows";
    for (const ThemeInfo& t :
         {theme("b", "", "", "#b"), theme("B", "pub", "", "#B"), theme("a", "", "u1", "#a")}) {
        app.themes[t.display_name()] = t;
    }
    struct Case {
        std::string active;
        std::vector<double> thickness;
        std::vector<std::string> borders;
    };
    const Case cases[] = {
        {"a (u1)", {1, 3, 1}, {"B-tertiary", "#a", "b-tertiary"}},
        {"", {1, 1, 1}, {"B-tertiary", "a-tertiary", "b-tertiary"}},
        {"gone", {1, 1, 1}, {"B-tertiary", "a-tertiary", "b-tertiary"}},
    };
    for (const auto& c : cases) {
        app.theme_name = c.active;
        const RenderNode tree = render_root(app);
        ASSERT_EQ(child_names(tree), (std::vector<std::string>{"B (pub)", "a (u1)", "b"}));
        EXPECT_EQ(app.theme_rows,
                  (std::map<std::string, std::string>{{"ThemeRows/B (pub)", "B (pub)"},
                                                      {"ThemeRows/a (u1)", "a (u1)"},
                                                      {"ThemeRows/b", "b"}}));
        for (std::size_t i = 0; i < 3; ++i) {
            const RenderNode& row = tree.children[i];
            const ThemeInfo& t = app.themes.at(row.name);
            const std::string fg = t.string_var("Foreground");
            EXPECT_EQ(row.style.fill, t.name + "-primary");
            EXPECT_FALSE(row.style.fill_gradient);
            EXPECT_FALSE(row.style.border_gradient);
            EXPECT_EQ(row.style.border_fill, c.borders[i]) << row.name;
            EXPECT_EQ(row.style.border_thickness, c.thickness[i]) << row.name;
            const RenderNode* title = node_at(tree, row.path + "/Title");
            EXPECT_EQ(title->text, t.name);
            EXPECT_EQ(title->style.text_color, fg);
            EXPECT_EQ(node_at(tree, row.path + "/Box/By")->text, t.publisher);
            EXPECT_EQ(node_at(tree, row.path + "/Box/Glyph")->style.text_color, fg);
            EXPECT_EQ(node_at(tree, row.path + "/Box/Panel")->style.text_color, "#123");
        }
    }
}

TEST(ThemeList, TextRowTakesTheForegroundAndThemesMayLackColours) {
    load_type_styles();
    load_layers(R"({"ThemeTextRows": {"Bind": "ThemeList",
        "Row": {"->": "S:RenderTypes/Text", "Text Color": "#123"}}})");
    OApp app;
    app.root_name = "ThemeTextRows";
    app.themes["Bare"] = ThemeInfo{"Bare", "", "", "", {}};
    app.themes["Lit"] = theme("Lit", "", "", "#lit");
    app.theme_name = "Bare";
    const RenderNode tree = render_root(app);
    ASSERT_EQ(tree.children.size(), 2u);
    const NodeStyle& bare = tree.children[0].style;
    EXPECT_EQ(bare.text_color, "");
    EXPECT_EQ(bare.fill, "");
    EXPECT_EQ(bare.border_fill, "");
    EXPECT_EQ(bare.border_thickness, 3);
    EXPECT_EQ(tree.children[1].style.text_color, "#lit");
    EXPECT_EQ(tree.children[1].style.border_thickness, 1);
}

}  // namespace
}  // namespace Ostrel
