#include "tests/layers/helpers.h"

using namespace Layers;
using namespace layers_test;

namespace {

// Mounts in-memory layer files (path -> text) under `mount`, returning stderr.
std::string mount(const std::string& mount_name, const FileTextMap& files) {
    testing::internal::CaptureStderr();
    mount_files(registry(), "", files, mount_name);
    return testing::internal::GetCapturedStderr();
}

}  // namespace

TEST(Bases, CardTakesWhatItLacksFromPanel) {
    EXPECT_EQ(mount("BasesCard", {{"mem/panel.json",
                                   R"({"Panel":{"Fill":"#111","Radius":4,"Header":{"Title":"P"},)"
                                   R"("Body":{"Pad":1,"Gap":3}},)"
                                   R"("Card":{"->":"Panel","Fill":"#fff","Footer":{},)"
                                   R"("Body":{"Pad":2}}})"}}),
              "");
    LStyle* card = style_at("BasesCard/Card");
    LStyle* panel = style_at("BasesCard/Panel");
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(card->base(), panel);
    EXPECT_EQ(child_names(card),
              (std::vector<std::string>{"@Fill", "Header", "Body", "@Radius", "Footer"}));
    EXPECT_EQ(card->attribute("Fill")->value(), text("#fff"));
    EXPECT_EQ(card->attribute("Radius")->value(), LValue(4.0));
    LStyle* body = style_at("BasesCard/Card/Body");
    EXPECT_EQ(child_names(body), (std::vector<std::string>{"@Pad", "@Gap"}));
    EXPECT_EQ(body->attribute("Pad")->value(), LValue(2.0));
    EXPECT_EQ(body->base(), style_at("BasesCard/Panel/Body"));
    EXPECT_EQ(style_at("BasesCard/Card/Header")->attribute("Title")->value(), text("P"));
    EXPECT_TRUE(card->bases_resolved());
}

