#include "tests/layers/helpers.h"

using namespace Layers;
using namespace layers_test;

namespace {

std::vector<std::string> variant_names(const LAttribute& attribute) {
    std::vector<std::string> names;
    for (auto& [name, variant] : attribute.collect_variants(false)) names.push_back(name);
    return names;
}

}  // namespace

TEST(AttributeJson, EveryFormGivesValueLinkAndVariants) {
    using List = std::vector<std::string>;
    struct Case {
        const char* json;
        LValue value;
        bool has_link;
        std::string path;
        std::string relative;
        std::vector<std::string> children;  // in child order
    };
    const std::vector<Case> cases = {
        {R"("#333")", text("#333"), false, "", "", {}},
        {R"("L:Theme/Primary")", LValue(), true, "Theme/Primary", "", {}},
        {R"("L:")", LValue(), true, "", "", {}},
        {"5", LValue(5.0), false, "", "", {}},
        {"1.25", LValue(1.25), false, "", "", {}},
        {"true", LValue(true), false, "", "", {}},
        {R"(["a","b"])", LValue(List{"a", "b"}), false, "", "", {}},
        {"[]", LValue(), false, "", "", {}},
        {R"([1,"a"])", LValue(), false, "", "", {}},
        {"null", LValue(), false, "", "", {}},
        {R"({"link":"Theme/Primary"})", LValue(), true, "Theme/Primary", "", {}},
        {R"({"link":"xL:yL:z"})", LValue(), true, "xyL:z", "", {}},
        {R"({"link_relative":"L:../Accent"})", LValue(), true, "", "../Accent", {}},
        {R"({"link":"L:","link_relative":""})", LValue(), false, "", "", {}},
        {R"({"link":"L:A","link_relative":"B","->":"L:C"})", LValue(), true, "C", "", {}},
        {R"({"->":5,"link":"L:A","link_relative":"L:B",":Checked":1})",
         LValue(5.0),
         true,
         "A",
         "B",
         {"Checked"}},
        {R"({"->":{"x":1}})", LValue(), false, "", "", {}},
        {R"({"->":null})", LValue(), false, "", "", {}},
        {R"({":Hover":"#fff","?Pressed":"#000","Text":"t"})",
         LValue(),
         false,
         "",
         "",
         {"Hover", "Pressed", "ext"}},
        {R"({"->":"#111",":Checked:Narrow":{"->":"#222",":Inner":1}})",
         text("#111"),
         false,
         "",
         "",
         {"Checked:Narrow"}},
    };
    for (const auto& c : cases) {
        LAttribute attribute("Fill", Json::parse(c.json));
        EXPECT_EQ(attribute.name(), "Fill");
        EXPECT_EQ(attribute.value(), c.value) << c.json;
        ASSERT_EQ(attribute.link() != nullptr, c.has_link) << c.json;
        if (c.has_link) {
            EXPECT_EQ(attribute.link()->path(), c.path) << c.json;
            EXPECT_EQ(attribute.link()->relative_path(), c.relative) << c.json;
            EXPECT_EQ(attribute.link()->target(), nullptr) << c.json;
        }
        EXPECT_EQ(child_names(&attribute), [&] {
            std::vector<std::string> names;
            for (auto& n : c.children) names.push_back("@" + n);
            return names;
        }()) << c.json;
    }
}

TEST(AttributeJson, VariantsNestLinksAndVariants) {
    LAttribute fill("Fill", Json::parse(R"({":Checked":{"->":"L:Theme/Primary",":Hover":2}})"));
    auto* checked = fill.collect_variants(false).at("Checked");
    ASSERT_NE(checked->link(), nullptr);
    EXPECT_EQ(checked->link()->path(), "Theme/Primary");
    EXPECT_EQ(variant_names(*checked), std::vector<std::string>{"Hover"});
}

TEST(AttributeJson, MalformedMembersAreSkippedWithOneLine) {
    struct Case {
        const char* json;
        std::string message;
    };
    const std::vector<Case> cases = {
        {R"({"link":5,"->":"#1"})", "Layers: ignored non-string \"link\" on attribute \"Fill\"\n"},
        {R"({"link_relative":[1]})",
         "Layers: ignored non-string \"link_relative\" on attribute \"Fill\"\n"},
        {R"(["a",2])", "Layers: ignored list with a non-string element on attribute \"Fill\"\n"},
        {R"({"":1,":Hover":2})", "Layers: ignored empty variant key on attribute \"Fill\"\n"},
    };
    for (const auto& c : cases) {
        testing::internal::CaptureStderr();
        LAttribute attribute("Fill", Json::parse(c.json));
        EXPECT_EQ(testing::internal::GetCapturedStderr(), c.message) << c.json;
    }
    LAttribute bad_link("Fill", Json::parse(R"({"link":5,"->":"#1"})"));
    EXPECT_EQ(bad_link.link(), nullptr);
    EXPECT_EQ(bad_link.value(), text("#1"));
    LAttribute bad_list("Fill", Json::parse(R"(["a",2])"));
    EXPECT_EQ(bad_list.value(), LValue());
    LAttribute empty_key("Fill", Json::parse(R"({"":1,":Hover":2})"));
    EXPECT_EQ(child_names(&empty_key), std::vector<std::string>{"@Hover"});
}

TEST(Variants, MostWordsThenByteOrderWins) {
    using Words = std::vector<std::string>;
    struct Case {
        const char* json;
        Words active;
        const char* winner;  // null: none
    };
    const std::vector<Case> cases = {
        {R"({":Checked":1,":Narrow":2,":Checked:Narrow":3})",
         {"Checked", "Narrow"},
         "Checked:Narrow"},
        {R"({":Checked":1,":Narrow":2,":Checked:Narrow":3})", {"Checked"}, "Checked"},
        {R"({":Checked":1,":Narrow":2,":Checked:Narrow":3})", {"Narrow", "Hover"}, "Narrow"},
        {R"({":Checked":1,":Narrow":2,":Checked:Narrow":3})", {}, nullptr},
        {R"({":Narrow":2,":Checked":1})", {"Narrow", "Checked"}, "Checked"},
        {R"({":":2})", {""}, nullptr},                // an empty name never wins
        {R"({":A:A":1,":B":2})", {"A", "B"}, "A:A"},  // a repeated word counts twice
        {R"({":checked":1})", {"Checked"}, nullptr},  // exact comparison
    };
    for (const auto& c : cases) {
        LAttribute attribute("Fill", Json::parse(c.json));
        LAttribute* chosen = attribute.state_variant(c.active);
        if (!c.winner) {
            EXPECT_EQ(chosen, nullptr) << c.json;
        } else {
            ASSERT_NE(chosen, nullptr) << c.json;
            EXPECT_EQ(chosen->name(), c.winner) << c.json;
        }
    }
}

TEST(Variants, InheritedFromBaseAndRefreshedOnAppend) {
    LStyle root;
    auto* base = add_style(&root, "Base");
    auto* base_fill = add_attribute(base, "Fill", Json::parse(R"({":Hover":1,":Pressed":2})"));
    auto* card = add_style(&root, "Card");
    card->set_base(base);
    auto* fill = add_attribute(card, "Fill", Json::parse(R"({"->":0,":Hover":10})"));

    EXPECT_EQ(fill->state_variant({"Hover"})->value(), LValue(10.0));  // own one overrides
    EXPECT_EQ(fill->state_variant({"Pressed"})->value(), LValue(2.0));
    EXPECT_EQ(fill->state_variant({"Focus"}), nullptr);

    add_attribute(base_fill, "Focus", 3);  // seen at the next lookup
    ASSERT_NE(fill->state_variant({"Focus"}), nullptr);
    EXPECT_EQ(fill->state_variant({"Focus"})->value(), LValue(3.0));
    add_attribute(fill, "Focus", 30);
    EXPECT_EQ(fill->state_variant({"Focus"})->value(), LValue(30.0));

    auto inherited = fill->collect_variants(true);
    EXPECT_EQ(inherited.size(), 3u);
    EXPECT_EQ(fill->collect_variants(false).size(), 2u);
}

TEST(Values, SetValueWritesThroughTheBoundChain) {
    LStyle style("Theme");
    auto* primary = add_attribute(&style, "Primary", "#36393f");
    auto* accent = add_attribute(&style, "Accent", "L:Primary");
    auto* border = add_attribute(&style, "Border", "L:Accent");
    testing::internal::CaptureStderr();
    resolve_links(&style);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

    EXPECT_EQ(border->effective_value(), text("#36393f"));
    border->set_value(text("#ffffff"));
    EXPECT_EQ(primary->value(), text("#ffffff"));
    EXPECT_EQ(accent->effective_value(), text("#ffffff"));

    // The theme code replaces values of plain attributes, of any kind.
    primary->set_value(LValue(std::vector<std::string>{"0:#3a3c42", "1:#42454d"}));
    EXPECT_EQ(border->effective_value().index(), kStringList);
    primary->set_value(LValue());
    EXPECT_EQ(primary->value(), LValue());
}

TEST(Values, SetLinkUnlinkAndDestroyedTargets) {
    LStyle style("S");
    auto* a = add_attribute(&style, "A", 1);
    auto* b = add_attribute(&style, "B", 2);
    auto* c = add_attribute(&style, "C", "L:A");
    resolve_links(&style);
    EXPECT_EQ(a->dependents(), std::vector<LAttribute*>{c});

    AttributeLink to_b("B", "");
    ASSERT_TRUE(to_b.resolve(c));
    c->set_link(&to_b);  // the old binding's value is kept as own value
    EXPECT_EQ(c->value(), LValue(1.0));
    EXPECT_EQ(c->effective_value(), LValue(2.0));
    EXPECT_TRUE(a->dependents().empty());
    EXPECT_EQ(b->dependents(), std::vector<LAttribute*>{c});
    c->set_link(nullptr);
    EXPECT_EQ(c->link()->target(), b);
    c->set_link(c->link());  // its own record, which the unlink drops
    EXPECT_EQ(c->link()->path(), "B");
    EXPECT_EQ(c->link()->target(), b);
    EXPECT_EQ(b->dependents(), std::vector<LAttribute*>{c});

    c->unlink();
    EXPECT_EQ(c->link(), nullptr);
    EXPECT_EQ(c->value(), LValue(2.0));
    EXPECT_TRUE(b->dependents().empty());

    AttributeLink unbound("Nowhere", "");
    c->set_link(&unbound);
    c->unlink();  // not bound: stays
    ASSERT_NE(c->link(), nullptr);
    EXPECT_EQ(c->value(), LValue());
}

TEST(Values, DestroyingTargetLeavesDependentsWithLastValue) {
    LStyle style("S");
    auto target = std::make_unique<LAttribute>("T", Json("#abc"));
    add_attribute(&style, "Holder", 0);
    auto* dependent = add_attribute(&style, "D", "L:T");
    style.add_child(std::move(target));
    resolve_links(&style);
    ASSERT_NE(dependent->link()->target(), nullptr);
    style.children().back().reset();  // destroy the target in place
    EXPECT_EQ(dependent->link(), nullptr);
    EXPECT_EQ(dependent->value(), text("#abc"));
}

TEST(Values, CloneCopiesValueBoundLinkAndVariants) {
    LStyle source("Src");
    auto* target = add_attribute(&source, "T", 7);
    auto* linked =
        add_attribute(&source, "L", Json::parse(R"({"->":"L:T",":Hover":1,":Hover ":2,":A":3})"));
    auto* plain = add_attribute(&source, "P", Json::parse(R"({"->":"x",":B":1})"));
    resolve_links(&source);

    LStyle destination("Dst");
    linked->clone_into(&destination);
    plain->clone_into(&destination);
    auto* linked_copy = destination.attribute("L");
    ASSERT_NE(linked_copy, nullptr);
    EXPECT_EQ(linked_copy->value(), LValue());
    EXPECT_EQ(linked_copy->link()->target(), target);
    EXPECT_EQ(linked_copy->effective_value(), LValue(7.0));
    EXPECT_EQ(target->dependents().size(), 2u);
    EXPECT_EQ(child_names(linked_copy), (std::vector<std::string>{"@A", "@Hover", "@Hover "}));
    EXPECT_EQ(destination.attribute("P")->value(), text("x"));
    EXPECT_EQ(child_names(destination.attribute("P")), std::vector<std::string>{"@B"});
}
