#include <string>
#include <vector>

#include "ext/ostrel/engine/theme_activation.h"
#include "tests/engine/theme_fixture.h"

namespace Ostrel {
namespace {

using theme_test::kUnset;
using theme_test::theme_file;
using theme_test::theme_values;
using Values = std::vector<Layers::LValue>;
using Strings = std::vector<std::string>;

const Layers::LValue kEmpty = std::monostate{};

struct ThemeActivation : theme_test::ThemeTest {};

TEST_F(ThemeActivation, ApplyWritesFiveVariablesAndDefaultsTheMissingOnes) {
    struct Case {
        std::string members;
        Values expected;  // Foreground, Gradient, Primary, Secondary, Tertiary, Accent
    };
    const std::vector<Case> cases = {
        {R"("Foreground":"#fff","Gradient":["0:#111","1:#222"],"Primary":"#333",)"
         R"("Secondary":"#444","Tertiary":"#555","Accent":"#666")",
         {"#fff", Strings{"0:#111", "1:#222"}, "#333", "#444", "#555", kUnset}},
        // Missing variables go back to their defaults, one after the other.
        {R"("Primary":"#333")",
         {"#e3e3e3", Strings{"0:#3a3c42", "1:#42454d"}, "#333", "#2f3136", "#25272b", kUnset}},
        // A null variable exists and is written as an empty value; kinds pass through.
        {R"("Primary":null,"Foreground":1,"Tertiary":true)",
         {1.0, Strings{"0:#3a3c42", "1:#42454d"}, kEmpty, "#2f3136", true, kUnset}},
    };
    for (const Case& c : cases) {
        ThemeInfo theme;
        ASSERT_TRUE(parse_theme_json(theme_file("T", "x", c.members), theme));
        apply_theme(app, theme);
        EXPECT_EQ(theme_values(), c.expected) << c.members;
    }
    // A linked style follows what was written into "Theme".
    auto* user = dynamic_cast<Layers::LStyle*>(Layers::find(Layers::registry(), "ThemeUser"));
    EXPECT_EQ(user->attribute("Fill")->effective_value(), kEmpty);
}

TEST_F(ThemeActivation, LoadRegistersWithoutActivatingAndReloadReapplies) {
    EXPECT_EQ(app.load_theme_file("not json"), "");
    EXPECT_EQ(app.load_theme_file("{}"), "");
    EXPECT_EQ(app.load_theme_file(theme_file("Dark", "x", R"("Primary":"#100")")), "Dark (x)");
    EXPECT_EQ(app.theme_name, "");
    EXPECT_EQ(theme_values()[2], Layers::LValue(kUnset));

    ASSERT_TRUE(app.set_theme("Dark (x)"));
    EXPECT_EQ(theme_values()[2], Layers::LValue("#100"));
    // The same display name again replaces the record and shows it at once.
    EXPECT_EQ(app.load_theme_file(theme_file("Dark", "x", R"("Primary":"#200")")), "Dark (x)");
    EXPECT_EQ(theme_values()[2], Layers::LValue("#200"));
    EXPECT_EQ(app.themes.at("Dark (x)").string_var("Primary"), "#200");
    // Another theme loaded meanwhile is not applied.
    EXPECT_EQ(app.load_theme_file(theme_file("Light", "x", R"("Primary":"#fff")")), "Light (x)");
    EXPECT_EQ(theme_values()[2], Layers::LValue("#200"));
    EXPECT_EQ(app.theme_name, "Dark (x)");
    EXPECT_EQ(persisted, Strings{"Dark (x)"});
}

TEST_F(ThemeActivation, SetThemePersistsOnlyAChangedName) {
    app.load_theme_file(theme_file("Dark", "x", R"("Primary":"#100")"));
    app.load_theme_file(theme_file("Light", "x", R"("Primary":"#fff")"));
    EXPECT_FALSE(app.set_theme("Solar (x)"));
    EXPECT_EQ(app.theme_name, "");
    EXPECT_EQ(theme_values()[2], Layers::LValue(kUnset));

    EXPECT_TRUE(app.set_theme("Dark (x)"));
    EXPECT_TRUE(app.set_theme("Dark (x)"));
    EXPECT_TRUE(app.set_theme("Light (x)"));
    app.set_theme_name("Light (x)");
    EXPECT_EQ(theme_values()[2], Layers::LValue("#fff"));
    EXPECT_EQ(persisted, (Strings{"Dark (x)", "Light (x)"}));

    app.theme_persist = nullptr;  // no hook installed yet: nothing to call
    EXPECT_TRUE(app.set_theme("Dark (x)"));
    EXPECT_EQ(app.theme_name, "Dark (x)");
}

// The hook is called through a copy: one that replaces itself on its first
// call still finishes that call on intact captures.
TEST_F(ThemeActivation, PersistHookMayReplaceItselfWhileRunning) {
    app.load_theme_file(theme_file("Dark", "x"));
    app.load_theme_file(theme_file("Light", "x"));
    const std::string tail(64, 'x');  // heap-held capture, freed with the callable
    app.theme_persist = [this, tail](const std::string& name) {
        app.theme_persist = [this](const std::string& next) { persisted.push_back("2:" + next); };
        persisted.push_back("1:" + name + tail.substr(0, 0));
    };
    EXPECT_TRUE(app.set_theme("Dark (x)"));
    EXPECT_TRUE(app.set_theme("Light (x)"));
    EXPECT_EQ(persisted, (Strings{"1:Dark (x)", "2:Light (x)"}));
}

TEST_F(ThemeActivation, RemoveTheme) {
    struct Case {
        Strings registered;
        std::string remove;  // "@active" passes app.theme_name itself
        bool removed;
        std::string active_after;
        Strings persisted;
    };
    const std::vector<Case> cases = {
        {{"Dark", "Light", "Solar"}, "Dark (x)", true, "Light (x)", {"Light (x)"}},
        {{"Dark", "Light", "Solar"}, "Light (x)", true, "Dark (x)", {}},
        {{"Dark", "Light", "Solar"}, "Moon (x)", false, "Dark (x)", {}},
        {{"Dark"}, "Dark (x)", false, "Dark (x)", {}},
        // The name passed may be the active name itself, which switching changes.
        {{"Dark", "Light"}, "@active", true, "Light (x)", {"Light (x)"}},
        {{"Abyss", "Dark"}, "Dark (x)", true, "Abyss (x)", {"Abyss (x)"}},
    };
    for (const Case& c : cases) {
        OApp store;
        for (const std::string& name : c.registered) {
            store.load_theme_file(theme_file(name, "x", "\"Primary\":\"" + name + "\""));
        }
        store.set_theme("Dark (x)");
        Strings calls;
        store.theme_persist = [&calls](const std::string& name) { calls.push_back(name); };

        const bool removed =
            store.remove_theme(c.remove == "@active" ? store.theme_name : c.remove);
        EXPECT_EQ(removed, c.removed) << c.remove;
        EXPECT_EQ(store.theme_name, c.active_after) << c.remove;
        EXPECT_EQ(calls, c.persisted) << c.remove;
        EXPECT_EQ(store.themes.size(), c.registered.size() - (removed ? 1 : 0)) << c.remove;
        EXPECT_TRUE(store.themes.count(store.theme_name)) << c.remove;
        EXPECT_EQ(theme_values()[2],
                  Layers::LValue(c.active_after.substr(0, c.active_after.find(' '))))
            << c.remove;
    }
}

// The dispatcher's theme-row step activates the row's theme through set_theme.
TEST_F(ThemeActivation, ClickOnAThemeRow) {
    app.load_theme_file(theme_file("Dark", "x", R"("Primary":"#100")"));
    app.load_theme_file(theme_file("Light", "x", R"("Primary":"#fff","Secondary":"#eee")"));
    app.theme_rows["App/Themes/Light (x)"] = "Light (x)";
    app.theme_rows["App/Themes/Gone (x)"] = "Gone (x)";

    app.dispatch_event("App/Themes/Gone (x)", "click");
    EXPECT_EQ(app.theme_name, "");
    EXPECT_EQ(theme_values()[2], Layers::LValue(kUnset));

    app.dispatch_event("App/Themes/Light (x)", "click");
    EXPECT_EQ(app.theme_name, "Light (x)");
    EXPECT_EQ(theme_values(), (Values{"#e3e3e3", Strings{"0:#3a3c42", "1:#42454d"}, "#fff", "#eee",
                                      "#25272b", kUnset}));
    EXPECT_EQ(persisted, Strings{"Light (x)"});
}

}  // namespace
}  // namespace Ostrel
