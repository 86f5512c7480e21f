#include "app/site/home_sections.h"

#include "site_lists_fixture.h"

namespace Scribenta {
namespace {

namespace fs = std::filesystem;
using Fields = std::map<std::string, std::string>;

const std::string A = kAddSectionDialog;
const std::string E = kEditSectionDialog;

class HomeSections : public SiteListsTest {
protected:
    std::string add_button() const {
        return paths.website + "/Home Layout/Layout Header/Add Button";
    }
    std::string sections() {
        return nlohmann::ordered_json::parse(site_json())["home"]["sections"].dump();
    }
    void add_custom(const std::string& label, const std::string& subtext = "") {
        click(add_button());
        type(A + "/Body/Label Editor", label);
        type(A + "/Body/Subtext Editor", subtext);
        click(A + "/Body/Actions/Create Button");
    }
    std::string editor_text() const { return app.value(E + "/Body/Editor Group/File Editor"); }
};

TEST_F(HomeSections, RowsForTheFourKinds) {
    dir.write("site/images/star.svg", "<svg/>");
    show_site(R"({"home": {"sections": [{"type": "projects"}, 5, {"type": "custom"},
        {"type": "unknown"}, {"type": "description"}, {"type": "socials"},
        {"type": "custom", "label": "News", "subtext": "Fresh", "icon": "/images/star.svg",
         "body": "/content-fragments/news_home.html"}]}})");
    EXPECT_EQ(row_ids("homeSections"),
              (std::vector<std::string>{"home-0", "home-2", "home-4", "home-5", "home-6"}));
    const std::vector<Fields> expected = {
        {{"title", "Projects"}, {"subtext", "Display the project cards"}, {"is_projects", "1"}},
        {{"title", "Custom section"}, {"subtext", ""}, {"custom", "1"}},
        {{"title", "Website Description"},
         {"subtext", "Display the configured description text"},
         {"is_description", "1"}},
        {{"title", "Socials"}, {"subtext", "Display the social cards"}, {"is_socials", "1"}},
        {{"title", "News"},
         {"subtext", "Fresh"},
         {"custom", "1"},
         {"icon", path_in_site("images/star.svg")}},
    };
    for (std::size_t n = 0; n < expected.size(); ++n)
        EXPECT_EQ(rows("homeSections")[n].fields, expected[n]) << n;
    const SectionTarget& news = site.list_panels.targets->home_sections.at("home-6");
    EXPECT_EQ(news.name, "News");
    EXPECT_EQ(news.body, "/content-fragments/news_home.html");

    // A "home" that is not an object shows no sections.
    show_site(R"({"home": [1]})");
    EXPECT_TRUE(rows("homeSections").empty());
}

TEST_F(HomeSections, MovesSwapNeighboursAndStopAtTheEnds) {
    show_site(
        R"({"home": {"sections": [{"type": "projects"}, {"type": "socials"}, {"type": "custom", "id": "x"}]}})");
    row_action("homeSections", "home-0", "up");
    row_action("homeSections", "home-2", "down");
    EXPECT_EQ(reloads, 0);
    row_action("homeSections", "home-0", "down");
    EXPECT_EQ(sections(), R"([{"type":"socials"},{"type":"projects"},{"type":"custom","id":"x"}])");
    row_action("homeSections", "home-2", "up");
    EXPECT_EQ(sections(), R"([{"type":"socials"},{"type":"custom","id":"x"},{"type":"projects"}])");
    EXPECT_EQ(reloads, 2);
    EXPECT_EQ(rows("homeSections")[1].fields.at("custom"), "1");
}

