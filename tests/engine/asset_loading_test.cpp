#include <sys/stat.h>

#include <string>
#include <vector>

#include "ext/ostrel/engine/asset_loading.h"
#include "tests/engine/theme_fixture.h"

namespace Ostrel {
namespace {

using layers_test::TempDir;
using theme_test::kUnset;
using theme_test::theme_file;
using theme_test::theme_values;
using Strings = std::vector<std::string>;

Layers::LStyle* style_at(const std::string& path) {
    return dynamic_cast<Layers::LStyle*>(Layers::find(Layers::registry(), path));
}

Strings theme_names(const OApp& app) {
    Strings names;
    for (const auto& [name, theme] : app.themes) names.push_back(name);
    return names;
}

struct LoadAssets : theme_test::ThemeTest {
    TempDir styles{"assets-styles"};  // empty: no layer files of its own
    std::string err;

    bool load(const std::string& themes_dir, const std::string& theme_name,
              const std::string& styles_dir = "", const Strings& app_dirs = {}) {
        std::filesystem::create_directories(styles.path() / "widgets");
        std::filesystem::create_directories(styles.path() / "mounts");
        testing::internal::CaptureStderr();
        const bool ok =
            load_assets(app, themes_dir, styles_dir.empty() ? styles.path().string() : styles_dir,
                        theme_name, app_dirs);
        err = testing::internal::GetCapturedStderr();
        return ok;
    }
};

TEST_F(LoadAssets, ActivatesTheRequestedThemeElseTheFirstByName) {
    TempDir themes("assets-themes");
    themes.write("light.json", theme_file("Light", "x", R"("Primary":"#fff")"));
    themes.write("dark.json", theme_file("Dark", "x", R"("Primary":"#000")"));
    themes.write("notes.txt", theme_file("Text", "x"));
    themes.write("upper.JSON", theme_file("Upper", "x"));
    themes.write("broken.json", "{ nope");
    themes.write("_hidden.json", theme_file("Hidden", "x"));  // the "_" rule is for layers only
    themes.write("nested/deep.json", theme_file("Deep", "x"));

    const struct {
        std::string requested, active, primary;
    } cases[] = {
        {"Light (x)", "Light (x)", "#fff"},
        {"Solar (x)", "Dark (x)", "#000"},
        {"", "Dark (x)", "#000"},
    };
    for (const auto& c : cases) {
        app.themes.clear();
        app.theme_name.clear();
        EXPECT_TRUE(load(themes.path().string(), c.requested)) << c.requested;
        EXPECT_EQ(app.theme_name, c.active) << c.requested;
        EXPECT_EQ(theme_values()[2], Layers::LValue(c.primary)) << c.requested;
        EXPECT_EQ(theme_names(app), (Strings{"Dark (x)", "Hidden (x)", "Light (x)"}));
        EXPECT_EQ(err, "") << c.requested;  // a file that is no theme is skipped silently
    }
}

TEST_F(LoadAssets, NoThemeRegisteredIsAFailure) {
    TempDir invalid("assets-invalid");
    invalid.write("a.json", "{");
    invalid.write("b.json", "{}");
    invalid.write("c.json", "null");
    invalid.write("sub/d.json", theme_file("Deep", "x"));
    TempDir empty("assets-empty");
    const std::string file = invalid.write("plain", "{}").string();
    const std::string missing = (empty.path() / "missing").string();

    const struct {
        std::string themes_dir, err;
    } cases[] = {
        {invalid.path().string(), ""},
        {empty.path().string(), ""},
        {missing, "Ostrel::load_assets: Could not read directory: " + missing + "\n"},
        {file, "Ostrel::load_assets: Not a directory: " + file + "\n"},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(load(c.themes_dir, "Dark (x)")) << c.themes_dir;
        EXPECT_EQ(err, c.err);
        EXPECT_TRUE(app.themes.empty()) << c.themes_dir;
        EXPECT_EQ(app.theme_name, "") << c.themes_dir;
        EXPECT_EQ(theme_values()[2], Layers::LValue(kUnset));
    }
    EXPECT_TRUE(persisted.empty());
}

// A named pipe would block a reader for ever; it is not opened.
TEST_F(LoadAssets, ANamedPipeIsNotRead) {
    TempDir themes("assets-fifo");
    themes.write("dark.json", theme_file("Dark", "x"));
    ASSERT_EQ(::mkfifo((themes.path() / "pipe.json").c_str(), 0600), 0);
    EXPECT_TRUE(load(themes.path().string(), "Dark (x)"));
    EXPECT_EQ(theme_names(app), Strings{"Dark (x)"});
}

TEST_F(LoadAssets, MountsLayerDirectoriesAndBindsLinks) {
    TempDir themes("assets-link-themes");
    themes.write("dark.json", theme_file("Dark", "x", R"("Primary":"#123456")"));
    TempDir styles("assets-link-styles");
    styles.write("widgets/button.json", R"({"AssetsButton":{"Fill":"#111","Corner":4}})");
    styles.write("mounts/pane.json", R"({"AssetsPane":{"->":"Ostrel/AssetsButton"}})");
    TempDir app_dir("assets-link-app");
    app_dir.write("main.json", R"({"AssetsApp":{"->":"AssetsPane","Fill":"L:Theme/Primary"}})");
    TempDir app_dir2("assets-link-app2");
    app_dir2.write("more.json", R"({"AssetsApp/Child":{"Text":"hi"}})");

    ASSERT_TRUE(load(themes.path().string(), "Dark (x)", styles.path().string(),
                     {app_dir.path().string(), app_dir2.path().string()}));
    EXPECT_EQ(err, "");
    ASSERT_NE(style_at("Ostrel/AssetsButton"), nullptr);
    EXPECT_EQ(style_at("AssetsButton"), nullptr);
    ASSERT_NE(style_at("AssetsPane"), nullptr);
    EXPECT_NE(style_at("AssetsPane")->attribute("Corner"), nullptr);  // its base was found
    ASSERT_NE(style_at("AssetsApp"), nullptr);
    EXPECT_NE(style_at("AssetsApp/Child"), nullptr);
    auto* fill = style_at("AssetsApp")->attribute("Fill");
    ASSERT_NE(fill->link(), nullptr);
    EXPECT_EQ(fill->link()->target(), theme_test::theme_style()->attribute("Primary"));
    EXPECT_EQ(fill->effective_value(), Layers::LValue("#123456"));
}

TEST_F(LoadAssets, MissingLayerDirectoriesAreReportedAndLoadingGoesOn) {
    TempDir themes("assets-missing-themes");
    themes.write("dark.json", theme_file("Dark", "x"));
    const std::string gone = (themes.path() / "gone").string();
    EXPECT_TRUE(load(themes.path().string(), "Dark (x)", gone, {gone + "/app"}));
    EXPECT_EQ(err, "Layers::read_json_tree: Could not read directory: " + gone + "/widgets\n" +
                       "Layers::read_json_tree: Could not read directory: " + gone + "/mounts\n" +
                       "Layers::read_json_tree: Could not read directory: " + gone + "/app\n");
    EXPECT_EQ(app.theme_name, "Dark (x)");
}

TEST_F(LoadAssets, ShippedThemes) {
    ASSERT_TRUE(load(OSTREL_THEMES_DIR, "Dark (zozeravuderedada)"));
    EXPECT_EQ(err, "");
    EXPECT_EQ(theme_names(app), (Strings{"Dark (zozeravuderedada)", "Light (zozeravuderedada)"}));
    EXPECT_EQ(app.theme_name, "Dark (zozeravuderedada)");
    EXPECT_EQ(theme_values()[2], Layers::LValue("#36393f"));
    for (const auto& [name, theme] : app.themes) {
        for (const char* colour : {"Foreground", "Primary", "Secondary", "Tertiary"}) {
            EXPECT_EQ(theme.string_var(colour).size(), 7u) << name << " " << colour;
        }
        const auto* gradient = std::get_if<Strings>(theme.find_var("Gradient"));
        ASSERT_NE(gradient, nullptr) << name;
        EXPECT_EQ(gradient->size(), 2u) << name;
        EXPECT_FALSE(theme.uuid.empty()) << name;
        EXPECT_FALSE(theme.type.empty()) << name;
    }
}

}  // namespace
}  // namespace Ostrel
