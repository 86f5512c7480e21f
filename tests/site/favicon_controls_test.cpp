#include "app/site/favicon_controls.h"

#include <filesystem>
#include <fstream>

#include "favicon_controls_fixture.h"

namespace Scribenta {
namespace {

const std::vector<std::string> kNoTiles = {"<none>", "<none>", "<none>"};
constexpr const char* kGenerated = "Generated into favicon/ (ships with the next build).";

// A generator that records its requests and writes a stand-in set (the
// source's path in each file), or answers a prepared error.
class FaviconPanel : public FaviconControlsTest {
protected:
    std::vector<FaviconRequest> requests;
    std::string error;

    FaviconPanel() {
        favicon_generator() = [this](const FaviconRequest& r) {
            requests.push_back(r);
            if (!error.empty()) return error;
            for (const char* name : {"favicon-16x16.png", "favicon-32x32.png",
                                     "android-chrome-512x512.png", "favicon.ico"}) {
                std::filesystem::create_directories(r.out_dir);
                std::ofstream(std::filesystem::path(r.out_dir) / name) << r.source;
            }
            return std::string();
        };
    }

    std::string logo() { return dir.write("site/images/logo.svg", "<svg/>").string(); }
    // A site whose logo is images/logo.svg.
    void show_site_with_logo(const std::string& branding_rest = "") {
        logo();
        show_site(R"({"title": "T", "branding": {"logo_path": "/images/logo.svg")" + branding_rest +
                  "}}");
    }
};

TEST_F(FaviconPanel, FromLogoRegeneratesStoresAndShowsTheTilesThirtyMsLater) {
    show_site_with_logo(R"(, "favicon_source": "/images/old.png", "tab_text": "x")");
    type(fav.background_field, "#102030");
    type(paths.site_form + "/Title Field", "Queued");  // flushed before the settings are stored
    requests.clear();

    click(fav.from_logo_checkbox);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].source, logo());
    EXPECT_EQ(requests[0].out_dir, favicons());
    EXPECT_EQ(requests[0].background, "#102030");
    EXPECT_TRUE(checked());
    EXPECT_EQ(text(fav.hint), kGenerated);
    EXPECT_TRUE(shown_node(fav.hint));
    EXPECT_EQ(*site.favicon_source_path, logo());
    EXPECT_EQ(compact(config),
              R"({"format":1,"title":"Queued","branding":{"logo_path":"/images/logo.svg",)"
              R"("tab_text":"x","favicon_background":"#102030","favicon_from_logo":true}})");
    EXPECT_EQ(edits->text, TempDir::read(config));
    EXPECT_EQ(text(shell->text_editor), edits->text);
    EXPECT_TRUE(edits->pending.empty());

    // Emptied for the render after the click, filled by the timer.
    EXPECT_EQ(tiles(), kNoTiles);
    services.advance(29);
    EXPECT_EQ(tiles(), kNoTiles);
    services.advance(1);
    EXPECT_EQ(tiles(), generated_tiles());
    EXPECT_TRUE(shown_node(fav.preview_row));
    EXPECT_EQ(TempDir::read(favicons() + "/favicon-32x32.png"), logo());
}

TEST_F(FaviconPanel, FromLogoThatCannotGenerateEndsUnchecked) {
    const struct {
        const char* name;
        bool has_logo;
        bool hook;
        std::string error;
        std::string hint;
    } cases[] = {
        {"no logo", false, true, "", "Set a logo above first."},
        {"generator error", true, true, "Could not write favicon-16x16.png.",
         "Could not write favicon-16x16.png."},
        {"no generator", true, false, "", "Favicon generation is unavailable in this build."},
    };
    for (const auto& c : cases) {
        if (c.has_logo) {
            show_site_with_logo();
        } else {
            show_site(R"({"branding": {}})");
        }
        if (!c.hook) favicon_generator() = nullptr;
        error = c.error;
        const std::string before = TempDir::read(config);
        click(fav.from_logo_checkbox);
        EXPECT_FALSE(checked()) << c.name;
        EXPECT_EQ(text(fav.hint), c.hint) << c.name;
        EXPECT_EQ(TempDir::read(config), before) << c.name;
        EXPECT_EQ(*site.favicon_source_path, "") << c.name;
        EXPECT_EQ(services.armed(), 0u) << c.name;
    }
}

TEST_F(FaviconPanel, FromLogoWithoutASiteStaysUnchecked) {
    click(fav.from_logo_checkbox);
    EXPECT_FALSE(checked());
    EXPECT_TRUE(requests.empty());
}

TEST_F(FaviconPanel, UncheckingDropsTheSettingAndKeepsTheFiles) {
    dir.write("site/favicon/favicon-32x32.png", "old");
    show_site_with_logo(R"(, "favicon_from_logo": true, "favicon_background": "#fff")");
    EXPECT_TRUE(checked());
    EXPECT_EQ(*site.favicon_source_path, logo());
    site.favicon_hint("earlier text");

    click(fav.from_logo_checkbox);
    EXPECT_FALSE(checked());
    EXPECT_TRUE(requests.empty());
    EXPECT_EQ(*site.favicon_source_path, "");
    EXPECT_EQ(text(fav.hint), "");
    EXPECT_FALSE(shown_node(fav.hint));
    EXPECT_EQ(compact(config), R"({"title":"T","branding":{"logo_path":"/images/logo.svg",)"
                               R"("favicon_background":"#fff"}})");
    EXPECT_EQ(TempDir::read(favicons() + "/favicon-32x32.png"), "old");
}

TEST_F(FaviconPanel, ChoosingASourceCopiesRegeneratesAndLeavesFromLogo) {
    show_site_with_logo(R"(, "favicon_from_logo": true)");
    click(fav.browse_button);
    ASSERT_EQ(services.picks.size(), 1u);
    const auto& request = services.picks[0];
    EXPECT_EQ(request.mode, "file");
    EXPECT_EQ(request.title, "Select a favicon source image (copied into your site)");
    EXPECT_EQ(request.filter, "Images (*.svg *.png *.jpg *.jpeg *.webp)");
    EXPECT_EQ(request.directory, (dir / "site/images").string());
    EXPECT_FALSE(request.show_hidden);
    EXPECT_TRUE(requests.empty()) << "a cancelled pick does nothing";

    services.pick_answer = dir.write("elsewhere/mark.png", "png").string();
    click(fav.browse_button);
    const std::string copied = (dir / "site/images/mark.png").string();
    EXPECT_EQ(TempDir::read(copied), "png");
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].source, copied);
    EXPECT_FALSE(checked());
    EXPECT_EQ(*site.favicon_source_path, copied);
    EXPECT_EQ(text(fav.hint), kGenerated);
    EXPECT_EQ(tiles(), kNoTiles);
    services.advance(30);
    EXPECT_EQ(tiles(), generated_tiles());
    services.advance(500);
    EXPECT_EQ(compact(config),
              R"({"format":1,"title":"T","branding":{"logo_path":"/images/logo.svg",)"
              R"("favicon_source":"/images/mark.png"}})");
}

TEST_F(FaviconPanel, AFailedSourceShowsTheErrorAndChangesNoSetting) {
    show_site_with_logo(R"(, "favicon_from_logo": true)");
    const std::string before = TempDir::read(config);
    error = "Could not read " + (dir / "site/images/bad.png").string() + " as an image.";
    services.pick_answer = dir.write("bad.png", "not png").string();
    click(fav.browse_button);
    EXPECT_EQ(text(fav.hint), error);
    EXPECT_TRUE(checked());
    EXPECT_EQ(*site.favicon_source_path, logo());
    EXPECT_TRUE(edits->pending.empty());
    EXPECT_EQ(TempDir::read(config), before);

    // A source that can't be copied is dropped silently.
    requests.clear();
    site.favicon_hint("");
    services.pick_answer = (dir / "missing.png").string();
    click(fav.browse_button);
    EXPECT_TRUE(requests.empty());
    EXPECT_EQ(text(fav.hint), "");
}

TEST_F(FaviconPanel, BackgroundIsAlwaysQueuedAndRegeneratesOnlyOnFullColours) {
    const struct {
        const char* text;
        bool regenerates;
    } cases[] = {
        {"#abc", false},     {"#AbCdEf", true}, {"", true},         {"#12345", false},
        {"#1234567", false}, {"red", false},    {"#12345g", false}, {"012345 ", false},
    };
    show_site_with_logo(R"(, "favicon_from_logo": true)");
    for (const auto& c : cases) {
        requests.clear();
        site.favicon_hint("");
        type(fav.background_field, c.text);
        EXPECT_EQ(*site.favicon_background_text, c.text) << c.text;
        EXPECT_EQ(edits->pending["/branding/favicon_background"], c.text) << c.text;
        ASSERT_EQ(requests.size(), c.regenerates ? 1u : 0u) << c.text;
        EXPECT_EQ(text(fav.hint), c.regenerates ? kGenerated : "") << c.text;
        if (c.regenerates) {
            EXPECT_EQ(requests[0].background, c.text);
            EXPECT_EQ(requests[0].source, logo());
        }
    }
}

TEST_F(FaviconPanel, BackgroundWithoutASourceIsOnlyStored) {
    show_site(R"({"branding": {"favicon_background": "#000000"}})");
    type(fav.background_field, "#ffffff");
    EXPECT_TRUE(requests.empty());
    EXPECT_EQ(*site.favicon_background_text, "#ffffff");
    EXPECT_EQ(edits->pending["/branding/favicon_background"], "#ffffff");
    EXPECT_FALSE(shown_node(fav.hint));
}

TEST_F(FaviconPanel, ShowingASiteShowsItsSetOrHidesTheRow) {
    show_site("{}");
    EXPECT_FALSE(shown_node(fav.preview_row));
    EXPECT_EQ(tiles(), kNoTiles);
    dir.write("site/favicon/favicon-32x32.png", "png");
    show_site("{}");
    EXPECT_TRUE(shown_node(fav.preview_row));
    EXPECT_EQ(tiles(), generated_tiles());
}

TEST_F(FaviconPanel, ARefreshDueAfterAnotherSiteIsShownIsDropped) {
    show_site_with_logo();
    click(fav.from_logo_checkbox);
    EXPECT_EQ(services.armed(), 1u);
    const auto other = dir.write("other/.scribenta-site", "{}");
    site.populate_site_form(other.string());
    services.advance(30);
    EXPECT_EQ(tiles(), kNoTiles);
    EXPECT_FALSE(shown_node(fav.preview_row));
}

TEST(FaviconSettings, AppliedToTheDocument) {
    const struct {
        const char* doc;
        bool from_logo;
        bool changed;
        const char* after;
    } cases[] = {
        {R"({"t":1,"branding":{"favicon_source":"/s","a":2}})", true, true,
         R"({"t":1,"branding":{"a":2,"favicon_from_logo":true}})"},
        {R"({"t":1})", true, true, R"({"t":1,"branding":{"favicon_from_logo":true}})"},
        {R"({"branding":{"favicon_from_logo":false}})", true, true,
         R"({"branding":{"favicon_from_logo":true}})"},
        {R"({"branding":{"favicon_from_logo":true,"a":2}})", false, true,
         R"({"branding":{"a":2}})"},
        {R"({"branding":{"a":2}})", false, false, R"({"branding":{"a":2}})"},
        {R"({"t":1})", false, false, R"({"t":1})"},
        // Values of other types are never replaced.
        {R"({"branding":"logo.svg"})", true, false, R"({"branding":"logo.svg"})"},
        {R"({"branding":[1]})", true, false, R"({"branding":[1]})"},
        {R"({"branding":null})", true, false, R"({"branding":null})"},
        {R"({"branding":"logo.svg"})", false, false, R"({"branding":"logo.svg"})"},
        {R"([1])", true, false, R"([1])"},
        {R"("text")", false, false, R"("text")"},
    };
    for (const auto& c : cases) {
        auto doc = nlohmann::ordered_json::parse(c.doc);
        EXPECT_EQ(apply_favicon_settings(doc, c.from_logo), c.changed) << c.doc;
        EXPECT_EQ(doc.dump(), c.after) << c.doc;
    }
}

TEST_F(FaviconPanel, StoringSettingsLeavesUnusableFilesAlone) {
    logo();
    const char* texts[] = {R"({"branding": "logo.svg"})", R"([1, 2])", "{ not json"};
    for (const char* before : texts) {
        show_site(before);
        site.preview->logo_path = logo();
        app.set_checked(fav.from_logo_checkbox, false);
        click(fav.from_logo_checkbox);
        EXPECT_EQ(TempDir::read(config), before) << before;
        EXPECT_EQ(text(fav.hint), kGenerated) << "the set was generated: " << before;
        EXPECT_TRUE(checked()) << before;
    }
}

}  // namespace
}  // namespace Scribenta
