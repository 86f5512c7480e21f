#include "tests/layers/helpers.h"

using namespace Layers;
using namespace layers_test;

namespace {

// Resolves every link below `style` and returns what was written to stderr.
std::string bind_all(LStyle* style) {
    testing::internal::CaptureStderr();
    resolve_links(style);
    return testing::internal::GetCapturedStderr();
}

}  // namespace

TEST(Links, BareNameFindsSiblingOnly) {
    LStyle root;
    auto* app = add_style(&root, "LinkApp");
    add_attribute(app, "Accent", "#outer");
    auto* button = add_style(app, "Button");
    auto* accent = add_attribute(button, "Accent", "#inner");
    auto* fill = add_attribute(button, "Fill", "L:Accent");
    auto* border = add_attribute(button, "Border", Json::parse(R"({":Hover":"L:Accent"})"));
    auto* text_color = add_attribute(button, "Text", "L:Missing");

    EXPECT_EQ(bind_all(&root),
              "Layers: unresolved link \"L:Accent\" on attribute \"LinkApp/Button/Border.Hover\"\n"
              "Layers: unresolved link \"L:Missing\" on attribute \"LinkApp/Button/Text\"\n");
    EXPECT_EQ(fill->link()->target(), accent);
    EXPECT_EQ(accent->dependents(), std::vector<LAttribute*>{fill});
    EXPECT_EQ(border->collect_variants(false).at("Hover")->link()->target(), nullptr);
    EXPECT_EQ(text_color->effective_value(), LValue());
}

TEST(Links, StylePathTriedBelowTopLevelStyleThenRoot) {
    LStyle* root = Registry::root(registry());
    auto* app = add_style(root, "LinksTop");
    auto* local_theme = add_style(app, "LinksTheme");
    auto* local = add_attribute(local_theme, "Primary", "#local");
    auto* global_theme = add_style(root, "LinksTheme");
    auto* global = add_attribute(global_theme, "Primary", "#global");
    add_attribute(global_theme, "Secondary", "#global2");
    auto* pane = add_style(add_style(app, "Window"), "Pane");
    auto* fill = add_attribute(pane, "Fill", "L:LinksTheme/Primary");
    auto* border = add_attribute(pane, "Border", "L:LinksTheme/Secondary");
    auto* lone = std::make_unique<LAttribute>("Lone", Json("L:LinksTheme/Primary")).release();
    std::unique_ptr<LAttribute> lone_owner(lone);

    EXPECT_EQ(bind_all(app),
              "Layers: unresolved link \"L:LinksTheme/Secondary\" on attribute "
              "\"LinksTop/Window/Pane/Border\"\n");
    EXPECT_EQ(fill->link()->target(), local);
    EXPECT_EQ(border->link()->target(), nullptr);  // LinksTop/LinksTheme exists, lacks it
    EXPECT_TRUE(lone->link()->resolve(lone));      // no style ancestor: root only
    EXPECT_EQ(lone->link()->target(), global);
    lone_owner.reset();
    EXPECT_TRUE(global->dependents().empty());

    // Without an owner there is no sibling to find, only the root.
    AttributeLink ownerless_path("LinksTheme/Primary", "");
    EXPECT_TRUE(ownerless_path.resolve(nullptr));
    EXPECT_EQ(ownerless_path.target(), global);
    AttributeLink ownerless_name("Primary", "");
    EXPECT_FALSE(ownerless_name.resolve(nullptr));
}

TEST(Links, EmptyPathNeverWarnsNorBinds) {
    LStyle style("S");
    auto* empty = add_attribute(&style, "E", "L:");
    auto* relative = add_attribute(&style, "R", Json::parse(R"({"link_relative":"../A"})"));
    EXPECT_EQ(bind_all(&style), "");
    EXPECT_EQ(empty->link()->target(), nullptr);
    EXPECT_EQ(relative->link()->target(), nullptr);
}

