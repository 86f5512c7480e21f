#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "tests/engine/render_fixture.h"

namespace Ostrel {
namespace {

using namespace render_test;

TEST(SplitWords, TrimsAndDropsEmptyPieces) {
    struct Case {
        std::string text;
        std::vector<std::string> words;
    };
    const Case cases[] = {
        {"a;b", {"a", "b"}},
        {" Field:name ;\tState:On:sel ;", {"Field:name", "State:On:sel"}},
        {"a;;b", {"a", "b"}},
        {"two words; c", {"two words", "c"}},
        {"", {}},
        {" ; ;\t\n", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(split_words(c.text), c.words) << c.text;
}

TEST(NodeKind, TypeNamesAndBaseChains) {
    const std::pair<std::string, int> names[] = {
        {"Box", 0},      {"Text", 1},       {"Button", 2}, {"Icon", 3},
        {"Editor", 4},   {"Image", 5},      {"Video", 6},  {"Markdown", 7},
        {"QR", 8},       {"Check Box", 9},  {"Link", 10},  {"Host", 11},
        {"Scanner", 12}, {"Combo Box", 13}, {"button", 0}, {"Panel", 0},
    };
    for (const auto& [name, kind] : names) {
        Layers::LStyle style(name);
        EXPECT_EQ(node_kind(&style), kind) << name;
    }

    load_layers(R"({"KindChain": {"Button": {}, "Check Box": {},
        "Box": {"->": "S:KindChain/Button"}, "Panel": {"->": "S:KindChain/Box"},
        "Fancy": {"->": "S:KindChain/Check Box"}, "Fancier": {"->": "S:KindChain/Fancy"}}})");
    const std::pair<std::string, int> chains[] = {
        {"KindChain/Fancier", 9},  // two hops to "Check Box"
        {"KindChain/Panel", 0},    // meets "Box" before "Button"
        {"KindChain/Box", 0},
        {"KindChain", 0},
    };
    for (const auto& [path, kind] : chains) EXPECT_EQ(node_kind(layer_at(path)), kind) << path;
}

TEST(Expansion, MissingRootGivesADefaultNodeAndKeepsTheRecords) {
    OApp app;
    app.root_name = "NoSuchRootStyle";
    app.check_boxes = {"kept"};
    app.theme_rows = {{"kept", "T"}};
    app.uses_viewport_height = true;
    const std::vector<Patch> patches = app.render();
    ASSERT_EQ(patches.size(), 1u);
    EXPECT_EQ(patches[0].node.path, "");
    EXPECT_EQ(patches[0].node.style, NodeStyle{});
    EXPECT_EQ(app.check_boxes, std::set<std::string>{"kept"});
    EXPECT_EQ(app.theme_rows.size(), 1u);
    EXPECT_TRUE(app.uses_viewport_height);
}

TEST(Expansion, HiddenPathsAndInvisibleNodes) {
    load_type_styles();
    load_layers(R"({"ExpHide": {"Visible": 0,
        "Shown": {"Text": "a"},
        "Hidden": {"Add": {"->": "S:RenderTypes/Button", "Intent": "list:add:hiddenList"}},
        "Invisible": {"Visible": 0,
            "Add": {"->": "S:RenderTypes/Button", "Intent": "list:add:invisibleList"}}}})");
    OApp app;
    app.root_name = "ExpHide";
    app.hidden = {"ExpHide", "ExpHide/Hidden"};
    const RenderNode tree = render_root(app);
    // The root is never looked up in the hidden paths and shows even when
    // it resolves invisible.
    EXPECT_EQ(tree.path, "ExpHide");
    EXPECT_FALSE(tree.style.visible);
    EXPECT_EQ(child_names(tree), std::vector<std::string>{"Shown"});
    // An invisible node is still expanded (its targets count); a hidden one
    // is not.
    EXPECT_EQ(app.row_targets.count("ExpHide/Hidden/Add"), 0u);
    ASSERT_EQ(app.row_targets.count("ExpHide/Invisible/Add"), 1u);
    EXPECT_EQ(app.row_targets.at("ExpHide/Invisible/Add"), (RowTarget{"invisibleList", "", "add"}));
}

