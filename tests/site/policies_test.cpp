#include "app/site/policies.h"
#include "app/site/socials.h"

#include "site_lists_fixture.h"

namespace Scribenta {
namespace {

namespace fs = std::filesystem;

const std::string D = kAddPolicyDialog;

class Policies : public SiteListsTest {
protected:
    const std::string P = paths.policies;
    const std::string combo = P + "/Selector Row/Item Combo";
    const std::string editor = P + "/File Editor";
    const std::string status = P + "/File Status Bar/Status Message";

    std::vector<std::pair<std::string, std::string>> options() {
        std::vector<std::pair<std::string, std::string>> out;
        for (const auto& option : app.options[combo]) out.emplace_back(option.value, option.label);
        return out;
    }
    std::string selected() { return app.selection[combo]; }
    std::string field(const char* name) { return app.value(P + "/Meta Form/" + name); }
    std::vector<std::string> meta() {
        return {field("Name Field"), field("Title Field"), field("File Field")};
    }
    void choose(const std::string& value) { app.dispatch_event(combo, "select:" + value); }
    void open_dialog() { click(P + "/Selector Row/Add Button"); }
    std::vector<std::string> dialog_fields() {
        return {app.value(D + "/Body/Slug Editor"), app.value(D + "/Body/File Row/File Editor")};
    }
    void create(const std::string& name, const std::string& title = "") {
        open_dialog();
        type(D + "/Body/Name Editor", name);
        if (!title.empty()) type(D + "/Body/Title Editor", title);
        click(D + "/Body/Actions/Create Button");
    }
    std::string policies_json() {
        return nlohmann::ordered_json::parse(site_json())["policies"].dump();
    }
    // Three policies with their files; the third names no file.
    void show_three() {
        dir.write("site/policies/privacy.md", "# Privacy\n");
        dir.write("site/policies/terms.md", "# Terms\n");
        show_site(R"({"title": "Acme Docs", "policies": [
            {"slug": "privacy", "name": "Privacy", "title": "Privacy - Acme", "file": "policies/privacy.md"},
            {"slug": "terms", "file": "/policies/terms.md"},
            {"title": "Third"}],
            "footer_links": [{"label": "Terms", "href": "/terms.html"}]})");
    }
};

TEST_F(Policies, ThePanelShowsOnePolicyAtATime) {
    show_three();
    EXPECT_EQ(options(), (std::vector<std::pair<std::string, std::string>>{
                             {"0", "Privacy"}, {"1", "terms"}, {"2", "Policy 3"}}));
    EXPECT_EQ(selected(), "0");
    EXPECT_EQ(meta(),
              (std::vector<std::string>{"Privacy", "Privacy - Acme", "policies/privacy.md"}));
    EXPECT_EQ(app.value(editor), "# Privacy\n");
    EXPECT_EQ(text(status), "");
    for (const char* node :
         {"/Meta Form", "/File Status Bar", "/File Editor", "/Selector Row/Remove Button"})
        EXPECT_TRUE(visible(P + node)) << node;

    choose("1");
    EXPECT_EQ(selected(), "1");
    EXPECT_EQ(meta(), (std::vector<std::string>{"", "", "/policies/terms.md"}));
    EXPECT_EQ(app.value(editor), "# Terms\n");
    choose("2");
    EXPECT_EQ(app.value(editor), "");
    EXPECT_EQ(text(status), "");  // no file named: no not-found message

    // "policies" that is not an array: nothing to show.
    show_site(R"({"policies": {"slug": "x"}})");
    EXPECT_TRUE(options().empty());
    for (const char* node :
         {"/Meta Form", "/File Status Bar", "/File Editor", "/Selector Row/Remove Button"})
        EXPECT_FALSE(visible(P + node)) << node;
}

TEST_F(Policies, SelectionSurvivesReloadsAndResetsForAnotherSite) {
    show_three();
    choose("2");
    shell->reload();
    EXPECT_EQ(selected(), "2");
    // A shorter list clamps to its last policy.
    dir.write("site/.scribenta-site", R"({"policies": [{"name": "A"}, {"name": "B"}]})");
    shell->reload();
    EXPECT_EQ(selected(), "1");
    EXPECT_EQ(field("Name Field"), "B");
    // Another site starts at its first policy.
    fs::copy_file(config, dir / "other.json");
    show(dir / "other.json");
    EXPECT_EQ(selected(), "0");
}

