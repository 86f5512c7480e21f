// Dependency cards, fact rows and download cards: opening, removing after a
// confirmation, and the three add dialogs, driven through the registered
// handlers on a project inside a site.

#include "panels_fixture.h"

namespace Scribenta {
namespace {

namespace fs = std::filesystem;

const std::string kDep = "App/Add Dependency Dialog";
const std::string kFact = "App/Add Fact Dialog";
const std::string kDownload = "App/Add Download Dialog";

const std::string kThreeOfEach = R"({
  "name": "P",
  "facts": [{"label": "Licence", "value": "MIT"}, {"label": "", "value": "x"},
            {"label": "Language", "value": "C++"}],
  "requires": [{"name": "Qt", "url": "https://www.qt.io"}, {"name": "zlib", "url": "zlib.net"},
               {"url": "https://x.example"}],
  "downloads": [{"platform_label": "Linux", "url": "https://d.example/p.tgz"},
                {"url": "file:///etc/passwd"}, {"platform_label": "Mac", "url": "HTTPS://D.example/p.dmg"}]
})";

class ListEntries : public PanelsFixture {
protected:
    fs::path open_project(const std::string& config = kThreeOfEach) {
        const fs::path file = site_project(config);
        show_file(file);
        return file;
    }
};

TEST_F(ListEntries, RemovalAsksWithTheEntrysNameThenRemovesItAndRenumbers) {
    const fs::path file = open_project();
    const std::string before = TempDir::read(file);
    const struct {
        std::string list, row, question;
    } cases[] = {
        {"depCards", "dep-1", "Remove Dependency | Remove dependency 'zlib'? | Remove"},
        {"depCards", "dep-2", "Remove Dependency | Remove dependency 'this dependency'? | Remove"},
        {"factRows", "fact-0", "Remove Fact | Remove fact 'Licence'? | Remove"},
        {"factRows", "fact-1", "Remove Fact | Remove fact 'this fact'? | Remove"},
        {"downloadCards", "download-0",
         "Remove Download | Remove the Linux download? The file itself (if any) stays where it "
         "is. | Remove"},
        {"downloadCards", "download-1",
         "Remove Download | Remove the this download download? The file itself (if any) stays "
         "where it is. | Remove"},
    };
    for (const auto& c : cases) {
        row_action(c.list, c.row, "remove");
        EXPECT_EQ(question(), c.question) << c.row;
        cancel();
        EXPECT_EQ(question(), "");
    }
    EXPECT_EQ(TempDir::read(file), before);  // cancelled: nothing written

    row_action("depCards", "dep-1", "remove");
    confirm();
    EXPECT_EQ(compact(file).find("zlib"), std::string::npos);
    EXPECT_EQ(rows("depCards"), (Rows{{"dep-0", {{"name", "Qt"}, {"url", "https://www.qt.io"}}},
                                      {"dep-1", {{"name", ""}, {"url", "https://x.example"}}}}));
    // The new numbering is what the next action addresses.
    row_action("depCards", "dep-1", "remove");
    EXPECT_EQ(question(), "Remove Dependency | Remove dependency 'this dependency'? | Remove");
    confirm();
    row_action("factRows", "fact-2", "remove");
    confirm();
    EXPECT_EQ(
        compact(file),
        R"({"name":"P","facts":[{"label":"Licence","value":"MIT"},{"label":"","value":"x"}],)"
        R"("requires":[{"name":"Qt","url":"https://www.qt.io"}],)"
        R"("downloads":[{"platform_label":"Linux","url":"https://d.example/p.tgz"},)"
        R"({"url":"file:///etc/passwd"},{"platform_label":"Mac","url":"HTTPS://D.example/p.dmg"}]})");
}

TEST_F(ListEntries, RemovalWritesQueuedEditsFirstAndFailsSilently) {
    const fs::path file = open_project();
    type(paths.name_field, "Renamed");
    row_action("downloadCards", "download-2", "remove");
    confirm();
    const std::string written = compact(file);
    EXPECT_NE(written.find(R"("name":"Renamed")"), std::string::npos);
    EXPECT_EQ(written.find("Mac"), std::string::npos);

    // The file vanished between the question and the answer.
    row_action("depCards", "dep-0", "remove");
    fs::remove(file);
    confirm();
    EXPECT_FALSE(fs::exists(file));
    EXPECT_EQ(message(), "");
}

TEST_F(ListEntries, StaleOrForeignRowIdsAndUnknownActionsAreIgnored) {
    open_project();
    const struct {
        std::string list, row, action;
    } ignored[] = {
        {"depCards", "dep-3", "remove"},      {"depCards", "dep-", "remove"},
        {"depCards", "dep-x", "remove"},      {"depCards", "dep-1x", "remove"},
        {"depCards", "dep--1", "remove"},     {"depCards", "dep-+1", "remove"},
        {"depCards", "fact-0", "remove"},     {"depCards", "dep- 1", "remove"},
        {"depCards", "dep-0", "open"},        {"factRows", "fact-0", "activate"},
        {"downloadCards", "dep-0", "remove"}, {"depCards", "dep-99999999999999999999", "remove"},
    };
    for (const auto& c : ignored) {
        row_action(c.list, c.row, c.action);
        EXPECT_EQ(question(), "") << c.row << " " << c.action;
    }
    EXPECT_TRUE(opened.empty());
}

TEST_F(ListEntries, ActivateOpensOnlyWebAddresses) {
    open_project();
    for (const char* row : {"dep-0", "dep-1", "dep-2"}) row_action("depCards", row, "activate");
    for (const char* row : {"download-0", "download-1", "download-2"}) {
        row_action("downloadCards", row, "activate");
    }
    // "zlib.net" has no scheme and "file://" is no web address.
    EXPECT_EQ(opened,
              (std::vector<std::string>{"https://www.qt.io", "https://x.example",
                                        "https://d.example/p.tgz", "HTTPS://D.example/p.dmg"}));
    app.open_url_service = nullptr;
    row_action("depCards", "dep-0", "activate");  // no service: nothing, no crash
}

TEST_F(ListEntries, NothingIsRemovedOrAddedWhileNoConfigurationIsOpen) {
    open_project();
    clear_edit_state(*edits);  // the cards stay on screen
    row_action("depCards", "dep-0", "remove");
    EXPECT_EQ(question(), "");
    for (const std::string& button :
         {paths.dependencies + "/Add Dependency Button", paths.add_fact_button,
          paths.downloads + "/Add Download Button"}) {
        click(button);
    }
    for (const auto& dialog : {kDep, kFact, kDownload}) EXPECT_FALSE(visible(dialog)) << dialog;

    open_project();
    shown->kind = kSiteConfig;
    click(paths.add_fact_button);
    EXPECT_FALSE(visible(kFact));
}

TEST_F(ListEntries, OpeningADialogClearsItAndTicksExternal) {
    open_project();
    for (const auto& [dialog, editors] :
         std::vector<std::pair<std::string, std::vector<std::string>>>{
             {kDep, {"/Body/Name Editor", "/Body/URL Editor"}},
             {kFact,
              {"/Body/Label Editor", "/Body/Value Editor", "/Body/Href Editor",
               "/Body/Note Editor"}},
             {kDownload, {"/Body/URL Editor", "/Body/Platform Editor", "/Body/Size Editor"}}}) {
        for (const auto& editor : editors) type(dialog + editor, "left over");
    }
    app.set_checked(kDep + "/Body/External Row/External Checkbox", false);
    app.texts[kDep + "/Body/Icon Row/Icon Hint"] = "old.svg";

    click(paths.dependencies + "/Add Dependency Button");
    click(paths.add_fact_button);
    click(paths.downloads + "/Add Download Button");
    for (const auto& dialog : {kDep, kFact, kDownload}) EXPECT_TRUE(visible(dialog)) << dialog;
    for (const char* editor : {"/Body/Name Editor", "/Body/URL Editor"}) {
        EXPECT_EQ(app.value(kDep + editor), "");
        EXPECT_EQ(text(kDep + editor), "");
    }
    EXPECT_EQ(app.value(kFact + "/Body/Note Editor"), "");
    EXPECT_EQ(app.value(kDownload + "/Body/Size Editor"), "");
    EXPECT_EQ(text(kDep + "/Body/Icon Row/Icon Hint"), "No icon selected.");
    EXPECT_EQ(text(kDownload + "/Body/Icon Row/Icon Hint"), "No icon selected.");
    EXPECT_TRUE(app.is_checked(kDep + "/Body/External Row/External Checkbox"));
}

TEST_F(ListEntries, CreateAppendsTheDialogsEntryInKeyOrder) {
    const fs::path file = open_project(R"({"name": "P"})");
    const fs::path icon = dir.write("elsewhere/qt.svg", "<svg/>");
    services.pick_answer = icon.string();
    const struct {
        std::string dialog;
        std::vector<std::pair<std::string, std::string>> fields;
        bool pick_icon, untick_external;
        std::string appended;  // the list as written
    } cases[] = {
        {kDep,
         {{"/Body/Name Editor", " Qt\t"}, {"/Body/URL Editor", "https://qt.io "}},
         true,
         false,
         R"("requires":[{"name":"Qt","url":"https://qt.io","icon":"/images/qt.svg","external":true})"},
        {kDep,
         {{"/Body/Name Editor", "zlib"}, {"/Body/URL Editor", "https://zlib.net"}},
         false,
         true,
         R"({"name":"zlib","url":"https://zlib.net"}])"},
        {kFact,
         {{"/Body/Label Editor", "Licence"},
          {"/Body/Value Editor", " MIT "},
          {"/Body/Href Editor", " https://mit.example "},
          {"/Body/Note Editor", "\tsee file"}},
         false,
         false,
         R"("facts":[{"label":"Licence","value":"MIT","href":"https://mit.example","note":"see file"})"},
        {kFact,
         {{"/Body/Label Editor", "Language"}, {"/Body/Value Editor", "C++"}},
         false,
         false,
         R"({"label":"Language","value":"C++"}])"},
        {kDownload,
         {{"/Body/URL Editor", "https://d.example/p.exe"},
          {"/Body/Platform Editor", "Windows "},
          {"/Body/Size Editor", " 12 MB"}},
         true,
         false,
         R"("downloads":[{"url":"https://d.example/p.exe","platform_icon":"/images/qt.svg",)"
         R"("platform_label":"Windows","size":"12 MB"})"},
        {kDownload,
         {{"/Body/URL Editor", "https://d.example/p.tgz"}, {"/Body/Platform Editor", "Linux"}},
         false,
         false,
         R"({"url":"https://d.example/p.tgz","platform_label":"Linux"}])"},
    };
    const std::map<std::string, std::string> add_buttons = {
        {kDep, paths.dependencies + "/Add Dependency Button"},
        {kFact, paths.add_fact_button},
        {kDownload, paths.downloads + "/Add Download Button"}};
    for (const auto& c : cases) {
        click(add_buttons.at(c.dialog));
        fill(c.dialog, c.fields);
        if (c.pick_icon) {
            click(c.dialog + "/Body/Icon Row/Browse Button");
            EXPECT_EQ(text(c.dialog + "/Body/Icon Row/Icon Hint"), "qt.svg");
        }
        if (c.untick_external)
            app.set_checked(kDep + "/Body/External Row/External Checkbox", false);
        click(c.dialog + "/Body/Actions/Create Button");
        EXPECT_FALSE(visible(c.dialog)) << c.appended;
        EXPECT_NE(compact(file).find(c.appended), std::string::npos) << compact(file) << "\n"
                                                                     << c.appended;
    }
    EXPECT_EQ(TempDir::read(dir / "images/qt.svg"), "<svg/>");
    EXPECT_EQ(message(), "");
    // The form was rendered again from the file.
    EXPECT_EQ(rows("downloadCards").size(), 2u);
    EXPECT_EQ(rows("factRows").size(), 2u);
    EXPECT_EQ(rows("depCards")[0].second.at("icon"), (dir / "images/qt.svg").string());
}

TEST_F(ListEntries, CreateNeedsBothRequiredFields) {
    const fs::path file = open_project(R"({"name": "P"})");
    const std::string before = TempDir::read(file);
    const struct {
        std::string dialog, first, second;
    } required[] = {{kDep, "/Body/Name Editor", "/Body/URL Editor"},
                    {kFact, "/Body/Label Editor", "/Body/Value Editor"},
                    {kDownload, "/Body/URL Editor", "/Body/Platform Editor"}};
    for (const auto& r : required) {
        for (const auto& [first, second] : std::vector<std::pair<std::string, std::string>>{
                 {"", "x"}, {"x", ""}, {" \t", "x"}, {"x", "  "}}) {
            app.set_visible(r.dialog, true);
            type(r.dialog + r.first, first);
            type(r.dialog + r.second, second);
            click(r.dialog + "/Body/Actions/Create Button");
            EXPECT_TRUE(visible(r.dialog)) << r.dialog << " '" << first << "' '" << second << "'";
        }
    }
    EXPECT_EQ(TempDir::read(file), before);
    EXPECT_EQ(message(), "");
}

TEST_F(ListEntries, CreateWritesQueuedEditsFirstAndShowsTheModelsError) {
    const fs::path file = open_project(R"({"name": "P"})");
    type(paths.tagline_field, "Fast");
    click(paths.add_fact_button);
    fill(kFact, {{"/Body/Label Editor", "Licence"}, {"/Body/Value Editor", "MIT"}});
    click(kFact + "/Body/Actions/Create Button");
    EXPECT_EQ(
        compact(file),
        R"({"format":1,"name":"P","tagline":"Fast","facts":[{"label":"Licence","value":"MIT"}]})");

    click(paths.add_fact_button);
    fill(kFact, {{"/Body/Label Editor", "Language"}, {"/Body/Value Editor", "C++"}});
    dir.write("projects/p/.scribenta-project", "[1, 2]");
    click(kFact + "/Body/Actions/Create Button");
    EXPECT_EQ(message(), "Couldn't Add Fact | Config root is not a JSON object.");
    EXPECT_TRUE(visible(kFact));
    EXPECT_EQ(app.value(kFact + "/Body/Label Editor"), "Language");
    EXPECT_EQ(TempDir::read(file), "[1, 2]");
}

TEST_F(ListEntries, IconPickerStartsInTheSitesImagesFolder) {
    const fs::path file = open_project(R"({"name": "P"})");
    click(paths.dependencies + "/Add Dependency Button");
    click(kDep + "/Body/Icon Row/Browse Button");  // no images folder yet
    dir.write("images/logo.svg", "<svg/>");
    click(kDownload + "/Body/Icon Row/Browse Button");
    ASSERT_EQ(services.picks.size(), 2u);
    EXPECT_EQ(services.picks[0].mode, "file");
    EXPECT_EQ(services.picks[0].title, "Select a dependency icon (copied into your site)");
    EXPECT_EQ(services.picks[0].filter, "Images (*.svg *.png *.jpg *.jpeg *.webp *.gif)");
    EXPECT_EQ(services.picks[0].directory, file.parent_path().string());
    EXPECT_FALSE(services.picks[0].show_hidden);
    EXPECT_EQ(services.picks[1].title, "Select a platform icon (copied into your site)");
    EXPECT_EQ(services.picks[1].directory, (dir / "images").string());
    // Cancelled picks keep "No icon selected." and write no icon.
    EXPECT_EQ(text(kDep + "/Body/Icon Row/Icon Hint"), "No icon selected.");

    clear_edit_state(*edits);
    click(kDep + "/Body/Icon Row/Browse Button");
    EXPECT_EQ(services.picks.size(), 2u);
}

}  // namespace
}  // namespace Scribenta
