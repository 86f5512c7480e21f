#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ext/ostrel/engine/oapp.h"

namespace Ostrel {
namespace {

TEST(OAppStore, StartsEmptyWithTheMobileFactors) {
    const OApp app;
    EXPECT_TRUE(app.theme_name.empty() && app.themes.empty() && app.root_name.empty());
    EXPECT_TRUE(app.texts.empty() && app.values.empty() && app.node_states.empty());
    EXPECT_TRUE(app.condition_tags.empty() && app.hidden.empty() && app.rows.empty());
    EXPECT_EQ(app.mobile_icon_scale, 1.5);
    EXPECT_EQ(app.mobile_font_scale, 1.25);
    EXPECT_EQ(app.mobile_spacing_scale, 1.25);
    EXPECT_EQ(app.scroll_total, 0);
    EXPECT_EQ(app.viewport_height, 0);
    EXPECT_FALSE(app.uses_viewport_height);
    EXPECT_FALSE(app.http_service || app.process_service || app.timer_service);
    EXPECT_FALSE(app.after_callback || app.store_persist || app.theme_persist);
    EXPECT_EQ(app.last_tree, nullptr);
}

TEST(OAppStore, RegistrationReplacesAndNeverCalls) {
    OApp app;
    int first = 0;
    int second = 0;
    app.on_click("App/B", [&] { ++first; });
    app.on_click("App/B", [&] { ++second; });
    app.on_change("App/E", [&](const std::string&) { ++first; });
    app.on_select("App/C", [&](const std::string&) { ++first; });
    app.on_row_action("rows", [&](auto&, auto&, auto&) { ++first; });
    app.on_rows("rows", [&](const std::vector<ListEntry>&) { ++first; });
    app.set_root("App");
    EXPECT_EQ(first + second, 0);
    EXPECT_EQ(app.root_name, "App");
    ASSERT_EQ(app.click_handlers.size(), 1u);
    app.click_handlers["App/B"]();
    EXPECT_EQ(second, 1);
    EXPECT_EQ(first, 0);
}

TEST(OAppStore, ImagesAndVisibility) {
    OApp app;
    app.set_image("App/Logo", "logo.png");
    EXPECT_EQ(app.images.at("App/Logo"), "logo.png");
    app.set_image("App/Logo", "");
    EXPECT_EQ(app.images.count("App/Logo"), 0u);

    app.set_visible("App/Dialog", false);
    app.set_visible("App/Dialog", false);
    EXPECT_EQ(app.hidden, (std::set<std::string>{"App/Dialog"}));
    app.set_visible("App/Dialog", true);
    EXPECT_TRUE(app.hidden.empty());
}

TEST(OAppStore, StateWords) {
    OApp app;
    app.toggle_state("App/Row", "Selected");
    EXPECT_EQ(app.node_states.at("App/Row"), (std::set<std::string>{"Selected"}));
    app.toggle_state("App/Row", "Selected");
    ASSERT_EQ(app.node_states.count("App/Row"), 1u);  // entry stays, now empty
    EXPECT_TRUE(app.node_states.at("App/Row").empty());

    app.set_checked("App/Box", true);
    app.toggle_state("App/Box", "Invalid");
    EXPECT_TRUE(app.is_checked("App/Box"));
    app.set_checked("App/Box", false);
    EXPECT_FALSE(app.is_checked("App/Box"));
    EXPECT_EQ(app.node_states.at("App/Box"), (std::set<std::string>{"Invalid"}));

    app.set_checked("App/Other", false);  // creates the entry it modifies
    EXPECT_EQ(app.node_states.count("App/Other"), 1u);
}

TEST(OAppStore, LookupsCreateNothing) {
    OApp app;
    app.values["App/E"] = "text";
    app.store["update.check_hours"] = "24";
    EXPECT_EQ(app.value("App/E"), "text");
    EXPECT_EQ(app.store_get("update.check_hours"), "24");
    EXPECT_EQ(app.value("App/Missing"), "");
    EXPECT_EQ(app.store_get("missing"), "");
    EXPECT_FALSE(app.is_checked("App/Missing"));
    EXPECT_EQ(app.values.size(), 1u);
    EXPECT_EQ(app.store.size(), 1u);
    EXPECT_TRUE(app.node_states.empty());
}

TEST(OAppStore, SetOptionsKeepsAValidSelectionElseTakesTheFirst) {
    const std::vector<ComboOption> xy = {{"x", "Ex"}, {"y", "Why"}};
    struct Case {
        const char* before;  // null: no selection entry yet
        std::vector<ComboOption> options;
        std::string after;
    };
    const Case cases[] = {
        {"y", xy, "y"},     {"x", xy, "x"}, {"z", xy, "x"},
        {"Why", xy, "x"},  // a label is not a value
        {nullptr, xy, "x"}, {"y", {}, ""},  {nullptr, {}, ""},
    };
    for (const auto& c : cases) {
        OApp app;
        int selected = 0;
        app.on_select("App/Combo", [&](const std::string&) { ++selected; });
        if (c.before != nullptr) app.selection["App/Combo"] = c.before;
        app.set_options("App/Combo", c.options);
        EXPECT_EQ(app.selection.at("App/Combo"), c.after);
        EXPECT_EQ(app.options.at("App/Combo"), c.options);
        EXPECT_EQ(selected, 0);
    }
}

TEST(OAppStore, SelectOptionTakesOnlyAnOptionValue) {
    OApp app;
    app.select_option("App/Combo", "x");  // no options: nothing, not even an entry
    EXPECT_TRUE(app.selection.empty());

    app.set_options("App/Combo", {{"x", "Ex"}, {"y", "Why"}});
    app.select_option("App/Combo", "Why");
    EXPECT_EQ(app.selection.at("App/Combo"), "x");
    app.select_option("App/Combo", "y");
    EXPECT_EQ(app.selection.at("App/Combo"), "y");
}

TEST(OAppStore, RowsAndRowHooks) {
    OApp app;
    app.set_rows("facts", {{"a", {}}});  // no hook: only the rows change
    ASSERT_EQ(app.rows.at("facts").size(), 1u);

    std::vector<std::string> seen;
    app.on_rows("facts", [&](const std::vector<ListEntry>& rows) {
        for (const auto& row : rows) seen.push_back(row.id);
    });
    EXPECT_TRUE(seen.empty());  // not called for rows already set

    app.set_rows("facts", {{"b", {{"label", "B"}}}, {"c", {}}});
    EXPECT_EQ(seen, (std::vector<std::string>{"b", "c"}));
    EXPECT_EQ(app.rows.at("facts")[0].fields.at("label"), "B");
}

TEST(OAppStore, EmptyRowHookIsSkipped) {
    OApp app;
    app.on_rows("facts", RowsHook());
    EXPECT_NO_THROW(app.set_rows("facts", {{"a", {}}}));
    EXPECT_EQ(app.rows.at("facts").size(), 1u);
}

TEST(OAppStore, RowHookMayRemoveItselfWhileRunning) {
    OApp app;
    int calls = 0;
    app.on_rows("facts", [&](const std::vector<ListEntry>& rows) {
        app.row_hooks.erase("facts");  // destroys the stored callable
        calls += static_cast<int>(rows.size());
    });
    app.set_rows("facts", {{"a", {}}, {"b", {}}});
    app.set_rows("facts", {{"c", {}}});
    EXPECT_EQ(calls, 2);
}

}  // namespace
}  // namespace Ostrel