TEST_F(Policies, SwitchingWithUnsavedTextAsksFirst) {
    show_three();
    type(editor, "# Privacy, edited\n");
    EXPECT_EQ(text(status), "Unsaved changes");
    choose("1");
    EXPECT_EQ(selected(), "0");
    EXPECT_EQ(confirmation(),
              (std::vector<std::string>{"Discard changes?",
                                        "The Policies editor has unsaved changes. Switching "
                                        "policies will discard them.",
                                        "Discard"}));
    cancel();
    EXPECT_EQ(app.value(editor), "# Privacy, edited\n");
    choose("1");
    confirm();
    EXPECT_EQ(selected(), "1");
    EXPECT_EQ(app.value(editor), "# Terms\n");
    EXPECT_EQ(file("policies/privacy.md"), "# Privacy\n");
    // Not a number, out of range, the shown one: ignored.
    for (const char* value : {"x", "7", "1"}) {
        app.options[combo].push_back({value, value});
        choose(value);
    }
    EXPECT_EQ(reloads, 1);
}

TEST_F(Policies, MetaFieldsQueueTheirPointersAndTheFileFieldMovesTheEditor) {
    show_three();
    choose("1");
    type(P + "/Meta Form/Name Field", "Terms");
    type(P + "/Meta Form/Title Field", "Terms of use");
    type(P + "/Meta Form/File Field", "policies/privacy.md");
    EXPECT_EQ(edits->pending,
              (std::map<std::string, std::string>{{"/policies/1/name", "Terms"},
                                                  {"/policies/1/title", "Terms of use"},
                                                  {"/policies/1/file", "policies/privacy.md"}}));
    EXPECT_EQ(app.value(editor), "# Privacy\n");
    type(P + "/Meta Form/File Field", "policies/none.md");
    EXPECT_EQ(text(status), "Policy file not found");
    services.advance(500);
    EXPECT_EQ(
        nlohmann::ordered_json::parse(site_json())["policies"][1].dump(),
        R"({"slug":"terms","file":"policies/none.md","name":"Terms","title":"Terms of use"})");
}

TEST_F(Policies, DialogDerivesSlugAndFileUntilTypedByHand) {
    show_three();
    open_dialog();
    EXPECT_TRUE(visible(D));
    EXPECT_TRUE(app.is_checked(D + "/Body/Footer Row/Footer Checkbox"));
    type(D + "/Body/Name Editor", "Privacy & Cookies");
    EXPECT_EQ(dialog_fields(),
              (std::vector<std::string>{"privacy-cookies", "policies/privacy-cookies.md"}));
    type(D + "/Body/Slug Editor", " cookies ");
    EXPECT_EQ(dialog_fields(), (std::vector<std::string>{" cookies ", "policies/cookies.md"}));
    type(D + "/Body/Name Editor", "Something else");
    EXPECT_EQ(dialog_fields(), (std::vector<std::string>{" cookies ", "policies/cookies.md"}));
    type(D + "/Body/Slug Editor", "");
    EXPECT_EQ(dialog_fields(), (std::vector<std::string>{"", ""}));
    type(D + "/Body/Name Editor", "Terms");
    EXPECT_EQ(dialog_fields(), (std::vector<std::string>{"terms", "policies/terms.md"}));

    // Browsing a file of the site's "policies" folder fixes the file.
    services.pick_answer = path_in_site("policies/terms.md");
    click(D + "/Body/File Row/Browse Button");
    ASSERT_EQ(services.picks.size(), 1u);
    EXPECT_EQ(services.picks[0].title, "Select a policy Markdown file");
    EXPECT_EQ(services.picks[0].filter, "Markdown (*.md *.markdown);;All Files (*)");
    EXPECT_EQ(services.picks[0].directory, (site_dir / "policies").string());
    type(D + "/Body/Name Editor", "Legal");
    EXPECT_EQ(dialog_fields(), (std::vector<std::string>{"legal", "policies/terms.md"}));
    // Clearing the file lets the name drive it again; opening clears everything.
    type(D + "/Body/File Row/File Editor", "");
    type(D + "/Body/Name Editor", "Legal notes");
    EXPECT_EQ(dialog_fields(),
              (std::vector<std::string>{"legal-notes", "policies/legal-notes.md"}));
    type(D + "/Body/File Row/File Editor", "x.md");
    open_dialog();
    EXPECT_EQ(app.value(D + "/Body/Name Editor"), "");
    type(D + "/Body/Name Editor", "New");
    EXPECT_EQ(dialog_fields(), (std::vector<std::string>{"new", "policies/new.md"}));
}

