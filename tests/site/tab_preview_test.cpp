#include "app/site/tab_preview.h"

#include "site_wiring_fixture.h"

namespace Scribenta {
namespace {

class TabPreview : public SiteWiringTest {};

TEST_F(TabPreview, CellsFollowHeightsLogoAndText) {
    const std::string logo = dir.write("site/images/logo.svg", "<svg/>").string();
    const std::string gone = (dir / "site/images/gone.svg").string();
    const struct {
        const char* height;
        const char* mobile;
        std::string logo;
        const char* tab_text;
        double desktop_height;  // fixed heights of the logos, -1 for none
        double mobile_height;
        bool logo_shown;
        const char* text;  // the text both cells show, "" when hidden
    } cases[] = {
        {"", "", logo, "", 25, 25, true, ""},
        {"30", "", logo, "", 30, 30, true, ""},
        {"30", "20px", logo, "Docs", 30, 20, true, "Docs"},
        {" 12PX ", "x", logo, "", 12, 12, true, ""},
        {"0", "", logo, "Docs", -1, -1, false, "Docs"},
        {"0", "", logo, "", -1, -1, false, ""},
        {"", "", gone, "Docs", 25, 25, false, "Docs"},
        {"", "", gone, "", 25, 25, false, "\u2014"},
        {"", "", "", "", 25, 25, false, "\u2014"},
    };
    for (const auto& c : cases) {
        *site.preview = PreviewState{c.logo, c.height, c.mobile, c.tab_text};
        site.refresh_logo_previews();
        const std::string label = std::string(c.height) + "/" + c.mobile + "/" + c.logo;
        for (const auto& [cell, height] : {std::pair{paths.desktop_tab, c.desktop_height},
                                           std::pair{paths.mobile_tab, c.mobile_height}}) {
            EXPECT_EQ(fixed_height(cell + "/Logo"), height) << label;
            EXPECT_EQ(shown_node(cell + "/Logo"), c.logo_shown) << label;
            // The image follows the logo file, also while a height of 0 hides it.
            EXPECT_EQ(image(cell + "/Logo"), c.logo == logo ? logo : "<none>") << label;
            EXPECT_EQ(shown_node(cell + "/Text"), *c.text != '\0') << label;
            EXPECT_EQ(text(cell + "/Text"), c.text) << label;
        }
    }
}

TEST_F(TabPreview, ALogoHiddenByHeightZeroOnMobileStaysOnDesktop) {
    const std::string logo = dir.write("site/logo.png", "png").string();
    *site.preview = PreviewState{logo, "30", "0", ""};
    site.refresh_logo_previews();
    EXPECT_TRUE(shown_node(paths.desktop_tab + "/Logo"));
    EXPECT_FALSE(shown_node(paths.mobile_tab + "/Logo"));
    EXPECT_EQ(image(paths.mobile_tab + "/Logo"), logo);
    EXPECT_FALSE(shown_node(paths.mobile_tab + "/Text"));
}

}  // namespace
}  // namespace Scribenta
