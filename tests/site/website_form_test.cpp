#include "app/site/website_form.h"

#include "app/shell_status.h"

#include "site_wiring_fixture.h"

namespace Scribenta {
namespace {

class WebsiteForm : public SiteWiringTest {
protected:
    std::string field(const std::string& name) const { return app.value(paths.site_form + name); }
    void register_theme(const std::string& name, const std::string& publisher,
                        const std::string& primary) {
        app.load_theme_file(R"({")" + name + R"(": {"_meta": {"publisher": ")" + publisher +
                            R"("}, "Primary": ")" + primary + R"("}})");
    }
};

TEST_F(WebsiteForm, FillsFieldsBrandingLogoAndTextView) {
    dir.write("site/images/logo.svg", "<svg/>");
    const std::string file =
        R"({"title": "Docs", "description": 25, "url": null, "copyright": {"y": 1},)"
        R"( "branding": {"logo_path": "/images/logo.svg", "logo_height": 32,)"
        R"( "logo_height_mobile": null, "tab_text": "Lark", "favicon_background": "#123456"}})";
    show_site(file);
    const std::pair<const char*, const char*> fields[] = {{"/Title Field", "Docs"},
                                                          {"/Description Field", "25"},
                                                          {"/URL Field", ""},
                                                          {"/Copyright Field", R"({"y":1})"},
                                                          {"/Output Field", ""}};
    for (const auto& [name, value] : fields) {
        EXPECT_EQ(field(name), value) << name;
        EXPECT_EQ(text(paths.site_form + name), value) << name;
    }
    EXPECT_EQ(app.value(paths.logo_height), "32");
    EXPECT_EQ(app.value(paths.logo_height_mobile), "");
    EXPECT_EQ(app.value(paths.tab_text), "Lark");
    EXPECT_EQ(app.value(paths.background_field), "#123456");
    EXPECT_EQ(*site.favicon_background_text, "#123456");
    const std::string logo = (dir / "site/images/logo.svg").lexically_normal().string();
    EXPECT_TRUE(shown_node(paths.avatar));
    EXPECT_EQ(image(paths.logo_image), logo);
    EXPECT_EQ(site.preview->logo_path, logo);
    EXPECT_EQ(fixed_height(paths.desktop_tab + "/Logo"), 32);
    EXPECT_EQ(text(paths.mobile_tab + "/Text"), "Lark");
    EXPECT_EQ(app.value(shell->text_editor), file);
    EXPECT_EQ(edits->config_path, config.string());
    EXPECT_EQ(edits->text, file);
    EXPECT_FALSE(shown_node(paths.favicon_hint));
}

TEST_F(WebsiteForm, FaviconSourceAndFromLogo) {
    dir.write("site/images/logo.svg", "<svg/>");
    dir.write("site/images/icon.png", "png");
    const std::string logo = (dir / "site/images/logo.svg").string();
    const std::string icon = (dir / "site/images/icon.png").string();
    const struct {
        const char* branding;
        bool checked;
        std::string source;
        bool avatar;
    } cases[] = {
        {R"({"logo_path": "images/logo.svg", "favicon_source": "/images/icon.png"})", false, icon,
         true},
        {R"({"logo_path": "images/logo.svg", "favicon_source": "/images/icon.png",)"
         R"( "favicon_from_logo": true})",
         true, logo, true},
        {R"({"logo_path": "images/logo.svg", "favicon_source": "/images/icon.png",)"
         R"( "favicon_from_logo": "true"})",
         false, icon, true},
        {R"({"favicon_source": "/images/icon.png", "favicon_from_logo": 1})", false, icon, false},
        {R"({"logo_path": "/images/missing.svg", "favicon_from_logo": true})", true, "", false},
        {R"({"favicon_source": "/images/missing.png"})", false, "", false},
    };
    for (const auto& c : cases) {
        show_site(std::string(R"({"branding": )") + c.branding + "}");
        EXPECT_EQ(app.is_checked(paths.from_logo_checkbox), c.checked) << c.branding;
        EXPECT_EQ(*site.favicon_source_path, c.source) << c.branding;
        EXPECT_EQ(shown_node(paths.avatar), c.avatar) << c.branding;
        EXPECT_EQ(image(paths.logo_image), c.avatar ? logo : "<none>") << c.branding;
    }
}

