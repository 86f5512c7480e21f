#include "app/site/logo_picker.h"

#include "site_wiring_fixture.h"

namespace Scribenta {
namespace {

class LogoPicker : public SiteWiringTest {
protected:
    std::string images() const { return (dir / "site/images").string(); }
    void browse() { app.dispatch_event(paths.logo_browse, "click"); }
};

TEST_F(LogoPicker, BrowseAsksForAnImageStartingInTheImagesFolder) {
    browse();
    EXPECT_TRUE(services.picks.empty()) << "no site shown";

    show_site("{}");
    browse();
    dir.write("site/images/a.png", "png");
    browse();
    ASSERT_EQ(services.picks.size(), 2u);
    EXPECT_EQ(services.picks[0].directory, (dir / "site").string());
    EXPECT_EQ(services.picks[1].directory, images());
    const auto& request = services.picks[1];
    EXPECT_EQ(request.mode, "file");
    EXPECT_EQ(request.title, "Select a logo image (copied into your site)");
    EXPECT_EQ(request.filter, "Images (*.svg *.png *.jpg *.jpeg *.webp *.gif)");
    EXPECT_FALSE(request.show_hidden);
    EXPECT_TRUE(edits->pending.empty()) << "a cancelled pick changes nothing";
}

TEST_F(LogoPicker, APickedLogoIsCopiedQueuedAndShown) {
    show_site(R"({"title": "T"})");
    services.pick_answer = dir.write("elsewhere/logo.svg", "<svg new/>").string();
    dir.write("site/images/logo.svg", "<svg old/>");
    browse();
    const std::string target = images() + "/logo.svg";
    EXPECT_EQ(TempDir::read(target), "<svg new/>") << "a file of the same name is replaced";
    EXPECT_EQ(TempDir::read(services.pick_answer), "<svg new/>");
    EXPECT_EQ(edits->pending["/branding/logo_path"], "/images/logo.svg");
    EXPECT_TRUE(shown_node(paths.avatar));
    EXPECT_EQ(image(paths.logo_image), target);
    EXPECT_EQ(site.preview->logo_path, target);
    EXPECT_EQ(image(paths.desktop_tab + "/Logo"), target);
    EXPECT_EQ(text(paths.desktop_tab + "/Text"), "");
    EXPECT_EQ(tab_logo, target);
    services.advance(500);
    EXPECT_EQ(compact(config),
              R"({"format":1,"title":"T","branding":{"logo_path":"/images/logo.svg"}})");
}

TEST_F(LogoPicker, PickingTheLogoAlreadyInImagesCopiesNothing) {
    show_site("{}");
    services.pick_answer = dir.write("site/images/mark.png", "png").string();
    const auto written = std::filesystem::last_write_time(services.pick_answer);
    browse();
    EXPECT_EQ(TempDir::read(services.pick_answer), "png");
    EXPECT_EQ(std::filesystem::last_write_time(services.pick_answer), written);
    EXPECT_EQ(edits->pending["/branding/logo_path"], "/images/mark.png");
}

TEST_F(LogoPicker, AFailedCopyChangesNothing) {
    show_site("{}");
    const struct {
        const char* name;
        std::string picked;
    } cases[] = {
        {"missing source", (dir / "nowhere.png").string()},
        {"a folder", (dir / "site").string()},
    };
    for (const auto& c : cases) {
        services.pick_answer = c.picked;
        browse();
        EXPECT_TRUE(edits->pending.empty()) << c.name;
        EXPECT_FALSE(shown_node(paths.avatar)) << c.name;
        EXPECT_EQ(tab_logo, "-") << c.name;
        EXPECT_EQ(site.preview->logo_path, "") << c.name;
    }
    // "images" as a plain file: the folder can't be made.
    std::filesystem::remove_all(images());
    dir.write("site/images", "not a folder");
    services.pick_answer = dir.write("a.png", "png").string();
    browse();
    EXPECT_TRUE(edits->pending.empty());
}

TEST_F(LogoPicker, FaviconsFollowANewLogoWhenFromLogoIsChecked) {
    std::vector<std::string> calls;
    std::string error;
    site.hooks->regenerate_favicons = [&](const std::string& site_dir, const std::string& src) {
        calls.push_back(site_dir + " <- " + src);
        return error;
    };
    site.hooks->schedule_favicon_refresh = [&](const std::string& d) {
        calls.push_back("refresh " + d);
    };
    show_site(R"({"branding": {"favicon_from_logo": true}})");
    const std::string folder = (dir / "site").string();
    services.pick_answer = dir.write("a.png", "png").string();
    browse();
    const std::string target = images() + "/a.png";
    EXPECT_EQ(calls, (std::vector<std::string>{folder + " <- " + target, "refresh " + folder}));
    EXPECT_EQ(text(paths.favicon_hint), "Generated into favicon/ (ships with the next build).");
    EXPECT_TRUE(shown_node(paths.favicon_hint));
    EXPECT_EQ(*site.favicon_source_path, target);

    calls.clear();
    error = "Could not write favicon.ico.";
    services.pick_answer = dir.write("b.png", "png").string();
    browse();
    EXPECT_EQ(calls.size(), 1u);
    EXPECT_EQ(text(paths.favicon_hint), error);
    EXPECT_EQ(*site.favicon_source_path, target) << "a failure keeps the old source";
    EXPECT_TRUE(app.is_checked(paths.from_logo_checkbox));
    EXPECT_EQ(edits->pending["/branding/logo_path"], "/images/b.png") << "the logo change stands";

    calls.clear();
    app.set_checked(paths.from_logo_checkbox, false);
    browse();
    EXPECT_TRUE(calls.empty());
}

}  // namespace
}  // namespace Scribenta