TEST(Bases, EmptyAttributeTakesBaseValueLinkAndVariants) {
    mount("BasesAttr", {{"mem/a.json", R"({"Panel":{"Fill":{"->":"#111",":Hover":"#222"},)"
                                       R"("Text":"L:Theme/Foreground"},)"
                                       R"("Card":{"->":"Panel","Fill":{"link_relative":"x",)"
                                       R"(":Pressed":"#333"},"Text":{":Hover":1}}})"}});
    LStyle* card = style_at("BasesAttr/Card");
    ASSERT_NE(card, nullptr);
    LAttribute* fill = card->attribute("Fill");
    EXPECT_EQ(fill->value(), LValue());  // it has a link record: kept as it is
    // Hover is already inherited through the base, so it is not copied.
    EXPECT_EQ(child_names(fill), std::vector<std::string>{"@Pressed"});
    EXPECT_EQ(fill->state_variant({"Hover"})->value(), text("#222"));
    LAttribute* text_attribute = card->attribute("Text");
    ASSERT_NE(text_attribute->link(), nullptr);
    EXPECT_EQ(text_attribute->link()->path(), "Theme/Foreground");
}

TEST(Bases, SelfAndEnclosingStylesAreNoBase) {
    mount("BasesSelf", {{"mem/a.json", R"({"Loop":{"->":"Loop","A":1},)"
                                       R"("Outer":{"Inner":{"->":"S:Outer"}},)"
                                       R"("Far":"S:Nowhere"})"}});
    EXPECT_EQ(style_at("BasesSelf/Loop")->base(), nullptr);
    EXPECT_EQ(style_at("BasesSelf/Outer/Inner")->base(), nullptr);
    EXPECT_EQ(style_at("BasesSelf/Far")->base(), nullptr);
    EXPECT_TRUE(style_at("BasesSelf/Far")->needs_base());
}

TEST(Bases, CyclesAreDetectedAndEnd) {
    EXPECT_EQ(
        mount("BasesCycle", {{"mem/a.json", R"({"A":{"->":"B","X":1},"B":{"->":"A","Y":2},)"
                                            R"("P":{"->":"Q"},"Q":{"Inner":{"->":"S:P"}}})"}}),
        "Layers: cyclic base \"S:A\" on style \"BasesCycle/B\"\n");
    LStyle* a = style_at("BasesCycle/A");
    LStyle* b = style_at("BasesCycle/B");
    EXPECT_EQ(a->base(), b);
    EXPECT_EQ(b->base(), nullptr);
    EXPECT_EQ(child_names(a), (std::vector<std::string>{"@X", "@Y"}));
    // A base whose child names the style back: resolution still ends.
    LStyle* p = style_at("BasesCycle/P");
    EXPECT_EQ(p->base(), style_at("BasesCycle/Q"));
    EXPECT_EQ(style_at("BasesCycle/Q/Inner")->base(), p);
    for (LStyle* at = p; at; at = at->base()) ASSERT_NE(at->base(), p);
}

TEST(Bases, SameNamedChildrenAreNeitherDoubledNorDropped) {
    struct Case {
        const char* self;
        const char* base;
        std::vector<std::string> children;
    };
    const std::vector<Case> cases = {
        // Two own rows, one base row: the matched (last) row first, the other kept.
        {R"({"Row/a":1,"Row/b":2})", R"({"Row":{"c":3}})", {"Row", "Row"}},
        // One own row, two base rows: both apply to it, it is listed once.
        {R"({"Row":{"a":1}})", R"({"Row/b":2,"Row/c":3})", {"Row"}},
        // No own row, two base rows: both copied.
        {R"({"Other":{}})", R"({"Row/b":2,"Row/c":3})", {"Row", "Row", "Other"}},
    };
    for (const auto& c : cases) {
        LStyle self("Self", Json::parse(c.self), {});
        LStyle base("Base", Json::parse(c.base), {});
        apply_base(&self, &base);
        EXPECT_EQ(child_names(&self), c.children) << c.self << " / " << c.base;
        EXPECT_EQ(self.base(), &base);
    }
    LStyle self("Self", Json::parse(R"({"Row":{"a":1}})"), {});
    LStyle base("Base", Json::parse(R"({"Row/b":2,"Row/c":3})"), {});
    apply_base(&self, &base);
    auto* row = LObject::find_path(&self, "Row");
    EXPECT_EQ(child_names(row), (std::vector<std::string>{"@a", "@b", "@c"}));
}

TEST(Bases, MergeOverwritesAndAdds) {
    LStyle destination("Button",
                       Json::parse(R"({"->":"Base","Fill":{"->":"#1",":Hover":"#h"},"Radius":2,)"
                                   R"("Icon":{"Size":1}})"),
                       {});
    LStyle incoming("Button",
                    Json::parse(R"({"->":"Other","Fill":{"->":"#2",":Hover":"#H",":Down":"#d"},)"
                                R"("Text":"t","Icon":{"Size":3},"Label":{}})"),
                    {});
    merge_style(&destination, &incoming);
    EXPECT_EQ(destination.base_name(), "Base");
    EXPECT_EQ(destination.attribute("Fill")->value(), text("#2"));
    EXPECT_EQ(destination.attribute("Radius")->value(), LValue(2.0));
    EXPECT_EQ(destination.attribute("Text")->value(), text("t"));
    auto variants = destination.attribute("Fill")->collect_variants(false);
    ASSERT_EQ(variants.size(), 2u);
    EXPECT_EQ(variants["Hover"]->value(), text("#H"));
    EXPECT_EQ(variants["Down"]->value(), text("#d"));
    EXPECT_EQ(child_names(&destination),
              (std::vector<std::string>{"@Fill", "@Radius", "Icon", "@Text", "Label"}));
    EXPECT_EQ(LObject::find_path(&destination, "Icon")->attribute("Size")->value(), LValue(3.0));
}