TEST(Expansion, StateWordsApplyToTheWholeSubtree) {
    load_layers(R"({"ExpStates": {
        "Panel": {"Fill": {"->": "#111", ":Disabled": "#999", ":Disabled:Narrow": "#555"},
            "Inner": {"Label": {"Text Color": {"->": "#fff", ":Disabled": "#777"}}}},
        "Other": {"Fill": {"->": "#111", ":Disabled": "#999"}}}})");
    struct Case {
        std::set<std::string> global;
        std::map<std::string, std::set<std::string>> states;
        std::string panel_fill, label_color, other_fill;
    };
    const Case cases[] = {
        {{}, {}, "#111", "#fff", "#111"},
        {{}, {{"ExpStates/Panel", {"Disabled"}}}, "#999", "#777", "#111"},
        {{"Narrow"}, {{"ExpStates/Panel", {"Disabled"}}}, "#555", "#777", "#111"},
        {{}, {{"ExpStates/Panel/Inner/Label", {"Disabled"}}}, "#111", "#777", "#111"},
        {{"Disabled"}, {}, "#999", "#777", "#999"},
    };
    for (const auto& c : cases) {
        OApp app;
        app.root_name = "ExpStates";
        app.condition_tags = c.global;
        app.node_states = c.states;
        const RenderNode tree = render_root(app);
        EXPECT_EQ(node_at(tree, "ExpStates/Panel")->style.fill, c.panel_fill);
        EXPECT_EQ(node_at(tree, "ExpStates/Panel/Inner/Label")->style.text_color, c.label_color);
        EXPECT_EQ(node_at(tree, "ExpStates/Other")->style.fill, c.other_fill);
    }
}

// "Hover" and "Pressed" reach a control's own children (its glyph) but not a
// control nested in it, which has its own pointer state; other words do.
TEST(Expansion, ControlsDoNotInheritPointerWords) {
    load_type_styles();
    load_layers(R"({"ExpPointer": {
        "Card": {"->": "S:RenderTypes/Button", "Fill": {"->": "#111", ":Hover": "#222", ":Pressed": "#333"},
            "Glyph": {"->": "S:RenderTypes/Icon", "Text Color": {"->": "#aaa", ":Hover": "#fff"}},
            "Remove": {"->": "S:RenderTypes/Button", "Fill": {"->": "", ":Hover": "#e00", ":Disabled": "#777"},
                "Mark": {"->": "S:RenderTypes/Icon", "Text Color": {"->": "#aaa", ":Hover": "#fff"}}},
            "Tick": {"->": "S:RenderTypes/Check Box", "Fill": {"->": "", ":Pressed": "#0e0"}}}}})");
    struct Case {
        std::map<std::string, std::set<std::string>> states;
        std::string card_fill, glyph_color, remove_fill, mark_color, tick_fill;
    };
    const Case cases[] = {
        {{{"ExpPointer/Card", {"Hover"}}}, "#222", "#fff", "", "#aaa", ""},
        {{{"ExpPointer/Card", {"Pressed"}}}, "#333", "#aaa", "", "#aaa", ""},
        {{{"ExpPointer/Card", {"Hover", "Disabled"}}}, "#222", "#fff", "#777", "#aaa", ""},
        {{{"ExpPointer/Card", {"Hover"}}, {"ExpPointer/Card/Remove", {"Hover"}}},
         "#222",
         "#fff",
         "#e00",
         "#fff",
         ""},
        {{{"ExpPointer/Card/Tick", {"Pressed"}}}, "#111", "#aaa", "", "#aaa", "#0e0"},
    };
    for (const auto& c : cases) {
        OApp app;
        app.root_name = "ExpPointer";
        app.node_states = c.states;
        const RenderNode tree = render_root(app);
        EXPECT_EQ(node_at(tree, "ExpPointer/Card")->style.fill, c.card_fill);
        EXPECT_EQ(node_at(tree, "ExpPointer/Card/Glyph")->style.text_color, c.glyph_color);
        EXPECT_EQ(node_at(tree, "ExpPointer/Card/Remove")->style.fill, c.remove_fill);
        EXPECT_EQ(node_at(tree, "ExpPointer/Card/Remove/Mark")->style.text_color, c.mark_color);
        EXPECT_EQ(node_at(tree, "ExpPointer/Card/Tick")->style.fill, c.tick_fill);
    }
}