TEST_F(HomeSections, RemoveAsksThenErasesAndKeepsTheFragment) {
    show_sample();
    const struct {
        const char* row;
        const char* message;
    } cases[] = {
        {"home-1", "Remove 'Projects' from the home page? You can add it back later."},
        {"home-3", "Remove 'Highlights' from the home page? Its content fragment stays on disk."},
    };
    for (const auto& c : cases) {
        row_action("homeSections", c.row, "remove");
        EXPECT_EQ(confirmation(),
                  (std::vector<std::string>{"Remove Home Section", c.message, "Remove"}));
        cancel();
    }
    row_action("homeSections", "home-3", "remove");
    confirm();
    EXPECT_EQ(sections(), R"([{"type":"description"},{"type":"projects"},{"type":"socials"}])");
    EXPECT_TRUE(fs::exists(site_dir / "content-fragments/highlights_home.html"));
    // The rest of the file is written back in its order, two-space indented.
    EXPECT_TRUE(
        file(".scribenta-site").starts_with("{\n  \"format\": 1,\n  \"title\": \"Acme Docs\""));

    show_site(R"({"home": {"sections": [{"type": "custom"}]}})");
    row_action("homeSections", "home-0", "remove");
    EXPECT_EQ(confirmation()[1],
              "Remove 'this section' from the home page? Its content fragment stays on disk.");
}

TEST_F(HomeSections, PresetsAreOfferedOnce) {
    const struct {
        const char* sections;
        bool description, projects, socials, label;
    } cases[] = {
        {R"([{"type": "description"}, {"type": "projects"}, {"type": "socials"}])", false, false,
         false, false},
        {R"([{"type": "projects"}])", true, false, true, true},
        {"[]", true, true, true, true},
    };
    for (const auto& c : cases) {
        show_site(std::string(R"({"home": {"sections": )") + c.sections + "}}");
        click(add_button());
        EXPECT_TRUE(visible(A)) << c.sections;
        EXPECT_EQ(visible(A + "/Body/Description Preset"), c.description) << c.sections;
        EXPECT_EQ(visible(A + "/Body/Projects Preset"), c.projects) << c.sections;
        EXPECT_EQ(visible(A + "/Body/Socials Preset"), c.socials) << c.sections;
        EXPECT_EQ(visible(A + "/Body/Presets Label"), c.label) << c.sections;
        EXPECT_EQ(text(A + "/Body/Icon Row/Icon Hint"), "No icon selected.");
    }
    click(A + "/Body/Socials Preset");
    EXPECT_FALSE(visible(A));
    EXPECT_EQ(sections(), R"([{"type":"socials"}])");
    // "home" of another type becomes an object holding the list.
    show_site(R"({"title": "T", "home": 3})");
    click(A + "/Body/Description Preset");
    EXPECT_EQ(site_json(), R"({"title":"T","home":{"sections":[{"type":"description"}]}})");
}

TEST_F(HomeSections, CustomSectionGetsItsOwnFragmentAndOpensForEditing) {
    show_sample();
    dir.write("picked/star.png", "png");
    click(add_button());
    services.pick_answer = (dir / "picked/star.png").string();
    click(A + "/Body/Icon Row/Browse Button");
    EXPECT_EQ(services.picks.at(0).title, "Select a section icon (copied into your site)");
    type(A + "/Body/Label Editor", " Getting Started! ");
    type(A + "/Body/Subtext Editor", " First steps ");
    click(A + "/Body/Actions/Create Button");
    EXPECT_FALSE(visible(A));
    const auto added = nlohmann::ordered_json::parse(sections()).back();
    EXPECT_EQ(added.dump(), R"({"type":"custom","id":"getting-started","label":"Getting Started!",)"
                            R"("icon":"/images/star.png","subtext":"First steps",)"
                            R"("body":"/content-fragments/getting-started_home.html"})");
    const std::string placeholder =
        "<section>\n  <div class=\"section_content slim\">\n    <p>New custom section \u2014 "
        "edit content-fragments/getting-started_home.html.</p>\n  </div>\n</section>\n";
    EXPECT_EQ(file("content-fragments/getting-started_home.html"), placeholder);
    EXPECT_TRUE(visible(E));
    EXPECT_EQ(text(E + "/Titlebar/Title"), "Edit: Getting Started!");
    EXPECT_EQ(editor_text(), placeholder);
    EXPECT_EQ(rows("homeSections").size(), 5u);

    // Same label again: "-2" and a fragment of its own, without icon or subtext.
    add_custom("Getting Started!");
    EXPECT_EQ(nlohmann::ordered_json::parse(sections()).back().dump(),
              R"({"type":"custom","id":"getting-started-2","label":"Getting Started!",)"
              R"("body":"/content-fragments/getting-started-2_home.html"})");
    EXPECT_TRUE(fs::exists(site_dir / "content-fragments/getting-started-2_home.html"));
    // A label slugify drops entirely.
    add_custom("!!!");
    add_custom("???");
    const auto all = nlohmann::ordered_json::parse(sections());
    EXPECT_EQ(all[all.size() - 2]["id"], "section");
    EXPECT_EQ(all.back()["id"], "section-2");
    // An empty label adds nothing.
    const std::string before = sections();
    add_custom(" \t ");
    EXPECT_EQ(sections(), before);
    EXPECT_TRUE(visible(A));
}