TEST_F(WebsiteForm, FaviconBackgroundDefaultsToTheSiteThemesPrimaryColour) {
    const struct {
        const char* doc;
        const char* background;
    } cases[] = {
        {R"({})", "#36393f"},
        {R"({"branding": {"favicon_background": ""}})", "#36393f"},
        {R"({"branding": {"favicon_background": "#abcdef"}})", "#abcdef"},
        {R"j({"ostrel": {"default_theme": "Light (zozeravuderedada)"}})j", "#f0f0f0"},
        {R"({"ostrel": {"default_theme": "Unknown"}})", "#ffffff"},
        {R"({"ostrel": {"default_theme": "Plain"}})", "#ffffff"},  // no "Primary" string
        {R"({"ostrel": {"default_theme": 5}})", "#36393f"},
        {R"j({"ostrel": "Light (zozeravuderedada)"})j", "#36393f"},
    };
    register_theme("Dark", "zozeravuderedada", "#36393f");
    register_theme("Light", "zozeravuderedada", "#f0f0f0");
    app.load_theme_file(R"({"Plain": {"Primary": 7}})");
    for (const auto& c : cases) {
        show_site(c.doc);
        EXPECT_EQ(app.value(paths.background_field), c.background) << c.doc;
        EXPECT_EQ(*site.favicon_background_text, c.background) << c.doc;
    }
    // The default is shown, never written.
    EXPECT_EQ(TempDir::read(config), cases[7].doc);
}

TEST_F(WebsiteForm, WithoutTheDefaultThemeTheBackgroundIsWhite) {
    show_site("{}");
    EXPECT_EQ(app.value(paths.background_field), "#ffffff");
}

TEST_F(WebsiteForm, UnreadableOrInvalidFilesFillAnEmptyForm) {
    const struct {
        const char* name;
        const char* text;  // nullptr: no file at all
        const char* text_view;
    } cases[] = {
        {"missing", nullptr, ""}, {"invalid", R"({"title": "T",)", R"({"title": "T",)"},
        {"empty", "", ""},        {"array", R"([{"title": "T"}])", R"([{"title": "T"}])"},
        {"number", "25", "25"},
    };
    for (const auto& c : cases) {
        show_site(R"({"title": "Before", "branding": {"logo_height": 9, "tab_text": "X"}})");
        if (c.text) {
            dir.write("site/.scribenta-site", c.text);
        } else {
            std::filesystem::remove(config);
        }
        site.populate_site_form(config.string());
        EXPECT_EQ(field("/Title Field"), "") << c.name;
        EXPECT_EQ(app.value(paths.logo_height), "") << c.name;
        EXPECT_EQ(text(paths.desktop_tab + "/Text"), "\u2014") << c.name;
        EXPECT_EQ(fixed_height(paths.desktop_tab + "/Logo"), 25) << c.name;
        EXPECT_FALSE(shown_node(paths.avatar)) << c.name;
        EXPECT_EQ(app.value(shell->text_editor), c.text_view) << c.name;
        EXPECT_EQ(edits->text, c.text_view) << c.name;
    }
}

TEST_F(WebsiteForm, MembersOfUnexpectedTypesCountAsMissing) {
    const std::string file =
        R"({"title": ["T"], "branding": "logo.svg", "ostrel": [1], "home": "x",)"
        R"( "projects": {"a": 1}, "socials": 3, "policies": null, "output": true})";
    nlohmann::ordered_json seen;
    site.hooks->render_site_form = [&](const nlohmann::ordered_json& doc, const std::string&) {
        seen = doc;
    };
    show_site(file);
    EXPECT_EQ(field("/Title Field"), R"(["T"])");
    EXPECT_EQ(field("/Output Field"), "true");
    EXPECT_EQ(app.value(paths.tab_text), "");
    EXPECT_EQ(seen.dump(), R"({"title":["T"],"output":true})");
    EXPECT_EQ(TempDir::read(config), file);
}

TEST_F(WebsiteForm, CallsThePanelsWithTheDocumentAndSiteFolder) {
    std::string calls;
    const std::string folder = (dir / "site").string();
    auto check = [&](const char* name, const std::string& site_dir) {
        calls += name;
        EXPECT_EQ(site_dir, folder) << name;
    };
    site.hooks->refresh_favicon_preview = [&](const std::string& d) { check("favicons ", d); };
    site.hooks->render_site_form = [&](const nlohmann::ordered_json& doc, const std::string& d) {
        EXPECT_EQ(doc.value("title", ""), "T");
        check("cards ", d);
    };
    site.hooks->render_home_sections = [&](const nlohmann::ordered_json&, const std::string& d) {
        check("sections ", d);
    };
    site.hooks->render_policies = [&](const nlohmann::ordered_json&) { calls += "policies"; };
    show_site(R"({"title": "T"})");
    EXPECT_EQ(calls, "favicons cards sections policies");
}

TEST_F(WebsiteForm, ShowingASiteResetsTheQueueAndTheTextViewStatus) {
    show_site(R"({"title": "A"})");
    type(paths.site_form + "/Title Field", "B");
    set_shell_status(app, *shell, "Invalid", "Invalid JSON");
    EXPECT_TRUE(shell->invalid);
    const auto generation = edits->generation;
    site.populate_site_form(config.string());
    EXPECT_TRUE(edits->pending.empty());
    EXPECT_NE(edits->generation, generation);
    EXPECT_FALSE(shell->invalid);
    EXPECT_TRUE(shell->save_disabled);
    EXPECT_EQ(text(shell->status_message), "");
    services.advance(1000);
    EXPECT_EQ(TempDir::read(config), R"({"title": "A"})");
    EXPECT_EQ(field("/Title Field"), "A");
}

}  // namespace
}  // namespace Scribenta