TEST_F(Policies, CreateAddsThePolicyItsFileAndItsFooterLinkAndShowsIt) {
    show_sample();
    create("Privacy & Cookies");
    EXPECT_FALSE(visible(D));
    const auto doc = nlohmann::ordered_json::parse(site_json());
    EXPECT_EQ(doc["policies"][1].dump(),
              R"({"slug":"privacy-cookies","name":"Privacy & Cookies",)"
              R"("title":"Privacy & Cookies - Acme Docs","file":"policies/privacy-cookies.md"})");
    EXPECT_EQ(doc["footer_links"].dump(),
              R"([{"label":"Privacy","href":"/privacy.html"},)"
              R"({"label":"Privacy & Cookies","href":"/privacy-cookies.html"}])");
    EXPECT_EQ(file("policies/privacy-cookies.md"), "# Privacy & Cookies\n");
    EXPECT_EQ(selected(), "1");
    EXPECT_EQ(app.value(editor), "# Privacy & Cookies\n");

    // No footer link when unchecked; a given title is kept; a file in a new
    // folder is created with its folder.
    open_dialog();
    type(D + "/Body/Name Editor", "Terms");
    type(D + "/Body/Title Editor", " Terms of Use ");
    type(D + "/Body/File Row/File Editor", "legal/terms.md");
    app.set_checked(D + "/Body/Footer Row/Footer Checkbox", false);
    click(D + "/Body/Actions/Create Button");
    const auto after = nlohmann::ordered_json::parse(site_json());
    EXPECT_EQ(after["policies"][2].dump(),
              R"({"slug":"terms","name":"Terms","title":"Terms of Use","file":"legal/terms.md"})");
    EXPECT_EQ(after["footer_links"].size(), 2u);
    EXPECT_EQ(file("legal/terms.md"), "# Terms\n");
    EXPECT_EQ(selected(), "2");
}

TEST_F(Policies, CreateNeverOverwritesAFileAndReportsModelErrors) {
    show_sample();
    dir.write("acme/policies/terms.md", "# Our terms, written by hand\n");
    create("Terms");
    EXPECT_EQ(file("policies/terms.md"), "# Our terms, written by hand\n");
    EXPECT_EQ(app.value(editor), "# Our terms, written by hand\n");
    // A dangling link at the name is not written through either.
    fs::create_symlink(dir / "outside.md", site_dir / "policies/faq.md");
    create("FAQ");
    EXPECT_FALSE(fs::exists(dir / "outside.md"));

    const std::string before = site_json();
    create("Privacy");
    EXPECT_EQ(message(), (std::vector<std::string>{"Couldn't Add Policy",
                                                   "Policy 'privacy' already exists."}));
    EXPECT_TRUE(visible(D));
    EXPECT_EQ(site_json(), before);
    // Empty name or slug: nothing, silently.
    app.set_visible(kMessageDialog, false);
    type(D + "/Body/Name Editor", "Name");
    type(D + "/Body/Slug Editor", " ");
    click(D + "/Body/Actions/Create Button");
    EXPECT_TRUE(message().empty());
    EXPECT_EQ(site_json(), before);
}

