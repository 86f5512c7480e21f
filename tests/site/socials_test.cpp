#include "app/site/socials.h"

#include "site_lists_fixture.h"

namespace Scribenta {
namespace {

namespace fs = std::filesystem;
using Fields = std::map<std::string, std::string>;

const std::string D = kAddSocialDialog;

class Socials : public SiteListsTest {
protected:
    std::string external(int n) const {
        return paths.socials + "/Social Cards/social-" + std::to_string(n) + "/External";
    }
    void fill(const std::string& label, const std::string& username, const std::string& url) {
        type(D + "/Body/Label Editor", label);
        type(D + "/Body/Username Editor", username);
        type(D + "/Body/URL Editor", url);
    }
};

TEST_F(Socials, CardsShowLabelUsernameIconAndExternalMarker) {
    fs::create_directories(dir / "site/images");
    dir.write("site/images/m.svg", "<svg/>");
    show_site(R"({"socials": [
        {"label": "Mastodon", "username": "acme", "url": "https://m.example", "icon": "/images/m.svg", "external": true},
        {"username": "only-user", "url": "https://u.example"},
        {"label": "Same", "username": "Same", "icon": "/images/missing.svg", "external": "true"},
        "not an object"]})");
    EXPECT_EQ(row_ids("socialCards"),
              (std::vector<std::string>{"social-0", "social-1", "social-2", "social-3"}));
    const std::vector<Fields> expected = {
        {{"title", "Mastodon"}, {"username", "acme"}, {"icon", path_in_site("images/m.svg")}},
        {{"title", "only-user"}},
        {{"title", "Same"}},
        {{"title", ""}},
    };
    for (std::size_t n = 0; n < expected.size(); ++n)
        EXPECT_EQ(rows("socialCards")[n].fields, expected[n]) << n;
    const bool markers[] = {true, false, false, false};
    for (int n = 0; n < 4; ++n) EXPECT_EQ(visible(external(n)), markers[n]) << n;
    EXPECT_EQ(site.list_panels.targets->social_cards.at("social-1").url, "https://u.example");
}

TEST_F(Socials, ActivateOpensTheAddressUnlessItIsEmpty) {
    show_site(R"({"socials": [{"label": "A", "url": "https://a.example"}, {"label": "B"}]})");
    row_action("socialCards", "social-0", "activate");
    row_action("socialCards", "social-1", "activate");
    row_action("socialCards", "social-5", "activate");
    EXPECT_EQ(urls, (std::vector<std::string>{"https://a.example"}));
}

TEST_F(Socials, RemovingTheSecondOfThreeErasesExactlyIt) {
    show_site(R"({"title": "T", "socials": [{"label": "A"}, {"label": "B", "url": "b"}, 3]})");
    row_action("socialCards", "social-2", "remove");
    EXPECT_EQ(confirmation(),
              (std::vector<std::string>{"Remove Social Link", "Remove 'this link' from this site?",
                                        "Remove"}));
    cancel();
    EXPECT_EQ(reloads, 0);
    row_action("socialCards", "social-1", "remove");
    EXPECT_EQ(confirmation()[1], "Remove 'B' from this site?");
    confirm();
    EXPECT_EQ(site_json(), R"({"title":"T","socials":[{"label":"A"},3]})");
    EXPECT_EQ(reloads, 1);
    EXPECT_EQ(row_ids("socialCards"), (std::vector<std::string>{"social-0", "social-1"}));
    EXPECT_EQ(rows("socialCards")[1].fields.at("title"), "");
}

TEST_F(Socials, AddDialogWritesTheLinkInKeyOrder) {
    show_sample();
    click(paths.socials + "/Add Social Button");
    EXPECT_TRUE(visible(D));
    EXPECT_EQ(text(D + "/Body/Icon Row/Icon Hint"), "No icon selected.");
    EXPECT_TRUE(app.is_checked(D + "/Body/External Row/External Checkbox"));

    dir.write("picked/gh.svg", "<svg id='gh'/>");
    services.pick_answer = (dir / "picked/gh.svg").string();
    click(D + "/Body/Icon Row/Browse Button");
    ASSERT_EQ(services.picks.size(), 1u);
    EXPECT_EQ(services.picks[0].mode, "file");
    EXPECT_EQ(services.picks[0].title, "Select a social icon (copied into your site)");
    EXPECT_EQ(services.picks[0].filter, "Images (*.svg *.png *.jpg *.jpeg *.webp *.gif)");
    EXPECT_EQ(services.picks[0].directory, (site_dir / "images").string());
    EXPECT_EQ(text(D + "/Body/Icon Row/Icon Hint"), "gh.svg");
    EXPECT_EQ(file("images/gh.svg"), "<svg id='gh'/>");

    fill(" GitHub\t", " acme ", " https://github.com/acme ");
    click(D + "/Body/Actions/Create Button");
    EXPECT_FALSE(visible(D));
    const auto doc = nlohmann::ordered_json::parse(site_json());
    EXPECT_EQ(doc["socials"].dump(),
              R"([{"label":"Mastodon","username":"acme","url":"https://mastodon.example/@acme",)"
              R"("external":true},{"label":"GitHub","username":"acme",)"
              R"("url":"https://github.com/acme","icon":"/images/gh.svg","external":true}])");
    EXPECT_EQ(reloads, 1);
    EXPECT_EQ(rows("socialCards")[1].fields, (Fields{{"title", "GitHub"},
                                                     {"username", "acme"},
                                                     {"icon", path_in_site("images/gh.svg")}}));

    // Opening again resets everything: no icon, no external unless checked.
    click(paths.socials + "/Add Social Button");
    EXPECT_EQ(app.value(D + "/Body/Label Editor"), "");
    fill("Feed", "", "https://f.example");
    app.set_checked(D + "/Body/External Row/External Checkbox", false);  // as a click does
    click(D + "/Body/Actions/Create Button");
    EXPECT_EQ(nlohmann::ordered_json::parse(site_json())["socials"][2].dump(),
              R"({"label":"Feed","url":"https://f.example"})");
}

TEST_F(Socials, CreateNeedsALabelAndAnAddressAndReportsModelErrors) {
    show_site(R"({"socials": []})");
    click(paths.socials + "/Add Social Button");
    for (const auto& [label, url] : std::vector<std::pair<std::string, std::string>>{
             {" \t", "https://x"}, {"X", "  "}, {"", ""}}) {
        fill(label, "", url);
        click(D + "/Body/Actions/Create Button");
        EXPECT_TRUE(visible(D));
        EXPECT_EQ(site_json(), R"({"socials":[]})");
        EXPECT_TRUE(message().empty());
    }
    dir.write("site/.scribenta-site", "[1, 2]");
    fill("X", "", "https://x");
    click(D + "/Body/Actions/Create Button");
    EXPECT_EQ(message(), (std::vector<std::string>{"Couldn't Add Social Link",
                                                   "Config root is not a JSON object."}));
    EXPECT_TRUE(visible(D));
    EXPECT_EQ(app.value(D + "/Body/Label Editor"), "X");
}

TEST_F(Socials, DialogOpensOnlyWhileASiteIsShown) {
    click(paths.socials + "/Add Social Button");
    EXPECT_FALSE(visible(D));
    show_site("{}");
    current->shell.reset();  // a project is shown
    click(paths.socials + "/Add Social Button");
    EXPECT_FALSE(visible(D));
}

}  // namespace
}  // namespace Scribenta
