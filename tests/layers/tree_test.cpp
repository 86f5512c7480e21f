#include <deque>

#include "tests/layers/helpers.h"

using namespace Layers;
using namespace layers_test;

TEST(Split, FollowsLineReadingRules) {
    struct Case {
        std::string text;
        char delimiter;
        std::vector<std::string> pieces;
    };
    const std::vector<Case> cases = {
        {"", '/', {}},
        {"App/Window", '/', {"App", "Window"}},
        {"/App", '/', {"", "App"}},
        {"App/", '/', {"App"}},
        {"App//Window", '/', {"App", "", "Window"}},
        {"/", '/', {""}},
        {"Checked:Narrow", ':', {"Checked", "Narrow"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(split_at(c.text, c.delimiter), c.pieces) << c.text;
        auto deque = split_segments(c.text, c.delimiter);
        EXPECT_EQ(std::vector<std::string>(deque.begin(), deque.end()), c.pieces) << c.text;
    }
}

TEST(Tree, AddChildSetsParentAndRevision) {
    LStyle root;
    EXPECT_EQ(root.revision(), 0u);
    auto* app = add_style(&root, "App");
    EXPECT_EQ(app->parent(), &root);
    EXPECT_EQ(root.revision(), 1u);
    app->set_name("Renamed");
    root.children().front().swap(root.children().front());
    EXPECT_EQ(root.revision(), 1u);  // only appending counts
}

TEST(Tree, FindPathWalksChildStylesByName) {
    LStyle root;
    auto* app = add_style(&root, "App");
    auto* window = add_style(app, "Window");
    auto* unnamed = add_style(app, "");
    auto* inner = add_style(unnamed, "Window");
    add_attribute(app, "Fill", "#333");
    auto* first_dup = add_style(window, "Dup");
    auto* second_dup = add_style(window, "Dup");

    struct Case {
        std::string path;
        LStyle* expected;
    };
    const std::vector<Case> cases = {
        {"", nullptr},          {"App", app},
        {"App/", app},          {"App/Window", window},
        {"App//Window", inner}, {"App/Fill", nullptr},  // attributes are not found by path
        {"App/Nope", nullptr},  {"App/Window/Dup", second_dup},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LObject::find_path(&root, c.path), c.expected) << c.path;
    }
    EXPECT_NE(first_dup, second_dup);
    EXPECT_EQ(LObject::find_path(&root, std::deque<std::string>{"App", "Window"}), window);
    EXPECT_EQ(LObject::find_path(nullptr, "App"), nullptr);
}

TEST(Tree, AttributeLookupUsesCacheRefreshedOnAppend) {
    LStyle style("Button");
    auto* first = add_attribute(&style, "Fill", "#111");
    EXPECT_EQ(style.attribute("Fill"), first);
    auto* second = add_attribute(&style, "Fill", "#222");
    EXPECT_EQ(style.attribute(std::string("Fill")), second);

    second->set_name("Border");
    EXPECT_EQ(style.attribute("Fill"), second);  // no append since: cache unchanged
    EXPECT_EQ(style.attribute("Border"), nullptr);
    add_attribute(&style, "Font.Size", 12);
    EXPECT_EQ(style.attribute("Fill"), first);
    EXPECT_EQ(style.attribute("Border"), second);
    EXPECT_NE(style.attribute("Font.Size"), nullptr);  // one name, not a path
}

TEST(Tree, NamedAttributeListsFollowAppendsAndListChanges) {
    LStyle style("Button");
    const AttributeNames colours({"Fill", "Text Color", "Missing"});
    const AttributeNames sizes({"Font.Size"});
    auto* fill = add_attribute(&style, "Fill", "#111");
    EXPECT_EQ(style.attributes_for(colours), (std::vector<LAttribute*>{fill, nullptr, nullptr}));

    auto* text = add_attribute(&style, "Text Color", "#eee");
    auto* later_fill = add_attribute(&style, "Fill", "#222");  // the later of equal names
    EXPECT_EQ(style.attributes_for(colours), (std::vector<LAttribute*>{later_fill, text, nullptr}));

    // Asking for another list answers that list, and the first one again after.
    EXPECT_EQ(style.attributes_for(sizes), (std::vector<LAttribute*>{nullptr}));
    EXPECT_EQ(style.attributes_for(colours), (std::vector<LAttribute*>{later_fill, text, nullptr}));
}

TEST(Tree, AttributeLookupComparesEveryByte) {
    // A layer file may write "\u0000" into a key; a name is not cut there.
    LStyle style("Button");
    const std::string with_nul("Fill\0Hover", 10);
    auto* fill = add_attribute(&style, "Fill", 1);
    auto* fill_hover = add_attribute(&style, with_nul, 2);
    EXPECT_EQ(style.attribute(with_nul), fill_hover);
    EXPECT_EQ(style.attribute("Fill"), fill);
    EXPECT_EQ(style.attribute(std::string("Fill\0", 5)), nullptr);
}

TEST(Tree, StyleAndDisplayPaths) {
    LStyle root;
    auto* app = add_style(&root, "App");
    auto* button = add_style(app, "Button");
    auto* fill = add_attribute(button, "Fill", Json{{":Hover", "#fff"}});
    auto* hover = dynamic_cast<LAttribute*>(fill->children().front().get());
    ASSERT_NE(hover, nullptr);
    LStyle loose("Loose");

    EXPECT_EQ(root.style_path(), "");
    EXPECT_EQ(app->style_path(), "App");
    EXPECT_EQ(button->style_path(), "App/Button");
    EXPECT_EQ(loose.style_path(), "Loose");
    EXPECT_EQ(LObject::full_path(*fill), "App/Button/Fill");
    EXPECT_EQ(LObject::full_path(*hover), "App/Button/Fill.Hover");
    EXPECT_EQ(LObject::full_path(loose), "Loose");
}

TEST(Tree, TopLevelAndParentStyle) {
    LStyle root;
    auto* app = add_style(&root, "App");
    auto* window = add_style(app, "Window");
    auto* pane = add_style(window, "Pane");
    auto* fill = add_attribute(pane, "Fill", Json{{":Hover", 1}});
    auto* hover = fill->children().front().get();

    EXPECT_EQ(top_level_style(pane), app);
    EXPECT_EQ(top_level_style(fill), app);
    EXPECT_EQ(top_level_style(app), app);
    EXPECT_EQ(top_level_style(&root), &root);
    EXPECT_EQ(top_level_style(hover), hover);  // parent is an attribute
    EXPECT_EQ(parent_style(pane), window);
    EXPECT_EQ(parent_style(hover), nullptr);
    EXPECT_EQ(parent_style(&root), nullptr);
}

TEST(Tree, CollectionsAndNameMaps) {
    LStyle root;
    auto* app = add_style(&root, "App");
    auto* fill = add_attribute(app, "Fill", Json{{":Hover", 1}});
    auto* a = add_style(app, "A");
    auto* a1 = add_style(a, "A1");
    auto* a1_fill = add_attribute(a1, "Fill", 2);
    auto* b = add_style(app, "B");
    auto* fill2 = add_attribute(app, "Fill", 3);

    EXPECT_EQ(collect_descendants(app, false), (std::vector<LStyle*>{a, b}));
    EXPECT_EQ(collect_descendants(app, true), (std::vector<LStyle*>{a, a1, b}));
    EXPECT_EQ(collect_attributes(app, false), (std::vector<LAttribute*>{fill, fill2}));
    auto hover = dynamic_cast<LAttribute*>(fill->children().front().get());
    EXPECT_EQ(collect_attributes(app, true),
              (std::vector<LAttribute*>{fill, hover, a1_fill, fill2}));
    auto by_name = attributes_by_name(app);
    ASSERT_EQ(by_name.size(), 1u);
    EXPECT_EQ(by_name["Fill"], fill2);
    auto styles = child_styles_by_name(app);
    EXPECT_EQ(styles.size(), 2u);
    EXPECT_EQ(styles["A"], a);
}

TEST(Tree, RegistryIsOneProcessWideRoot) {
    Registry& first = registry();
    EXPECT_EQ(&first, &registry());
    LStyle* root = Registry::root(first);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->name(), "");
    EXPECT_EQ(root->parent(), nullptr);
    auto* top = add_style(root, "TreeTestTop");
    auto* child = add_style(top, "Child");
    EXPECT_EQ(find(first, "TreeTestTop/Child"), child);
    EXPECT_EQ(find_segments(first, {"TreeTestTop", "Child"}), child);
    EXPECT_EQ(find(first, ""), nullptr);
    EXPECT_EQ(find_segments(first, {}), nullptr);
}