TEST(Expansion, PerPathOverridesAndBindingsAfterThem) {
    load_type_styles();
    load_layers(R"({"ExpOverride": {
        "Title": {"->": "S:RenderTypes/Text", "Text": "Default"},
        "Blank": {"->": "S:RenderTypes/Text", "Text": "Default"},
        "Theme": {"->": "S:RenderTypes/Text", "Bind": "ActiveThemeName"},
        "Publisher": {"->": "S:RenderTypes/Text", "Bind": "ActiveThemePublisher"},
        "Orphan": {"->": "S:RenderTypes/Text", "Bind": "Field:name"},
        "Pic": {"->": "S:RenderTypes/Image", "Source": "a.png", "Size.Height": 5},
        "Doc": {"->": "S:RenderTypes/Markdown"}}})");
    OApp app;
    app.root_name = "ExpOverride";
    app.texts = {{"ExpOverride/Title", "Changed"},
                 {"ExpOverride/Blank", ""},
                 {"ExpOverride/Theme", "from texts"}};
    app.images = {{"ExpOverride/Pic", "b.png"}};
    app.hrefs = {{"ExpOverride/Pic", "https://x"}};
    app.data = {{"ExpOverride/Pic", "qr"}};
    app.fixed_heights = {{"ExpOverride/Pic", 42}};

    RenderNode tree = render_root(app);
    EXPECT_EQ(node_at(tree, "ExpOverride/Title")->text, "Changed");
    EXPECT_EQ(node_at(tree, "ExpOverride/Blank")->text, "");
    // Without an active theme the binding changes nothing, so texts stays.
    EXPECT_EQ(node_at(tree, "ExpOverride/Theme")->text, "from texts");
    // "Field:" outside a row hides a text node.
    EXPECT_EQ(node_at(tree, "ExpOverride/Orphan"), nullptr);
    const NodeStyle& pic = node_at(tree, "ExpOverride/Pic")->style;
    EXPECT_EQ(pic.source, "a.png");
    EXPECT_EQ(pic.media_source, "b.png");
    EXPECT_EQ(pic.href, "https://x");
    EXPECT_EQ(pic.data, "qr");
    EXPECT_EQ(pic.height, 42);
    EXPECT_EQ(node_at(tree, "ExpOverride/Doc")->style.code_background, "");

    ThemeInfo night;
    night.name = "Night";
    night.publisher = "acme";
    night.variables["Secondary"] = std::string("#222");
    app.themes["Night (acme)"] = night;
    app.theme_name = "Night (acme)";
    tree = render_root(app);
    EXPECT_EQ(node_at(tree, "ExpOverride/Theme")->text, "Night");  // the binding wins
    EXPECT_EQ(node_at(tree, "ExpOverride/Publisher")->text, "acme");
    EXPECT_EQ(node_at(tree, "ExpOverride/Doc")->style.code_background, "#222");
}

// Row fields of the binding-word cases.
const std::map<std::string, std::string> kFields = {
    {"name", "Ada"},           {"empty", ""},    {"img", "a.png"}, {"w", "240px"},
    {"ws", " \t12.5"},         {"neg", "-3"},    {"zero", "0"},    {"dot", "1.5"},
    {"comma", "1,5"},          {"big", "1e999"}, {"inf", "inf"},   {"nan", "nan"},
    {"infinity", "-infinity"}, {"junk", "abc"},  {"yes", "yes"},   {"false", "false"},
    {"hex", "0x10"},
};