TEST_F(Policies, RemoveAsksNamesTheFooterLinkAndMovesTheSelection) {
    show_three();
    choose("1");
    click(P + "/Selector Row/Remove Button");
    EXPECT_EQ(confirmation(),
              (std::vector<std::string>{"Remove Policy",
                                        "Remove policy 'this policy' from this site? Its footer "
                                        "link goes too; the Markdown file stays on disk.",
                                        "Remove"}));
    cancel();
    choose("0");
    click(P + "/Selector Row/Remove Button");
    EXPECT_EQ(confirmation()[1],
              "Remove policy 'Privacy' from this site? The Markdown file stays on disk.");
    confirm();
    EXPECT_EQ(policies_json(),
              R"([{"slug":"terms","file":"/policies/terms.md"},{"title":"Third"}])");
    EXPECT_TRUE(fs::exists(site_dir / "policies/privacy.md"));
    EXPECT_EQ(selected(), "0");  // the new first
    choose("1");
    click(P + "/Selector Row/Remove Button");
    confirm();
    EXPECT_EQ(selected(), "0");  // the new last
    click(P + "/Selector Row/Remove Button");
    confirm();
    EXPECT_EQ(site_json(), R"({"title":"Acme Docs","policies":[],"footer_links":[]})");
    EXPECT_FALSE(visible(P + "/Selector Row/Remove Button"));
}

// Unsaved policy text survives reloads made for other reasons, while the
// same policy and file are shown.
TEST_F(Policies, UnsavedTextSurvivesOtherReloads) {
    show_sample();
    dir.write("acme/projects/zeta/.scribenta-project", R"({"slug": "zeta"})");
    const std::string draft = "# Privacy\n\nA draft.\n";
    type(editor, draft);
    const std::vector<std::function<void()>> reasons = {
        [&] {  // a social link
            click(paths.socials + "/Add Social Button");
            type(kAddSocialDialog + std::string("/Body/Label Editor"), "Feed");
            type(kAddSocialDialog + std::string("/Body/URL Editor"), "https://f.example");
            click(kAddSocialDialog + std::string("/Body/Actions/Create Button"));
        },
        [&] { row_action("orphanRows", "orphan-0", "activate"); },  // a card
        [&] {                                                       // a section
            click(paths.website + "/Home Layout/Layout Header/Add Button");
            type(kAddSectionDialog + std::string("/Body/Label Editor"), "News");
            click(kAddSectionDialog + std::string("/Body/Actions/Create Button"));
        },
        [&] { row_action("homeSections", "home-0", "down"); },  // a move
        [&] { create("Terms"); },                               // a policy
        [&] { type(P + "/Meta Form/File Field", "/policies/privacy.md"); },
    };
    int n = 0;
    for (const auto& reason : reasons) {
        const int before = reloads;
        reason();
        EXPECT_EQ(app.value(editor), draft) << n;
        EXPECT_EQ(text(status), "Unsaved changes") << n;
        EXPECT_EQ(selected(), "0") << n;
        EXPECT_EQ(first_dirty_guard(*shell), "Policies editor") << n;
        EXPECT_GE(reloads, n == 5 ? before : before + 1) << n;
        ++n;
    }
    EXPECT_EQ(options().size(), 2u);  // the new policy is listed, not shown
    click(P + "/File Status Bar/Save Button");
    EXPECT_EQ(file("policies/privacy.md"), draft);
}

TEST_F(Policies, DiscardedTextIsDropped) {
    show_three();
    type(editor, "draft");
    // A reload that is not one of the lists' own (a view switch or another
    // configuration after "Discard") reads the file again.
    shell->reload();
    EXPECT_EQ(app.value(editor), "# Privacy\n");
    EXPECT_EQ(first_dirty_guard(*shell), "");
    // Another file typed into the File field shows that file after "Discard".
    type(editor, "draft");
    type(P + "/Meta Form/File Field", "policies/terms.md");
    EXPECT_EQ(confirmation(),
              (std::vector<std::string>{
                  "Discard changes?",
                  "The Policies editor has unsaved changes. Changing the path will discard them.",
                  "Discard"}));
    EXPECT_EQ(field("File Field"), "policies/privacy.md");
    confirm();
    EXPECT_EQ(field("File Field"), "policies/terms.md");
    EXPECT_EQ(app.value(editor), "# Terms\n");
}

}  // namespace
}  // namespace Scribenta
