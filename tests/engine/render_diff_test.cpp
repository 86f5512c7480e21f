#include <functional>
#include <string>
#include <vector>

#include "ext/ostrel/engine/render_diff.h"
#include "tests/engine/render_fixture.h"

namespace Ostrel {
namespace {

using namespace render_test;

// A patch reduced to what the tests compare.
struct Brief {
    PatchKind kind;
    std::string path;
    std::string parent_path;
    int index;
    std::size_t children;  // of the patch's node

    bool operator==(const Brief&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Brief& b) {
    return out << static_cast<int>(b.kind) << " " << b.path << " parent=" << b.parent_path
               << " index=" << b.index << " children=" << b.children;
}

std::vector<Brief> briefs(const std::vector<Patch>& patches) {
    std::vector<Brief> out;
    for (const Patch& p : patches) {
        out.push_back({p.kind, p.path, p.parent_path, p.index, p.node.children.size()});
    }
    return out;
}

constexpr auto kMount = PatchKind::Mount;
constexpr auto kRemove = PatchKind::Remove;
constexpr auto kUpdate = PatchKind::Update;
constexpr auto kReplace = PatchKind::Replace;

class Render : public testing::Test {
protected:
    static void SetUpTestSuite() {
        load_type_styles();
        load_layers(R"({"DiffWin": {
            "A": {"->": "S:RenderTypes/Text", "Text": "a"},
            "B": {"Inner": {"->": "S:RenderTypes/Text", "Text": "inner"}},
            "C": {"->": "S:RenderTypes/Text", "Text": "c",
                  "Font.Family": {"->": "Sans", ":Serif": "Serif"},
                  "Text Color": {"->": "#fff", ":Red": "#f00"}},
            "List": {"Bind": "List:diffItems",
                "Row": {"Fill": {"->": "mid", ":First": "first"},
                    "Label": {"->": "S:RenderTypes/Text", "Bind": "Field:name"}}}}})");
    }