// The fields of the node that differ from the same kind of node without a
// binding, as "name=value" pieces.
std::string changes(const RenderNode& node, const RenderNode& base) {
    std::ostringstream out;
    const auto put = [&](const char* name, const auto& value, const auto& base_value) {
        if (value != base_value) out << name << "=" << value << " ";
    };
    put("text", node.text, base.text);
    put("visible", node.style.visible, base.style.visible);
    put("source", node.style.source, base.style.source);
    put("media", node.style.media_source, base.style.media_source);
    put("href", node.style.href, base.style.href);
    put("max", node.style.max_width, base.style.max_width);
    put("aspect", node.style.aspect, base.style.aspect);
    put("indent", node.style.margins[0], base.style.margins[0]);
    put("grow", node.style.grow, base.style.grow);
    put("placeholder", node.style.placeholder, base.style.placeholder);
    put("opacity", node.style.opacity, base.style.opacity);
    std::string text = out.str();
    if (!text.empty()) text.pop_back();
    return text;
}

struct BindCase {
    std::string kind;
    std::string bind;
    std::string in_row;   // changes inside a row of kFields
    std::string outside;  // changes outside any row
};

const BindCase kBindCases[] = {
    {"Text", "Field:name", "text=Ada", "visible=0"},
    {"Text", "Field:empty", "text=", "visible=0"},
    {"Text", "Field:missing", "visible=0", "visible=0"},
    {"Text", "Field:name; Field:img", "text=a.png", "visible=0"},  // later words win
    {"Icon", "Field:img", "source=a.png", ""},
    {"Icon", "Field:empty", "", ""},
    {"Image", "Field:img", "media=a.png", "visible=0 media="},
    {"Video", "Field:missing", "visible=0 media=", "visible=0 media="},
    {"Text", "Href:img", "href=a.png", ""},
    {"Text", "Href:empty", "", ""},
    {"Text", "Placeholder:name", "placeholder=Ada", ""},
    {"Text", "MaxWidth:w", "max=240", ""},  // a unit after the number is ignored
    {"Text", "MaxWidth:ws", "max=12.5", ""},
    {"Text", "MaxWidth:neg", "", ""},
    {"Text", "MaxWidth:zero", "", ""},
    {"Text", "MaxWidth:comma", "max=1", ""},
    {"Text", "MaxWidth:big", "", ""},  // out of range
    {"Text", "MaxWidth:inf", "", ""},
    {"Text", "MaxWidth:nan", "", ""},
    {"Text", "MaxWidth:junk", "", ""},
    {"Text", "MaxWidth:hex", "max=16", ""},
    {"Text", "Aspect:dot", "aspect=1.5", ""},
    {"Text", "Indent:w", "indent=240", ""},
    {"Text", "Grow:zero", "grow=0", ""},
    {"Text", "Grow:neg", "", ""},
    {"Text", "Grow:infinity", "", ""},
    {"Text", "Opacity:yes", "", ""},
    {"Text", "Opacity:zero", "opacity=0", ""},
    {"Text", "Opacity:false", "opacity=0", ""},
    {"Text", "Opacity:missing", "opacity=0", ""},
    {"Text", "ThemeName; State:On:yes; Unknown; field:name", "", ""},
};

class BindingWords : public testing::Test {
protected:
    static void SetUpTestSuite() {
        load_type_styles();
        // One style per case, on a base with every bound attribute set.
        std::string json = R"({"ExpBind": {)";
        for (const char* kind : {"Text", "Icon", "Image", "Video"}) {
            json += "\"Base" + std::string(kind) + "\": " + style_json(kind, "") + ",";
        }
        for (std::size_t i = 0; i < std::size(kBindCases); ++i) {
            json += "\"Case" + std::to_string(i) +
                    "\": " + style_json(kBindCases[i].kind, kBindCases[i].bind) + ",";
        }
        json.pop_back();
        load_layers(json + "}}");
    }