TEST_F(HomeSections, AnExistingFragmentIsReusedNeverOverwritten) {
    show_sample();
    // The removed Highlights section's fragment returns with the same label.
    row_action("homeSections", "home-3", "remove");
    confirm();
    const std::string old = file("content-fragments/highlights_home.html");
    add_custom("Highlights");
    EXPECT_EQ(file("content-fragments/highlights_home.html"), old);
    EXPECT_EQ(editor_text(), old);
    // A link at the fragment's name, even a dangling one, is never written through.
    fs::create_symlink(dir / "outside.html", site_dir / "content-fragments/news_home.html");
    add_custom("News");
    EXPECT_FALSE(fs::exists(dir / "outside.html"));
    EXPECT_EQ(nlohmann::ordered_json::parse(sections()).back()["body"],
              "/content-fragments/news_home.html");
    EXPECT_EQ(text(E + "/Body/Editor Group/File Status Bar/Status Message"),
              "Content file not found");
}

TEST_F(HomeSections, FailuresAreReported) {
    show_site(R"({"home": {"sections": []}})");
    dir.write("site/content-fragments", "a file where the folder belongs");
    add_custom("X");
    EXPECT_EQ(message(),
              (std::vector<std::string>{"Couldn't Add Section",
                                        "Could not create the section's content file."}));
    EXPECT_EQ(sections(), "[]");
    fs::remove(dir / "site/content-fragments");
    dir.write("site/.scribenta-site", "not json");
    click(A + "/Body/Actions/Create Button");
    EXPECT_EQ(message(), (std::vector<std::string>{"Couldn't Add Section",
                                                   "Could not update the site configuration."}));
    EXPECT_TRUE(fs::exists(dir / "site/content-fragments/x_home.html"));
}

TEST_F(HomeSections, EditDialogAsksBeforeDroppingUnsavedContent) {
    show_sample();
    row_action("homeSections", "home-0", "edit");  // a preset has no content
    EXPECT_FALSE(visible(E));
    row_action("homeSections", "home-3", "edit");
    EXPECT_TRUE(visible(E));
    EXPECT_EQ(text(E + "/Titlebar/Title"), "Edit: Highlights");
    const std::string saved = editor_text();
    click(E + "/Body/Done Row/Done Button");
    EXPECT_FALSE(visible(E));
    EXPECT_TRUE(confirmation().empty());

    row_action("homeSections", "home-3", "edit");
    type(E + "/Body/Editor Group/File Editor", "<p>draft</p>");
    EXPECT_EQ(first_dirty_guard(*shell), "Section content editor");
    click(E + "/Titlebar/Exit Button");
    EXPECT_EQ(confirmation(),
              (std::vector<std::string>{"Discard changes?",
                                        "This section's content has unsaved changes. Discard them?",
                                        "Discard"}));
    cancel();
    EXPECT_TRUE(visible(E));
    click(E + "/Body/Done Row/Done Button");
    confirm();
    EXPECT_FALSE(visible(E));
    // The discarded text is gone at once: the editor holds the file again.
    EXPECT_EQ(editor_text(), saved);
    EXPECT_EQ(first_dirty_guard(*shell), "");
    EXPECT_EQ(file("content-fragments/highlights_home.html"), saved);
}

}  // namespace
}  // namespace Scribenta
