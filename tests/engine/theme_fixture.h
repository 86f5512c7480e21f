#pragma once

// Shared by the theme tests: the top-level layer style "Theme" that themes are
// written into, and small theme files.

#include <string>
#include <vector>

#include "ext/ostrel/engine/oapp.h"
#include "tests/layers/helpers.h"

namespace theme_test {

inline const std::vector<std::string> kThemeAttributes = {"Foreground", "Gradient", "Primary",
                                                          "Secondary",  "Tertiary", "Accent"};
inline const std::string kUnset = "unset";

// "Theme" is a fixed top-level name and the layer registry is process-wide,
// so it is loaded once; "ThemeUser" links to it. Every attribute starts as
// kUnset, so a test sees exactly what was written.
inline Layers::LStyle* theme_style() {
    static Layers::LStyle* style = [] {
        layers_test::TempDir dir("theme-style");
        std::string members;
        for (const std::string& name : kThemeAttributes) {
            members += (members.empty() ? "" : ",") + ("\"" + name + "\":\"" + kUnset + "\"");
        }
        dir.write("theme.json",
                  "{\"Theme\":{" + members + R"(},"ThemeUser":{"Fill":"L:Theme/Primary"}})");
        Layers::load_directory(Layers::registry(), dir.path().string(), "");
        Layers::resolve_links(Layers::Registry::root(Layers::registry()));
        return dynamic_cast<Layers::LStyle*>(Layers::find(Layers::registry(), "Theme"));
    }();
    return style;
}

inline void reset_theme_style() {
    for (const std::string& name : kThemeAttributes) {
        theme_style()->attribute(name)->set_value(kUnset);
    }
}

// The values of kThemeAttributes, in that order.
inline std::vector<Layers::LValue> theme_values() {
    std::vector<Layers::LValue> values;
    for (const std::string& name : kThemeAttributes) {
        values.push_back(theme_style()->attribute(name)->value());
    }
    return values;
}

// A theme file: {"<name>": {"_meta": {"publisher": ...}, <members>}}.
inline std::string theme_file(const std::string& name, const std::string& publisher,
                              const std::string& members = "") {
    std::string body = R"("_meta":{"publisher":")" + publisher + "\"}";
    if (!members.empty()) body += "," + members;
    return "{\"" + name + "\":{" + body + "}}";
}

// Resets the "Theme" style before each test and records every persist call.
struct ThemeTest : testing::Test {
    Ostrel::OApp app;
    std::vector<std::string> persisted;

    void SetUp() override {
        reset_theme_style();
        app.theme_persist = [this](const std::string& name) { persisted.push_back(name); };
    }
};

}  // namespace theme_test