    static std::string style_json(const std::string& kind, const std::string& bind) {
        return R"({"->": "S:RenderTypes/)" + kind +
               R"(", "Text": "orig", "Source": "def.svg", "Size.Max Width": 50,
               "Aspect Ratio": 2, "Margins.Left": 4, "Layout.Grow": 2, "Bind": ")" +
               bind + "\"}";
    }

    static RenderNode expand(const std::string& name,
                             const std::map<std::string, std::string>* fields) {
        OApp app;
        const RowContext row{fields, fields != nullptr ? "items" : "",
                             fields != nullptr ? "r1" : ""};
        const std::string path = "ExpBind/" + name;
        return expand_node(layer_at(path), path, expand_inputs(app), {}, nullptr, row);
    }

    static void check_all_cases() {
        for (std::size_t i = 0; i < std::size(kBindCases); ++i) {
            const BindCase& c = kBindCases[i];
            const std::string name = "Case" + std::to_string(i);
            const RenderNode base = expand("Base" + c.kind, nullptr);
            EXPECT_EQ(changes(expand(name, &kFields), base), c.in_row) << c.kind << " " << c.bind;
            EXPECT_EQ(changes(expand(name, nullptr), base), c.outside) << c.kind << " " << c.bind;
        }
    }
};

TEST_F(BindingWords, Table) {
    check_all_cases();
}

TEST_F(BindingWords, NumbersReadTheSameUnderADecimalCommaLocale) {
    GermanLocale german;
    if (german.skipped()) GTEST_SKIP() << "no German locale installed";
    check_all_cases();
}

TEST(ReadFieldNumber, ClassicLocaleWhateverTheProcessLocale) {
    const std::pair<std::string, std::optional<double>> cases[] = {
        {"1.5", 1.5},
        {"1,5", 1},
        {"  -2.25e1x", -22.5},
        {"+3", 3},
        {"", std::nullopt},
        {"px", std::nullopt},
        {"1e999", std::nullopt},
        {"-1e999", std::nullopt},
        {"nan", std::nullopt},
        {"INF", std::nullopt},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(read_field_number(text), expected) << text;
    GermanLocale german;
    if (german.skipped()) GTEST_SKIP() << "no German locale installed";
    for (const auto& [text, expected] : cases) EXPECT_EQ(read_field_number(text), expected) << text;
}

TEST(Expansion, RowStateWordsReachTheTemplateAndItsChildren) {
    load_layers(R"({"ExpRowState": {"Bind": "List:rowStateItems",
        "Row": {"Bind": {"->": "State:Picked:sel; State:broken; Field:a",
                ":Picked": "State:Picked:sel; Field:b"},
            "Fill": {"->": "#000", ":Picked": "#0f0"},
            "Label": {"Text Color": {"->": "#fff", ":Picked": "#0ff"}}}}})");
    OApp app;
    app.root_name = "ExpRowState";
    const std::pair<std::string, bool> values[] = {
        {"1", true}, {"yes", true}, {"true", true}, {"0", false}, {"false", false}, {"", false},
    };
    std::vector<ListEntry> entries;
    for (std::size_t i = 0; i < std::size(values); ++i) {
        entries.push_back(
            {"r" + std::to_string(i), {{"sel", values[i].first}, {"a", "A"}, {"b", "B"}}});
    }
    entries.push_back({"missing", {}});
    app.rows["rowStateItems"] = entries;
    const RenderNode tree = render_root(app);
    ASSERT_EQ(tree.children.size(), entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const bool picked = i < std::size(values) && values[i].second;
        const RenderNode& row = tree.children[i];
        EXPECT_EQ(row.style.fill, picked ? "#0f0" : "#000") << row.name;
        EXPECT_EQ(row.children.at(0).style.text_color, picked ? "#0ff" : "#fff") << row.name;
        // The binding words are those of "Bind" under the row's own words.
        const std::string text = i < std::size(values) ? (picked ? "B" : "A") : "";
        EXPECT_EQ(row.text, text) << row.name;
    }
}

