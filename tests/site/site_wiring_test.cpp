#include "app/site/site_wiring.h"

#include "site_wiring_fixture.h"

namespace Scribenta {
namespace {

class SiteWiring : public SiteWiringTest {};

TEST_F(SiteWiring, EachWebsiteFieldQueuesItsPointerWithTheFullText) {
    show_site(R"({"title": "A"})");
    const std::pair<const char*, const char*> fields[] = {
        {"/Title Field", "/title"},   {"/Description Field", "/description"},
        {"/URL Field", "/url"},       {"/Copyright Field", "/copyright"},
        {"/Output Field", "/output"},
    };
    for (const auto& [node, pointer] : fields) {
        edits->pending.clear();
        type(paths.site_form + node, std::string(" new ") + node);
        EXPECT_EQ(edits->pending.size(), 1u) << node;
        EXPECT_EQ(edits->pending[pointer], std::string(" new ") + node) << node;
    }
}

TEST_F(SiteWiring, TypedTitleIsWrittenHalfASecondLaterInKeyOrder) {
    const std::string before =
        "{\n    \"url\": \"https://x.org\",\n    \"title\": \"Old\",\n"
        "    \"branding\": {\"logo_height\": 32}, \"z\": [1, 2]\n}";
    show_site(before);
    type(paths.site_form + "/Title Field", "N");
    services.advance(300);
    type(paths.site_form + "/Title Field", "Ne");
    type(paths.site_form + "/Title Field", "New \u00e9");
    services.advance(499);
    EXPECT_EQ(TempDir::read(config), before);
    services.advance(1);
    const std::string after =
        "{\n  \"format\": 1,\n  \"url\": \"https://x.org\",\n  \"title\": \"New \u00e9\",\n"
        "  \"branding\": {\n    \"logo_height\": 32\n  },\n  \"z\": [\n    1,\n    2\n  ]\n}\n";
    EXPECT_EQ(TempDir::read(config), after);
    EXPECT_EQ(app.value(shell->text_editor), after);
    EXPECT_EQ(text(shell->text_editor), after);
    EXPECT_EQ(edits->text, after);
}

TEST_F(SiteWiring, NothingIsQueuedWhileNoSiteIsShown) {
    type(paths.site_form + "/Title Field", "T");
    type(paths.logo_height, "30");
    EXPECT_TRUE(edits->pending.empty());
    EXPECT_EQ(services.armed(), 0u);
    // The previews still follow the field.
    EXPECT_EQ(fixed_height(paths.desktop_tab + "/Logo"), 30);
}

TEST_F(SiteWiring, ShellReloadShowsTheShownConfiguration) {
    show_site(R"({"title": "A"})");
    dir.write("site/.scribenta-site", R"({"title": "Changed"})");
    shell->reload();
    EXPECT_EQ(app.value(paths.site_form + "/Title Field"), "Changed");
}

TEST_F(SiteWiring, ReloadWithoutAShownPathGetterIsLeftToTheCaller) {
    auto other = make_shell("App/Other");
    wire_site_configurator({&app, other, edits, flush_edits, queue_edit, {}, {}});
    EXPECT_FALSE(other->reload);
}

// Edits that would have to replace a member of another type are dropped:
// the file is never rewritten for them.
TEST_F(SiteWiring, MembersOfUnexpectedTypesAreNeverOverwritten) {
    const struct {
        const char* doc;
        bool title_written;
    } cases[] = {
        {R"([{"title": "A"}])", false},
        {R"(25)", false},
        {R"({"title": "A", "branding": "logo.svg"})", true},
        {R"({"title": "A", "branding": ["logo.svg"]})", true},
        {R"({"title": "A", "branding": 7})", true},
    };
    services.pick_answer = dir.write("pick/logo.png", "png").string();
    for (const auto& c : cases) {
        show_site(c.doc);
        type(paths.logo_height, "30");
        type(paths.logo_height_mobile, "20");
        type(paths.tab_text, "Docs");
        app.dispatch_event(paths.logo_browse, "click");
        services.advance(500);
        EXPECT_EQ(TempDir::read(config), c.doc) << "branding edits dropped: " << c.doc;
        type(paths.site_form + "/Title Field", "B");
        services.advance(500);
        if (c.title_written) {
            EXPECT_EQ(nlohmann::json::parse(TempDir::read(config)).value("title", ""), "B")
                << c.doc;
        } else {
            EXPECT_EQ(TempDir::read(config), c.doc) << c.doc;
        }
    }
}

}  // namespace
}  // namespace Scribenta