TEST(Links, CyclesAreRefusedWhenBinding) {
    LStyle style("Cyc");
    auto* self = add_attribute(&style, "Self", "L:Self");
    auto* a = add_attribute(&style, "A", "L:B");
    auto* b = add_attribute(&style, "B", "L:C");
    auto* c = add_attribute(&style, "C", "L:A");

    EXPECT_EQ(bind_all(&style),
              "Layers: cyclic link \"L:A\" on attribute \"Cyc/C\"\n"
              "Layers: cyclic link \"L:Self\" on attribute \"Cyc/Self\"\n");
    EXPECT_EQ(self->link()->target(), nullptr);
    EXPECT_EQ(a->link()->target(), b);
    EXPECT_EQ(b->link()->target(), c);
    EXPECT_EQ(c->link()->target(), nullptr);
    a->set_value(LValue(1.0));  // ends
    EXPECT_EQ(a->effective_value(), LValue(1.0));
    EXPECT_EQ(c->value(), LValue(1.0));

    // Copying a bound link onto the end of its own chain is refused too.
    LStyle other("Other");
    auto* x = add_attribute(&other, "X", 1);
    auto* y = add_attribute(&other, "Y", "L:X");
    resolve_links(&other);
    auto* z = add_attribute(&other, "Z", 0);
    AttributeLink to_y("Y", "");
    ASSERT_TRUE(to_y.resolve(z));
    testing::internal::CaptureStderr();
    x->set_link(&to_y);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Layers: cyclic link \"L:Y\" on attribute \"Other/X\"\n");
    EXPECT_EQ(x->link()->target(), nullptr);
    EXPECT_EQ(y->effective_value(), LValue());
}

TEST(Links, BindingAgainMovesTheDependent) {
    // A later same-named attribute takes over the name; binding again must
    // leave the old target, or its destruction would reach a freed owner.
    auto style = std::make_unique<LStyle>("Rebind");
    auto* old_target = add_attribute(style.get(), "A", 1);
    auto* owner = add_attribute(style.get(), "C", "L:A");
    EXPECT_EQ(bind_all(style.get()), "");
    auto* new_target = add_attribute(style.get(), "A", 2);
    EXPECT_EQ(bind_all(style.get()), "");
    EXPECT_EQ(owner->link()->target(), new_target);
    EXPECT_TRUE(old_target->dependents().empty());
    EXPECT_EQ(new_target->dependents(), std::vector<LAttribute*>{owner});

    // Binding the owner's own link directly keeps the lists right as well.
    auto* newest = add_attribute(style.get(), "A", 3);
    ASSERT_TRUE(owner->link()->resolve(owner));
    EXPECT_TRUE(new_target->dependents().empty());
    EXPECT_EQ(newest->dependents(), std::vector<LAttribute*>{owner});
    style->children()[3].reset();  // the target goes first: the owner keeps its value
    EXPECT_EQ(owner->link(), nullptr);
    EXPECT_EQ(owner->value(), LValue(3.0));

    style->children()[1].reset();
    EXPECT_TRUE(new_target->dependents().empty());
    style.reset();
}

TEST(Links, RelativePathAgainstGivenStyle) {
    LStyle root;
    auto* app = add_style(&root, "App");
    auto* app_accent = add_attribute(app, "Accent", 1);
    auto* button = add_style(app, "Button");
    auto* own_accent = add_attribute(button, "Accent", 2);

    struct Case {
        std::string relative;
        LStyle* from;
        LAttribute* expected;
    };
    const std::vector<Case> cases = {
        {"../Accent", button, app_accent}, {"./Accent", button, own_accent},
        {"Accent", button, own_accent},    {"././Accent", button, own_accent},
        {"../..", app, nullptr},           {"../../..", button, nullptr},
        {"..", button, nullptr},           {"Accent/..", button, nullptr},
        {"../Accent", nullptr, nullptr},   {"", button, nullptr},
    };
    for (const auto& c : cases) {
        AttributeLink link("", c.relative);
        EXPECT_EQ(link.resolve_against(c.from), c.expected) << c.relative;
        EXPECT_EQ(link.target(), nullptr);
    }
}

TEST(Links, StripLinkPrefixRemovesFirstOccurrence) {
    EXPECT_EQ(strip_link_prefix("L:A/B"), "A/B");
    EXPECT_EQ(strip_link_prefix("A/L:BL:C"), "A/BL:C");
    EXPECT_EQ(strip_link_prefix("plain"), "plain");
}
