#include "project_fixture.h"

#include <fstream>

#include "app/open_config.h"
#include "app/project/project_facts_view.h"

namespace Scribenta {
namespace {

namespace fs = std::filesystem;

class ProjectFormTest : public ProjectFixture {};

TEST_F(ProjectFormTest, StandAloneSampleProjectFillsEveryField) {
    const fs::path site = copy_sample();
    const fs::path rocket = site / "projects/rocket/.scribenta-project";
    show_file(rocket);

    EXPECT_EQ(edits->config_path, rocket.string());
    EXPECT_EQ(edits->text, TempDir::read(rocket));
    EXPECT_EQ(app.value(shell->text_editor), TempDir::read(rocket));
    EXPECT_EQ(app.texts[shell->status_message], "");
    EXPECT_TRUE(has_word(shell->save_button, "Disabled"));

    const std::pair<std::string, std::string> fields[] = {
        {paths.slug_field, "rocket"},
        {paths.name_field, "Rocket"},
        {paths.tagline_field, "Launch builds into orbit"},
        {paths.platform_field, "github"},
        {paths.path_field, "acme/rocket"},
        {paths.url_field, "https://github.com/acme/rocket"},
        {paths.source_path_field, "src"},
        {paths.readme_path_field, "README.md"},
        {paths.license_path_field, "LICENSE"},
        {paths.facts_form + "/fact-0/Value Field", "MIT"},
        {paths.facts_form + "/fact-1/Value Field", "C++20"},
    };
    for (const auto& [path, text] : fields) {
        EXPECT_EQ(app.texts[path], text) << path;
        EXPECT_EQ(app.value(path), text) << path;
    }
    EXPECT_EQ(app.images[paths.logo_image], (site / "images/rocket.svg").string());
    EXPECT_TRUE(visible(paths.logo_avatar));

    EXPECT_EQ(rows("factRows"),
              (Rows{{"fact-0", {{"label", "Licence"}}}, {"fact-1", {{"label", "Language"}}}}));
    EXPECT_EQ(*wiring.fact_labels, (std::vector<std::string>{"Licence", "Language"}));
    EXPECT_EQ(rows("depCards"), (Rows{{"dep-0", {{"name", "Qt"}, {"url", "https://www.qt.io"}}}}));
    EXPECT_TRUE(visible(paths.dep_cards + "/dep-0/External"));
    EXPECT_EQ(rows("downloadCards"),
              (Rows{{"download-0",
                     {{"label", "Linux"},
                      {"url", "https://downloads.acme.example/rocket-1.4.2.tar.gz"},
                      {"size", "4 MB"}}}}));
    ASSERT_EQ(wiring.dep_rows->size(), 1u);
    EXPECT_EQ(wiring.dep_rows->at(0).name, "Qt");
    ASSERT_EQ(wiring.download_rows->size(), 1u);
    EXPECT_EQ(wiring.download_rows->at(0).url,
              "https://downloads.acme.example/rocket-1.4.2.tar.gz");

    EXPECT_TRUE(visible(paths.repo_form));
    EXPECT_TRUE(visible(paths.repository_label));
    EXPECT_FALSE(visible(paths.add_repository_button));
    EXPECT_EQ(wiring.state->source_path, "src");
    EXPECT_EQ(app.value(wiring.readme_editor->text_key),
              TempDir::read(site / "projects/rocket/src/README.md"));
    EXPECT_TRUE(wiring.readme_editor->loaded);
    EXPECT_TRUE(wiring.license_editor->loaded);

    // A stand-alone project inside a site may become a family.
    EXPECT_TRUE(visible(paths.family_label));
    EXPECT_TRUE(visible(paths.promote_button));
    EXPECT_TRUE(visible(paths.facts_label));
    EXPECT_TRUE(visible(paths.facts_form));
    EXPECT_TRUE(visible(paths.add_fact_button));
    EXPECT_FALSE(visible(paths.family_bar));
    EXPECT_FALSE(visible(paths.family_divider));
    EXPECT_EQ(app.texts[paths.project_tab_label], "Project");
    EXPECT_FALSE(has_word(paths.project_tab, "Family"));
    EXPECT_TRUE(has_word(paths.member_tabs + "/member-0", "Active"));
}

TEST_F(ProjectFormTest, ProjectOutsideASiteOffersNoPromotion) {
    show_file(dir.write("alone/.scribenta-project", R"({"name": "Alone"})"));
    EXPECT_EQ(app.value(paths.name_field), "Alone");
    EXPECT_FALSE(visible(paths.family_label));
    EXPECT_FALSE(visible(paths.promote_button));
}

// Anything that is not a readable project object renders as an empty
// project, "Clean", with the text that was read in the JSON text view.
TEST_F(ProjectFormTest, UnusableFilesRenderAsAnEmptyProject) {
    dir.write(".scribenta-site", "{}");
    const std::string texts[] = {"", "{broken", "[1, 2]", "\"text\"", "42", "{} trailing"};
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        show_file(dir.write("p/.scribenta-project", R"({"slug": "old", "facts": [{"label": "L"}],
            "repo": {}, "requires": [{"name": "n"}], "downloads": [{"url": "u"}]})"));
        ASSERT_EQ(app.value(paths.slug_field), "old");
        show_file(dir.write("p/.scribenta-project", text));
        EXPECT_EQ(app.value(shell->text_editor), text);
        EXPECT_EQ(edits->text, text);
        EXPECT_EQ(app.texts[shell->status_message], "");
        for (const auto* field : {&paths.slug_field, &paths.name_field, &paths.tagline_field,
                                  &paths.platform_field, &paths.path_field, &paths.url_field,
                                  &paths.source_path_field, &paths.readme_path_field}) {
            EXPECT_EQ(app.value(*field), "") << *field;
        }
        EXPECT_TRUE(rows("factRows").empty());
        EXPECT_TRUE(rows("depCards").empty());
        EXPECT_TRUE(rows("downloadCards").empty());
        EXPECT_FALSE(visible(paths.repo_form));
        EXPECT_TRUE(visible(paths.add_repository_button));
        EXPECT_FALSE(visible(paths.logo_avatar));
        EXPECT_FALSE(visible(paths.facts_form));
    }
    show_file(dir / "missing/.scribenta-project");
    EXPECT_EQ(edits->config_path, (dir / "missing/.scribenta-project").string());
    EXPECT_EQ(app.value(shell->text_editor), "");
    EXPECT_EQ(app.value(paths.slug_field), "");
}

TEST_F(ProjectFormTest, WrongTypesReadAsTextOrAsMissing) {
    dir.write(".scribenta-site", "{}");
    dir.write("images/icon.svg", "<svg/>");
    show_file(dir.write("p/.scribenta-project", R"({
        "slug": 5, "name": true, "tagline": null, "logo": 7,
        "repo": "x",
        "build": ["src"],
        "facts": [3, {"label": 1.5, "value": {"a": [1]}}, {"label": "S", "preset": "stable_release"}],
        "requires": [{"name": "Plain", "external": "true"}, "loose", {"name": "Ext", "icon": "/images/icon.svg", "external": true}],
        "downloads": [{"platform_label": "Mac"}, {"platform_label": "Win", "platform_icon": "/images/none.svg", "size": 12}],
        "versions": "1.0"
    })"));
    EXPECT_EQ(app.value(paths.slug_field), "5");
    EXPECT_EQ(app.value(paths.name_field), "true");
    EXPECT_EQ(app.value(paths.tagline_field), "");
    EXPECT_FALSE(visible(paths.logo_avatar));
    EXPECT_EQ(app.value(paths.source_path_field), "");

    // "repo" that is not an object is no repository.
    EXPECT_FALSE(visible(paths.repo_form));
    EXPECT_TRUE(visible(paths.add_repository_button));
    EXPECT_EQ(app.value(paths.platform_field), "");

    EXPECT_EQ(rows("factRows"), (Rows{{"fact-0", {{"label", ""}}},
                                      {"fact-1", {{"label", "1.5"}}},
                                      {"fact-2", {{"label", "S"}}}}));
    EXPECT_EQ(app.value(fact_value_field(paths, 0)), "");
    EXPECT_EQ(app.value(fact_value_field(paths, 1)), R"({"a":[1]})");
    EXPECT_EQ(app.value(fact_value_field(paths, 2)), kDerivedFromLatestBuild);

    // A dependency always carries "name"; only the JSON boolean true is external.
    EXPECT_EQ(rows("depCards"),
              (Rows{{"dep-0", {{"name", "Plain"}}},
                    {"dep-1", {{"name", ""}}},
                    {"dep-2", {{"name", "Ext"}, {"icon", (dir / "images/icon.svg").string()}}}}));
    EXPECT_FALSE(visible(paths.dep_cards + "/dep-0/External"));
    EXPECT_FALSE(visible(paths.dep_cards + "/dep-1/External"));
    EXPECT_TRUE(visible(paths.dep_cards + "/dep-2/External"));

    // A download without url or size has no such fields; a missing icon none.
    EXPECT_EQ(rows("downloadCards"), (Rows{{"download-0", {{"label", "Mac"}}},
                                           {"download-1", {{"label", "Win"}, {"size", "12"}}}}));
}

TEST_F(ProjectFormTest, StableReleaseFactShowsTheLatestVersionLocked) {
    const fs::path project = dir / "p";
    struct Case {
        std::string versions;
        std::string built_tag;  // record of versions/1.4, none when empty
        std::string shown;
    };
    const Case cases[] = {
        {"[]", "", "Derived from the latest build"},
        {R"(["1.0", {"label": "1.4"}])", "", "1.4"},
        {R"([{"label": "1.4", "release_date": "2026-03-01"}, {"label": "1.2"}])", "",
         "1.4 (2026-03-01)"},
        {R"([{"label": "1.4", "release_date": "2026-03-01"}])", "1.4.2", "1.4.2 (2026-03-01)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.versions);
        fs::remove_all(project / "versions");
        if (!c.built_tag.empty()) {
            dir.write("p/versions/1.4/.scribenta-built", R"({"tag": ")" + c.built_tag + R"("})");
        }
        const std::string text =
            R"({"facts": [{"label": "Stable", "value": "own", "preset": "stable_release"}], "versions": )" +
            c.versions + "}";
        show_file(dir.write("p/.scribenta-project", text));
        const std::string field = fact_value_field(paths, 0);
        EXPECT_EQ(app.value(field), c.shown);
        // Rendered again and again, the field stays locked.
        EXPECT_TRUE(has_word(field, "Locked"));

        type(field, "typed");
        services.advance(1000);
        EXPECT_EQ(TempDir::read(project / ".scribenta-project"), text);
    }
}

TEST_F(ProjectFormTest, AFactThatLosesItsPresetIsUnlockedAndEditable) {
    const auto config = dir.write("p/.scribenta-project",
                                  R"({"facts": [{"label": "S", "preset": "stable_release"}]})");
    show_file(config);
    const std::string field = fact_value_field(paths, 0);
    EXPECT_TRUE(has_word(field, "Locked"));
    dir.write("p/.scribenta-project", R"({"facts": [{"label": "S", "value": "v"}]})");
    shell->reload();
    EXPECT_FALSE(has_word(field, "Locked"));
    EXPECT_EQ(app.value(field), "v");
    type(field, "w");
    services.advance(500);
    EXPECT_EQ(compact(config), R"({"format":1,"facts":[{"label":"S","value":"w"}]})");
}

TEST_F(ProjectFormTest, MemberIndexIsClampedAndEmptyMembersRenderNothing) {
    const auto a = dir.write("a/.scribenta-project", R"({"name": "A"})");
    const auto b = dir.write("b/.scribenta-project", R"({"name": "B"})");
    show({member(a, "A"), member(b, "B")});
    wiring.render_project_form(*shown, 7);
    EXPECT_EQ(wiring.state->member_index, 1u);
    EXPECT_EQ(wiring.current_member(), 1u);
    EXPECT_EQ(app.value(paths.name_field), "B");

    OpenConfig empty;
    wiring.render_project_form(empty, 0);
    EXPECT_EQ(app.value(paths.name_field), "B");
    EXPECT_EQ(edits->config_path, b.string());
    EXPECT_EQ(wiring.state->member_index, 1u);
}

TEST_F(ProjectFormTest, ReadmeAndLicenseResolveBelowTheSourceRoot) {
    dir.write("src/.scribenta",
              R"({"build": {"readme": "docs/README.md", "license": "/abs/NOPE"}})");
    dir.write("src/docs/README.md", "# Read me\n");
    show_file(dir.write("p/.scribenta-project", R"({"build": {"source_path": "../src"}})"));
    EXPECT_EQ(wiring.readme_editor->path, (dir / "src/docs/README.md").string());
    EXPECT_EQ(app.value(wiring.readme_editor->text_key), "# Read me\n");
    EXPECT_EQ(wiring.license_editor->path, "/abs/NOPE");
    EXPECT_EQ(app.texts[wiring.license_editor->status_key], "License file not found");

    // Without a manifest neither file is named.
    show_file(dir.write("q/.scribenta-project", "{}"));
    EXPECT_EQ(wiring.readme_editor->path, "");
    EXPECT_EQ(app.texts[wiring.readme_editor->status_key], "");
}

}  // namespace
}  // namespace Scribenta
