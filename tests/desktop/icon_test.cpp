#include <gtest/gtest.h>
#include <QImage>
#include <QSvgRenderer>
#include <QTimer>

#include "ext/ostrel/desktop/asset_search.h"
#include "ext/ostrel/desktop/editor_widget.h"
#include "ext/ostrel/desktop/icon_widget.h"
#include "tests/desktop/harness.h"

namespace Ostrel {
namespace {

using namespace desktop_test;

constexpr const char* kSquare =
    R"(<svg xmlns="http://www.w3.org/2000/svg" width="20" height="10" viewBox="0 0 20 10">)"
    R"(<rect width="20" height="10" fill="#000000"/></svg>)";

struct IconFolders : testing::Test {
    TempFolder first{"icons-first"};
    TempFolder second{"icons-second"};

    void SetUp() override {
        qt_app();
        second.write("both.svg", kSquare);
        second.write("only.svg", kSquare);
        second.write("logo.png", "png");
        first.write("both.svg", "<svg id=\"first\"/>");
        set_icon_dirs({first.path().string(), second.path().string()});
    }
    void TearDown() override { set_icon_dirs({}); }
};

TEST_F(IconFolders, LookupFollowsTheFolderOrder) {
    EXPECT_EQ(read_icon_svg("both"), "<svg id=\"first\"/>");
    EXPECT_EQ(icon_svg_text("only"), kSquare);
    EXPECT_EQ(read_icon_svg("missing"), "");
    EXPECT_EQ(read_icon_svg(""), "");
    EXPECT_EQ(resolve_icon_path("logo.png"), (second.path() / "logo.png").string());
    EXPECT_EQ(resolve_icon_path("none.png"), "");
}

TEST_F(IconFolders, TintedFittedAndSizedFromTheSvg) {
    IconWidget icon("only");
    icon.tint = "#ff0000";
    icon.refresh();
    NodeStyle style;
    style.height = 12;
    apply_icon_size(&icon, style);
    EXPECT_EQ(icon.minimumSize(), QSize(24, 12));
    EXPECT_EQ(icon.maximumSize(), QSize(24, 12));
    icon.resize(24, 12);
    const QImage image = icon.grab().toImage();
    EXPECT_EQ(image.pixelColor(12, 6), QColor(255, 0, 0));
    EXPECT_EQ(icon.frame_timer, nullptr);  // not animated: no frame timer

    // Only an animated icon gets the 16 ms frame timer.
    second.write("spin.svg",
                 R"(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10">)"
                 R"(<rect width="10" height="10" fill="#000000"><animate attributeName="width" )"
                 R"(from="0" to="10" dur="1s" repeatCount="indefinite"/></rect></svg>)");
    IconWidget spinner("spin");
    ASSERT_NE(spinner.frame_timer, nullptr);
    EXPECT_EQ(spinner.frame_timer->interval(), 16);
    EXPECT_TRUE(spinner.frame_timer->isActive());
    spinner.set_source("only");
    EXPECT_EQ(spinner.frame_timer, nullptr);

    IconWidget missing("missing");
    EXPECT_FALSE(missing.renderer->isValid());
}

TEST_F(IconFolders, EditorLeadingIconShiftsTheText) {
    LayerFixture layers("lead-icon");
    layers.add_layer("screen.json", R"json({"LeadApp": {"->": "S:Ostrel/Box",
        "Search": {"->": "S:Ostrel/Editor", "Source": "only", "Placeholder": "Search",
            "Size.Height": 40, "Text Color": "#ffffff"}}})json");
    OApp app;
    ASSERT_TRUE(layers.load(app));
    app.set_root("LeadApp");
    ViewHarness view(app);
    auto* editor = view.widget_as<EditorWidget>("LeadApp/Search");
    ASSERT_NE(editor->lead_icon, nullptr);
    EXPECT_EQ(editor->icon_size, 16);   // 14 x 1.15 + 0.5
    EXPECT_EQ(editor->icon_inset, 22);  // 16 + 14 x 0.4 + 0.5
    EXPECT_EQ(editor->lead_icon->geometry(), QRect(4, 12, 16, 16));
    EXPECT_EQ(editor->label_rest.x(), 26);
    EXPECT_EQ(editor->lead_icon->opacity, 0.5);
}

}  // namespace
}  // namespace Ostrel