TEST(Expansion, ViewportHeightsCheckBoxesAndComboState) {
    load_type_styles();
    load_layers(R"({"ExpPasses": {"->": "S:RenderTypes/Check Box",
        "Half": {"Size.Height Viewport": 0.5, "Size.Height": 7},
        "Fixed": {"Size.Height Viewport": 0.5},
        "Box": {"Tick": {"->": "S:RenderTypes/Check Box"}},
        "Pick": {"->": "S:RenderTypes/Combo Box"},
        "Other": {"->": "S:RenderTypes/Combo Box"}}})");
    struct Case {
        double viewport;
        double half_height;
    };
    const Case cases[] = {{701, 351}, {0, 7}, {-5, 7}};  // 350.5 rounds away from zero
    for (const auto& c : cases) {
        OApp app;
        app.root_name = "ExpPasses";
        app.viewport_height = c.viewport;
        app.fixed_heights = {{"ExpPasses/Fixed", 9}};
        app.check_boxes = {"stale"};
        app.options = {{"ExpPasses/Pick", {{"a", "A"}, {"b", "B"}}}};
        app.selection = {{"ExpPasses/Pick", "b"}, {"ExpPasses/Half", "x"}};
        const RenderNode tree = render_root(app);
        EXPECT_TRUE(app.uses_viewport_height);
        EXPECT_EQ(node_at(tree, "ExpPasses/Half")->style.height, c.half_height) << c.viewport;
        EXPECT_EQ(node_at(tree, "ExpPasses/Fixed")->style.height, 9);
        EXPECT_EQ(app.check_boxes, (std::set<std::string>{"ExpPasses", "ExpPasses/Box/Tick"}));
        const RenderNode* pick = node_at(tree, "ExpPasses/Pick");
        EXPECT_EQ(pick->options, (std::vector<ComboOption>{{"a", "A"}, {"b", "B"}}));
        EXPECT_EQ(pick->selected, "b");
        EXPECT_TRUE(node_at(tree, "ExpPasses/Other")->options.empty());
        EXPECT_EQ(node_at(tree, "ExpPasses/Half")->selected, "");  // not a Combo Box
    }
    OApp plain;
    plain.root_name = "ExpPasses/Box";
    plain.uses_viewport_height = true;
    render_root(plain);
    EXPECT_FALSE(plain.uses_viewport_height);
}

TEST(Expansion, ListBindingTakesItsWholeRestAsTheKey) {
    load_layers(R"({"ExpListKey": {"Bind": "List:keyed; Field:name", "Row": {}}})");
    OApp app;
    app.root_name = "ExpListKey";
    app.rows["keyed"] = {{"a", {}}};
    EXPECT_TRUE(render_root(app).children.empty());
    app.rows["keyed; Field:name"] = {{"a", {}}};
    const RenderNode tree = render_root(app);
    EXPECT_EQ(child_names(tree), std::vector<std::string>{"a"});
    EXPECT_TRUE(tree.style.visible);  // the words after the key are not applied
}

TEST(Expansion, ListsNestedInRowsWithTheSameBindingGetTheirRows) {
    load_layers(R"({"ExpNested": {"Bind": "List:loop",
        "Row": {"Again": {"Bind": "List:loop", "Row": {"Deeper": {"Bind": "List:loop",
            "Row": {}}}}, "Themes": {"Bind": "ThemeList",
            "Row": {"Inner": {"Bind": "ThemeList", "Row": {}}}}}}})");
    OApp app;
    app.root_name = "ExpNested";
    app.rows["loop"] = {{"a", {}}, {"b", {}}};
    app.themes["T"] = ThemeInfo{"T", "", "", "", {}};
    app.themes["U"] = ThemeInfo{"U", "", "", "", {}};
    const RenderNode tree = render_root(app);
    const struct {
        const char* path;
        std::vector<std::string> rows;
    } cases[] = {
        {"ExpNested", {"a", "b"}},
        {"ExpNested/a/Again", {"a", "b"}},
        {"ExpNested/b/Again", {"a", "b"}},
        {"ExpNested/a/Again/b/Deeper", {"a", "b"}},
        {"ExpNested/a/Again/b/Deeper/a", {}},
        {"ExpNested/a/Themes", {"T", "U"}},
        {"ExpNested/b/Themes/U/Inner", {"T", "U"}},
    };
    for (const auto& c : cases) {
        const RenderNode* node = node_at(tree, c.path);
        ASSERT_NE(node, nullptr) << c.path;
        EXPECT_EQ(child_names(*node), c.rows) << c.path;
    }
    // Rows of the inner lists act on their own row.
    EXPECT_EQ(app.theme_rows.count("ExpNested/b/Themes/U/Inner/T"), 1u);
}

}  // namespace
}  // namespace Ostrel
