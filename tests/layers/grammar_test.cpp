#include "tests/layers/helpers.h"

using namespace Layers;
using namespace layers_test;

namespace {

LStyle build(const char* json) {
    return LStyle("Top", Json::parse(json), {});
}

}  // namespace

TEST(Grammar, KeyAlternatives) {
    using Names = std::vector<std::string>;
    const std::vector<std::pair<std::string, Names>> cases = {
        {"Fill", {"Fill"}},
        {"Size.(Width,Height)", {"Size.Width", "Size.Height"}},
        {"(a,b)(c,d)", {"ac", "ad", "bc", "bd"}},
        {"A(x(y,z),w)B", {"AxyB", "AxwB", "Az,w)B"}},
        {"A()B", {"AB"}},
        {"A(x,)B", {"AxB", "AB"}},
        {"A(x", {"A(x"}},
        {"A)x(", {"A)x("}},
        {"(a,a)", {"a", "a"}},
    };
    for (const auto& [key, names] : cases) EXPECT_EQ(expand_key_alternatives(key), names) << key;
}

TEST(Grammar, StylePrefix) {
    EXPECT_EQ(strip_style_prefix("S:Panel"), "Panel");
    EXPECT_EQ(strip_style_prefix("S:"), "");
    EXPECT_EQ(strip_style_prefix("S"), "S");
    EXPECT_EQ(strip_style_prefix("Panel"), "Panel");
    EXPECT_EQ(strip_style_prefix("xS:Panel"), "xS:Panel");
}

