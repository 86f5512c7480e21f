// Renders a fixture screen in both framework themes. With OSTREL_TEST_SHOTS
// set to a folder, the pictures are written there as PNG files to look at.

#include <gtest/gtest.h>
#include <QDir>

#include "ext/ostrel/desktop/vbox_widget.h"
#include "tests/desktop/harness.h"

namespace Ostrel {
namespace {

using namespace desktop_test;

constexpr const char* kShotScreen = R"json({"ShotApp": {"->": "S:Ostrel/Box",
    "Fill": "L:Theme/Primary", "Padding.(Left,Top,Right,Bottom)": 16, "Layout.Spacing": 12,
    "Layout.Align": "Stretch", "Layout.Justify": "Start",
    "Bar": {"->": "S:Ostrel/Box", "Layout.Direction": "Row", "Fill": "L:Theme/Gradient",
        "Padding.(Left,Right)": 12, "Size.Height": 44, "Layout.Spacing": 8,
        "Corner Radii.(Top Left,Top Right,Bottom Left,Bottom Right)": 10,
        "Title": {"->": "S:Ostrel/Text", "Text": "Scribenta", "Font.Size": 18, "Font.Weight": 600,
            "Text Color": "L:Theme/Foreground"},
        "Gap": {"->": "S:Ostrel/Box", "Layout.Grow": 1},
        "Min": {"->": "S:Ostrel/Button", "Text": "_", "Intent": "window:minimize",
            "Size.(Width,Height)": 28, "Text Color": "L:Theme/Foreground"},
        "Close": {"->": "S:Ostrel/Button", "Text": "x", "Intent": "window:close",
            "Size.(Width,Height)": 28, "Fill": "#c94f4f", "Text Color": "#ffffff",
            "Corner Radii.(Top Left,Top Right,Bottom Left,Bottom Right)": 14}},
    "Form": {"->": "S:Ostrel/Box", "Fill": "L:Theme/Secondary", "Border.Thickness": 1,
        "Border.Fill": "L:Theme/Tertiary", "Padding.(Left,Top,Right,Bottom)": 12,
        "Layout.Spacing": 10, "Layout.Align": "Stretch",
        "Corner Radii.(Top Left,Top Right,Bottom Left,Bottom Right)": 8,
        "Heading": {"->": "S:Ostrel/Text", "Text": "Website", "Font.Size": 15, "Font.Weight": 700,
            "Text Color": "L:Theme/Foreground"},
        "Title Field": {"->": "S:Ostrel/Editor", "Placeholder": "Title", "Text": "My docs",
            "Fill": "L:Theme/Tertiary", "Text Color": "L:Theme/Foreground",
            "Padding.(Left,Top,Right,Bottom)": 6, "Size.Height": 48,
            "Corner Radii.(Top Left,Top Right,Bottom Left,Bottom Right)": 6},
        "URL Field": {"->": "S:Ostrel/Editor", "Placeholder": "Site URL",
            "Fill": "L:Theme/Tertiary", "Text Color": "L:Theme/Foreground",
            "Padding.(Left,Top,Right,Bottom)": 6, "Size.Height": 48,
            "Corner Radii.(Top Left,Top Right,Bottom Left,Bottom Right)": 6},
        "Kind": {"->": "S:Ostrel/Combo Box", "Fill": "L:Theme/Tertiary",
            "Text Color": "L:Theme/Foreground", "Padding.(Left,Top,Right,Bottom)": 6,
            "Size.Height": 36, "Corner Radii.(Top Left,Top Right,Bottom Left,Bottom Right)": 6},
        "Notes": {"->": "S:Ostrel/Editor", "Multiline": 1, "Placeholder": "Notes",
            "Fill": "L:Theme/Tertiary", "Text Color": "L:Theme/Foreground",
            "Padding.(Left,Top,Right,Bottom)": 6, "Size.Height": 90},
        "Save": {"->": "S:Ostrel/Button", "Text": "Save", "Fill": "#3b82f6",
            "Text Color": "#ffffff", "Padding.(Left,Top,Right,Bottom)": 8,
            "Size.Max Width": 120,
            "Corner Radii.(Top Left,Top Right,Bottom Left,Bottom Right)": 6}},
    "Faded": {"->": "S:Ostrel/Text", "Text": "Half opacity text", "Opacity": 0.5,
        "Text Color": "L:Theme/Foreground", "Font.Size": 13},
    "Extras": {"->": "S:Ostrel/Box", "Layout.Direction": "Row", "Layout.Spacing": 12,
        "Layout.Align": "Start",
        "Doc": {"->": "S:Ostrel/Markdown", "Size.Width": 300, "Font.Size": 13,
            "Text Color": "L:Theme/Foreground",
            "Text": "**Markdown** with `inline code` and a [link](https://example.org)."},
        "Code": {"->": "S:Ostrel/QR", "Data": "https://example.org", "Size.(Width,Height)": 96,
            "Padding.(Left,Top,Right,Bottom)": 6, "Fill": "#ffffff", "Text Color": "#000000",
            "Corner Radii.(Top Left,Top Right,Bottom Left,Bottom Right)": 6}},
    "Status": {"->": "S:Ostrel/Box", "Overlay": "PinnedBottom", "Size.Height": 28,
        "Fill": "L:Theme/Tertiary", "Padding.Left": 16, "Layout.Justify": "Start",
        "Layout.Align": "Start", "Layout.Direction": "Row",
        "Note": {"->": "S:Ostrel/Text", "Text": "Pinned status bar", "Font.Size": 12,
            "Text Color": "L:Theme/Foreground"}},
    "Drawer": {"->": "S:Ostrel/Box", "Overlay": "SideSheet", "Size.Max Width": 160,
        "Fill": "L:Theme/Secondary", "Padding.(Left,Top)": 12,
        "Transform.Offset X": {"->": 1, ":Open": 0},
        "Label": {"->": "S:Ostrel/Text", "Text": "Side sheet", "Font.Size": 14,
            "Text Color": "L:Theme/Foreground"}}
}})json";

TEST(Screenshot, FixtureScreenInBothThemes) {
    LayerFixture layers("shot");
    layers.add_layer("screen.json", kShotScreen);
    const QString folder = qEnvironmentVariable("OSTREL_TEST_SHOTS");
    for (const std::string& theme : {kDarkTheme, kLightTheme}) {
        OApp app;
        ASSERT_TRUE(layers.load(app, theme));
        app.set_root("ShotApp");
        app.set_options("ShotApp/Form/Kind", {{"site", "Site"}, {"project", "Project"}});
        app.values["ShotApp/Form/Notes"] = "First line\nSecond line";
        ViewHarness view(app, QSize(520, 720));
        view.render();
        const QImage image = view.grab();
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.pixelColor(4, 4),
                  QColor(QString::fromStdString(app.themes.at(theme).string_var("Primary"))));
        const QString name = theme == kDarkTheme ? "dark.png" : "light.png";
        if (!folder.isEmpty()) {
            QDir().mkpath(folder);
            EXPECT_TRUE(view.save_png(folder + "/" + name));
        }
        // The same screen with the side sheet slid in over its scrim.
        app.node_states["ShotApp/Drawer"] = {"Open"};
        view.render();
        ASSERT_TRUE(wait_until([&] { return !view.entry("ShotApp/Drawer")->animating; }));
        EXPECT_TRUE(view.entry("ShotApp/Drawer")->scrim->isVisible());
        if (!folder.isEmpty()) {
            EXPECT_TRUE(view.save_png(folder + "/drawer-" + name));
        }
    }
}

}  // namespace
}  // namespace Ostrel