    OApp app;
    void SetUp() override { app.root_name = "DiffWin"; }
};

TEST_F(Render, FirstRenderMountsTheWholeTreeAndAnUnchangedStateGivesNothing) {
    app.rows["diffItems"] = {{"x", {{"name", "X"}}}};
    const std::vector<Patch> first = app.render();
    EXPECT_EQ(briefs(first), (std::vector<Brief>{{kMount, "DiffWin", "", 0, 4}}));
    ASSERT_NE(app.last_tree, nullptr);
    EXPECT_EQ(node_at(first[0].node, "DiffWin/List/x/Label")->text, "X");
    EXPECT_TRUE(app.render().empty());
    EXPECT_TRUE(app.render().empty());
}

TEST_F(Render, ShowingAndHidingAPanel) {
    app.hidden = {"DiffWin/B"};
    app.render();
    app.set_visible("DiffWin/B", true);
    const std::vector<Patch> shown = app.render();
    EXPECT_EQ(briefs(shown), (std::vector<Brief>{{kMount, "DiffWin/B", "DiffWin", 1, 1}}));
    app.set_visible("DiffWin/B", false);
    EXPECT_EQ(briefs(app.render()), (std::vector<Brief>{{kRemove, "DiffWin/B", "", 0, 0}}));
}

TEST_F(Render, ContentChangesGiveUpdatesWithoutChildren) {
    app.render();
    struct Case {
        std::string what;
        std::function<void(OApp&)> change;
        std::vector<Brief> patches;
    };
    const Case cases[] = {
        {"text of a leaf",
         [](OApp& a) { a.texts["DiffWin/A"] = "changed"; },
         {{kUpdate, "DiffWin/A", "", 0, 0}}},
        {"text of a node with children",
         [](OApp& a) { a.texts["DiffWin/B"] = "changed"; },
         {{kUpdate, "DiffWin/B", "", 0, 0}}},
        {"parent before child",
         [](OApp& a) {
             a.texts["DiffWin/B"] = "again";
             a.texts["DiffWin/B/Inner"] = "changed";
         },
         {{kUpdate, "DiffWin/B", "", 0, 0}, {kUpdate, "DiffWin/B/Inner", "", 0, 0}}},
        {"a field equality leaves out",
         [](OApp& a) { a.node_states["DiffWin/C"] = {"Serif"}; },
         {}},
        {"a compared style field",
         [](OApp& a) {
             a.node_states["DiffWin/C"] = {"Serif", "Red"};
         },
         {{kUpdate, "DiffWin/C", "", 0, 0}}},
    };
    for (const auto& c : cases) {
        c.change(app);
        EXPECT_EQ(briefs(app.render()), c.patches) << c.what;
    }
    EXPECT_EQ(node_at(*app.last_tree, "DiffWin/C")->style.font_family, "Serif");
}

TEST_F(Render, RowListChanges) {
    app.rows["diffItems"] = {{"a", {{"name", "A"}}}, {"b", {{"name", "B"}}}};
    app.render();

    // Same ids in another order: matched by id, no Remove or Mount.
    app.rows["diffItems"] = {{"b", {{"name", "B"}}}, {"a", {{"name", "A"}}}};
    EXPECT_EQ(briefs(app.render()), (std::vector<Brief>{{kUpdate, "DiffWin/List/b", "", 0, 0},
                                                        {kUpdate, "DiffWin/List/a", "", 0, 0}}));
    app.rows["diffItems"] = {{"b", {{"name", "B"}}}, {"a", {{"name", "A2"}}}};
    EXPECT_EQ(briefs(app.render()),
              (std::vector<Brief>{{kUpdate, "DiffWin/List/a/Label", "", 0, 0}}));

    // New ids: the old rows go first, in old order, then the new ones mount.
    app.rows["diffItems"] = {{"c", {{"name", "C"}}}, {"a", {{"name", "A2"}}}, {"d", {}}};
    EXPECT_EQ(briefs(app.render()), (std::vector<Brief>{
                                        {kRemove, "DiffWin/List/b", "", 0, 0},
                                        {kMount, "DiffWin/List/c", "DiffWin/List", 0, 1},
                                        {kMount, "DiffWin/List/d", "DiffWin/List", 2, 0},
                                    }));
    app.rows["diffItems"] = {{"e", {}}, {"f", {}}};
    EXPECT_EQ(briefs(app.render()), (std::vector<Brief>{
                                        {kRemove, "DiffWin/List/c", "", 0, 0},
                                        {kRemove, "DiffWin/List/a", "", 0, 0},
                                        {kRemove, "DiffWin/List/d", "", 0, 0},
                                        {kMount, "DiffWin/List/e", "DiffWin/List", 0, 0},
                                        {kMount, "DiffWin/List/f", "DiffWin/List", 1, 0},
                                    }));
}

// Hand-made trees for what the layer tree cannot change between renders.
RenderNode node(NodeKind kind, const std::string& path, const std::string& text = "",
                std::vector<RenderNode> children = {}) {
    RenderNode n;
    n.kind = kind;
    n.path = path;
    n.name = path.substr(path.rfind('/') + 1);
    n.text = text;
    n.children = std::move(children);
    return n;
}

TEST(Diff, KindsDuplicatesAndComboContent) {
    using K = NodeKind;
    struct Case {
        std::string what;
        RenderNode old_tree;
        RenderNode new_tree;
        std::vector<Brief> patches;
    };
    const RenderNode leaf = node(K::Text, "W/P/Leaf", "x");
    RenderNode combo = node(K::ComboBox, "W/Pick");
    RenderNode combo_relabelled = combo;
    combo.options = {{"a", "A"}};
    combo_relabelled.options = {{"a", "Other"}};
    RenderNode combo_selected = combo;
    combo_selected.selected = "a";
    const Case cases[] = {
        {"kind change replaces, nothing below compared",
         node(K::Box, "W", "", {node(K::Box, "W/P", "", {leaf})}),
         node(K::Box, "W", "", {node(K::Button, "W/P", "changed", {node(K::Text, "W/P/Leaf")})}),
         {{kReplace, "W/P", "W", 0, 1}}},
        {"root kind change", node(K::Box, "W"), node(K::Text, "W"), {{kReplace, "W", "", 0, 0}}},
        {"old duplicates whose name goes",
         node(K::Box, "W", "", {node(K::Text, "W/x", "1"), node(K::Text, "W/x", "2")}),
         node(K::Box, "W"),
         {{kRemove, "W/x", "", 0, 0}, {kRemove, "W/x", "", 0, 0}}},
        {"new duplicates meet the last old one",
         node(K::Box, "W", "", {node(K::Text, "W/x", "1"), node(K::Text, "W/x", "2")}),
         node(K::Box, "W", "", {node(K::Text, "W/x", "2"), node(K::Text, "W/x", "3")}),
         {{kUpdate, "W/x", "", 0, 0}}},
        {"option labels count",
         node(K::Box, "W", "", {combo}),
         node(K::Box, "W", "", {combo_relabelled}),
         {{kUpdate, "W/Pick", "", 0, 0}}},
        {"selected value counts",
         node(K::Box, "W", "", {combo}),
         node(K::Box, "W", "", {combo_selected}),
         {{kUpdate, "W/Pick", "", 0, 0}}},
    };
    for (const auto& c : cases) {
        std::vector<Patch> out;
        diff_nodes(c.old_tree, c.new_tree, out);
        EXPECT_EQ(briefs(out), c.patches) << c.what;
    }
    // The Update of the duplicates carries the second new node.
    std::vector<Patch> out;
    diff_nodes(cases[3].old_tree, cases[3].new_tree, out);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].node.text, "3");
}

}  // namespace
}  // namespace Ostrel
