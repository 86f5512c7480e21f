// The favicon controls with the real generator installed in the hook.

#include "app/site/favicons.h"
#include "favicon_controls_fixture.h"
#include "favicon_fixture.h"

namespace Scribenta {
namespace {

class FaviconControlsGenerator : public FaviconControlsTest {
protected:
    FaviconControlsGenerator() { install_favicon_generator(); }
};

TEST_F(FaviconControlsGenerator, FromLogoWritesTheSetTheTilesShow) {
    favicon_test::wide_svg(dir, "site/images/logo.svg");
    show_site(
        R"({"branding": {"logo_path": "/images/logo.svg", "favicon_background": "#0000ff"}})");
    EXPECT_FALSE(shown_node(fav.preview_row));

    click(fav.from_logo_checkbox);
    EXPECT_EQ(text(fav.hint), "Generated into favicon/ (ships with the next build).");
    EXPECT_TRUE(checked());
    services.advance(30);
    EXPECT_TRUE(shown_node(fav.preview_row));
    ASSERT_EQ(tiles(), generated_tiles());

    const int sizes[] = {512, 32, 16};
    for (std::size_t i = 0; i < 3; ++i) {
        const QImage tile = favicon_test::load(tiles()[i]);
        EXPECT_EQ(tile.width(), sizes[i]) << tiles()[i];
        EXPECT_EQ(tile.height(), sizes[i]) << tiles()[i];
    }
    // The large icon is opaque: the background shows above the wide logo.
    EXPECT_EQ(favicon_test::load(tiles()[0]).pixel(256, 10), 0xff0000ffu);
    EXPECT_EQ(favicon_test::load(tiles()[0]).pixel(256, 256), favicon_test::kRed);
    EXPECT_EQ(favicon_test::load(tiles()[2]).pixel(8, 0), favicon_test::kClear);
    EXPECT_TRUE(std::filesystem::is_regular_file(dir / "site/favicon/favicon.ico"));
}

TEST_F(FaviconControlsGenerator, AChosenSourceThatIsNoImageShowsTheGeneratorsText) {
    show_site("{}");
    services.pick_answer = dir.write("broken.png", "not an image").string();
    click(fav.browse_button);
    EXPECT_EQ(text(fav.hint),
              "Could not read " + (dir / "site/images/broken.png").string() + " as an image.");
    EXPECT_FALSE(shown_node(fav.preview_row));
    EXPECT_TRUE(edits->pending.empty());

    services.pick_answer = favicon_test::wide_png(dir);
    click(fav.browse_button);
    EXPECT_EQ(edits->pending["/branding/favicon_source"], "/images/wide.png");
    services.advance(30);
    EXPECT_EQ(tiles(), generated_tiles());
}

}  // namespace
}  // namespace Scribenta