TEST(Grammar, MembersBecomeAttributesOrChildStyles) {
    using Names = std::vector<std::string>;
    struct Case {
        const char* json;
        Names children;  // "@" marks attributes
    };
    const std::vector<Case> cases = {
        {R"({"Fill":"#333"})", {"@Fill"}},
        {R"({"Fill":"S:Panel"})", {"Fill"}},
        {R"({"Label":{"->":"S:Text","Text":"hi"}})", {"Label"}},
        {R"({"Label":{"->":"#fff","Text":"hi"}})", {"@Label"}},
        {R"({"Fill":{":Hover":1,":Pressed":2}})", {"@Fill", "Fill"}},
        {R"({"Fill":{"?Narrow":1}})", {"@Fill", "Fill"}},
        {R"({"Header":{"Title":"x"}})", {"Header"}},
        {R"j({"Size.(Width,Height)":10})j", {"@Size.Width", "@Size.Height"}},
        {R"j({"Row(x,y)/Cell":1})j", {"Row(x,y)"}},
        {R"({"~note":{"a":1},"":5,"->":"Base"})", {}},
        {R"({"Row/Left":{"A":{}},"Row/Right":{"A":{}}})", {"Row", "Row"}},
        {R"({"N":42,"M":[1],"K":null,"J":true})", {"@N", "@M", "@K", "@J"}},
        {R"j({"(A,B)":"S:Base"})j", {"A", "B"}},
    };
    for (const auto& c : cases) {
        LStyle style = build(c.json);
        EXPECT_EQ(child_names(&style), c.children) << c.json;
    }
}

TEST(Grammar, ChildStyleContentsAndFields) {
    LStyle label = build(R"({"Label":{"->":"S:Text","Text":"hi"}})");
    auto* child = LObject::find_path(&label, "Label");
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->base_name(), "Text");
    EXPECT_EQ(child_names(child), std::vector<std::string>{"@Text"});

    LStyle fill = build(R"({"Fill":{":Hover":1,":Pressed":2}})");
    EXPECT_EQ(child_names(LObject::find_path(&fill, "Fill")),
              (std::vector<std::string>{"@:Hover", "@:Pressed"}));
    EXPECT_EQ(child_names(fill.attribute("Fill")),
              (std::vector<std::string>{"@Hover", "@Pressed"}));

    LStyle nested = build(R"j({"Row/Cell/Icon":"#1","Row/Cell(x,y)":1})j");
    // Only the last Row is reached; it holds the attributes Cellx and Celly.
    EXPECT_EQ(child_names(LObject::find_path(&nested, "Row")),
              (std::vector<std::string>{"@Cellx", "@Celly"}));
    EXPECT_EQ(LObject::find_path(&nested, "Row/Cell"), nullptr);
    auto& first_row = *nested.children().front();
    ASSERT_EQ(child_names(&first_row), std::vector<std::string>{"Cell"});
    EXPECT_EQ(child_names(first_row.children().front().get()), std::vector<std::string>{"@Icon"});

    LStyle extras = build(R"({"~note":{"a":1},"->":"Base","_meta":{"_publisher":"Lark"}})");
    EXPECT_EQ(extras.extras(), Json::parse(R"({"~note":{"a":1}})"));
    EXPECT_EQ(extras.base_name(), "Base");
    EXPECT_EQ(extras.publisher(), "Lark");
    EXPECT_EQ(child_names(&extras), std::vector<std::string>{"_meta"});

    LStyle rows = build(R"({"Row/Left":{"A":{}},"Row/Right":{"B":{}}})");
    EXPECT_EQ(LObject::find_path(&rows, "Row/Left"), nullptr);
    EXPECT_NE(LObject::find_path(&rows, "Row/Right"), nullptr);
}

TEST(Grammar, StyleValues) {
    struct Case {
        const char* json;
        std::string base_name;
        std::size_t children;
    };
    const std::vector<Case> cases = {
        {"42", "", 0},
        {"[1,2]", "", 0},
        {"null", "", 0},
        {R"("S:")", "", 0},
        {R"("S:Button")", "Button", 0},
        {R"("Button")", "Button", 0},
        {R"({"->":"Panel"})", "Panel", 0},
        {R"({"->":"S:Panel"})", "Panel", 0},
    };
    for (const auto& c : cases) {
        LStyle style = build(c.json);
        EXPECT_EQ(style.base_name(), c.base_name) << c.json;
        EXPECT_EQ(style.children().size(), c.children) << c.json;
        EXPECT_FALSE(style.needs_base() && c.base_name.empty()) << c.json;
    }
}

TEST(Grammar, NonStringBaseOrPublisherIsSkippedWithOneLine) {
    testing::internal::CaptureStderr();
    LStyle style = build(R"({"->":5,"_meta":{"_publisher":7},"Fill":"#1"})");
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Layers: ignored non-string \"_publisher\" on style \"Top\"\n"
              "Layers: ignored non-string \"->\" on style \"Top\"\n");
    EXPECT_EQ(style.base_name(), "");
    EXPECT_EQ(style.publisher(), "");
    EXPECT_EQ(child_names(&style), (std::vector<std::string>{"_meta", "@Fill"}));
}

TEST(Grammar, CloneListsAttributesBeforeStyles) {
    LStyle base("Base");
    LStyle source = build(R"({"A":1,"Child":{"X":{}},"B":{"->":"L:A",":Hover":2}})");
    source.set_base(&base);
    source.set_publisher("Lark");
    source.set_bases_resolved(true);
    LStyle parent("Parent");
    clone_style(&source, &parent);
    ASSERT_EQ(parent.children().size(), 1u);
    auto* copy = dynamic_cast<LStyle*>(parent.children().front().get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(child_names(copy), (std::vector<std::string>{"@A", "@B", "Child"}));
    EXPECT_EQ(copy->name(), "Top");
    EXPECT_EQ(copy->base(), &base);
    EXPECT_EQ(copy->publisher(), "Lark");
    EXPECT_TRUE(copy->bases_resolved());
    EXPECT_EQ(copy->attribute("B")->link()->path(), "A");
    EXPECT_EQ(child_names(copy->attribute("B")), std::vector<std::string>{"@Hover"});
    EXPECT_NE(LObject::find_path(copy, "Child/X"), nullptr);
}
