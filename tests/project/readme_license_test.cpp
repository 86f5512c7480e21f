// The README and LICENSE panels and the source path, driven through the
// registered handlers on a project with a source folder.

#include "panels_fixture.h"

namespace Scribenta {
namespace {

namespace fs = std::filesystem;

class ReadmeLicense : public PanelsFixture {
protected:
    // A project "p" whose source root is `source_path` ("" for none), with
    // the manifest `manifest` there when it is not empty.
    fs::path open_project(const std::string& source_path, const std::string& manifest = "") {
        const std::string root = source_path.empty() ? "p" : "p/" + source_path;
        if (!manifest.empty()) dir.write(root + "/.scribenta", manifest);
        const fs::path file =
            dir.write("p/.scribenta-project",
                      R"({"name": "P", "build": {"source_path": ")" + source_path + R"("}})");
        show_file(file);
        return file;
    }
    std::string caption(const std::string& row) const { return text(row + "/Create Button/Label"); }
    void create(const std::string& row) { click(row + "/Create Button"); }
};

TEST_F(ReadmeLicense, NoCreateRowWithoutASourceRoot) {
    open_project("");
    for (const char* typed : {"", "README.md", "docs/README.md"}) {
        type(paths.readme_path_field, typed);
        EXPECT_FALSE(visible(paths.readme_create_row)) << typed;
        EXPECT_FALSE(wiring.readme_editor->loaded);
    }
    create(paths.readme_create_row);
    EXPECT_FALSE(fs::exists(dir / "p/docs/README.md"));
    EXPECT_FALSE(fs::exists(dir / "p/README.md"));
}

TEST_F(ReadmeLicense, CreateWithAnEmptyFieldUsesTheDefaultNameAndQueuesIt) {
    open_project("src", R"({"build": {}})");
    for (const auto& [row, name] :
         {std::pair{paths.readme_create_row, "README.md"}, {paths.license_create_row, "LICENSE"}}) {
        EXPECT_TRUE(visible(row));
        EXPECT_EQ(caption(row), std::string("Create ") + name);
    }
    create(paths.readme_create_row);
    create(paths.license_create_row);
    EXPECT_EQ(app.value(paths.readme_path_field), "README.md");
    EXPECT_EQ(app.value(paths.license_path_field), "LICENSE");
    EXPECT_EQ(edits->pending_source,
              (std::map<std::string, std::string>{{"/build/license", "LICENSE"},
                                                  {"/build/readme", "README.md"}}));
    for (const char* name : {"p/src/README.md", "p/src/LICENSE"}) {
        EXPECT_TRUE(fs::is_regular_file(dir / name)) << name;
        EXPECT_EQ(TempDir::read(dir / name), "") << name;
    }
    EXPECT_TRUE(wiring.readme_editor->loaded);
    EXPECT_EQ(wiring.readme_editor->path, (dir / "p/src/README.md").string());
    EXPECT_FALSE(visible(paths.readme_create_row));
    EXPECT_FALSE(visible(paths.license_create_row));
    services.advance(kEditQuietMs);
    EXPECT_EQ(compact(dir / "p/src/.scribenta"),
              R"({"format":1,"build":{"license":"LICENSE","readme":"README.md"}})");
}

TEST_F(ReadmeLicense, CreateMakesMissingFoldersAndQueuesATypedNameOnlyOnce) {
    open_project("src");
    type(paths.readme_path_field, "docs/guide/README.md");
    EXPECT_EQ(caption(paths.readme_create_row), "Create docs/guide/README.md");
    EXPECT_EQ(wiring.readme_editor->path, (dir / "p/src/docs/guide/README.md").string());
    EXPECT_EQ(text(wiring.readme_editor->status_key), "README not found");
    const int generation = edits->generation;
    create(paths.readme_create_row);
    EXPECT_EQ(edits->generation, generation);  // nothing queued again
    EXPECT_EQ(edits->pending_source,
              (std::map<std::string, std::string>{{"/build/readme", "docs/guide/README.md"}}));
    EXPECT_EQ(TempDir::read(dir / "p/src/docs/guide/README.md"), "");
    EXPECT_TRUE(wiring.readme_editor->loaded);
    EXPECT_EQ(text(wiring.readme_editor->status_key), "");
}

TEST_F(ReadmeLicense, BlanksNameTheDefaultInTheCaptionButResolveAsTyped) {
    open_project("src");
    type(paths.license_path_field, "  ");
    EXPECT_EQ(caption(paths.license_create_row), "Create LICENSE");
    EXPECT_EQ(wiring.license_editor->path, (dir / "p/src/  ").string());
    EXPECT_EQ(edits->pending_source.at("/build/license"), "  ");
}

TEST_F(ReadmeLicense, AnExistingFileIsNeverTruncated) {
    open_project("src");
    // The file appears after the editor looked for it.
    dir.write("p/src/README.md", "# Keep me\n");
    EXPECT_TRUE(visible(paths.readme_create_row));
    create(paths.readme_create_row);
    EXPECT_EQ(TempDir::read(dir / "p/src/README.md"), "# Keep me\n");
    EXPECT_EQ(app.value(wiring.readme_editor->text_key), "# Keep me\n");
    EXPECT_FALSE(visible(paths.readme_create_row));

    // Something that cannot be read as a file is left alone and only reloaded.
    fs::create_directories(dir / "p/src/LICENSE");
    create(paths.license_create_row);
    EXPECT_TRUE(fs::is_directory(dir / "p/src/LICENSE"));
    EXPECT_FALSE(wiring.license_editor->loaded);
    EXPECT_TRUE(visible(paths.license_create_row));
}

TEST_F(ReadmeLicense, AFailedCreateShowsNothingAndKeepsTheRow) {
    open_project("src");
    dir.write("p/src/docs", "a file where a folder is needed");
    type(paths.readme_path_field, "docs/README.md");
    create(paths.readme_create_row);
    EXPECT_FALSE(wiring.readme_editor->loaded);
    EXPECT_TRUE(visible(paths.readme_create_row));
    EXPECT_EQ(message(), "");
    EXPECT_EQ(TempDir::read(dir / "p/src/docs"), "a file where a folder is needed");
}

TEST_F(ReadmeLicense, AnAbsoluteLicensePathIgnoresTheSourceRoot) {
    const fs::path license = dir.write("shared/LICENSE", "MIT\n");
    open_project("src");
    type(paths.license_path_field, license.string());
    EXPECT_EQ(wiring.license_editor->path, license.string());
    EXPECT_EQ(app.value(wiring.license_editor->text_key), "MIT\n");
    EXPECT_FALSE(visible(paths.license_create_row));
}

TEST_F(ReadmeLicense, ANewSourceRootReloadsTheEditorsFromTheFieldsAsTheyStand) {
    dir.write("p/src/README.md", "old readme");
    dir.write("p/next/README.md", "new readme");
    dir.write("p/next/COPYING", "new licence");
    dir.write("p/next/guides/a.md", "new topic");
    const fs::path config =
        open_project("src", R"({"build": {"readme": "README.md", "license": "COPYING",
                            "topics": [{"slug": "a", "source": "guides/a.md"}]}})");
    EXPECT_EQ(app.value(wiring.readme_editor->text_key), "old readme");
    EXPECT_FALSE(wiring.license_editor->loaded);
    EXPECT_TRUE(visible(paths.license_create_row));

    type(paths.source_path_field, "next");
    EXPECT_EQ(wiring.state->source_path, "next");
    EXPECT_EQ(app.value(wiring.readme_editor->text_key), "new readme");
    EXPECT_EQ(app.value(wiring.license_editor->text_key), "new licence");
    EXPECT_EQ(app.value(wiring.topics_editor->text_key), "new topic");
    EXPECT_FALSE(visible(paths.license_create_row));
    EXPECT_EQ(app.value(paths.readme_path_field), "README.md");
    EXPECT_EQ(edits->pending, (std::map<std::string, std::string>{{"/build/source_path", "next"}}));
    EXPECT_TRUE(edits->pending_source.empty());
    services.advance(kEditQuietMs);
    EXPECT_EQ(compact(config), R"({"format":1,"name":"P","build":{"source_path":"next"}})");
    EXPECT_FALSE(fs::exists(dir / "p/next/.scribenta"));  // the manifest values stay where they are

    type(paths.source_path_field, "");  // no root: the create rows go
    EXPECT_FALSE(visible(paths.readme_create_row));
}

TEST_F(ReadmeLicense, NothingIsQueuedOrLoadedWhileNoConfigurationIsOpen) {
    open_project("src");
    clear_edit_state(*edits);
    type(paths.readme_path_field, "README.md");
    type(paths.source_path_field, "elsewhere");
    EXPECT_TRUE(edits->pending_source.empty());
    EXPECT_TRUE(edits->pending.empty());
    EXPECT_EQ(wiring.readme_editor->path, "");
    EXPECT_EQ(wiring.state->source_path, "elsewhere");  // kept all the same
    create(paths.readme_create_row);
    EXPECT_FALSE(fs::exists(dir / "p/elsewhere"));
    EXPECT_FALSE(fs::exists(dir / "p/src/README.md"));
}

// A redraw of the same project (after a list edit, a text-view change or a
// save) keeps what was typed in the three file editors; showing the project
// anew, as after closing it, reads the files again.
TEST_F(ReadmeLicense, OwnRedrawsKeepUnsavedFileTextAndOtherReloadsReadTheFiles) {
    dir.write("p/src/README.md", "readme");
    dir.write("p/src/LICENSE", "license");
    dir.write("p/src/intro.md", "intro");
    const fs::path config =
        open_project("src", R"({"build": {"readme": "README.md", "license": "LICENSE",
                   "topics": [{"label": "Intro", "source": "intro.md"}]}})");
    const std::vector<std::pair<std::shared_ptr<FileEditor>, std::string>> editors = {
        {wiring.readme_editor, "readme"},
        {wiring.license_editor, "license"},
        {wiring.topics_editor, "intro"}};
    const auto type_into_all = [&] {
        for (const auto& [editor, saved] : editors) type(editor->text_key, saved + " typed");
    };
    const auto expect_all = [&](const std::string& tail, const std::string& status) {
        for (const auto& [editor, saved] : editors) {
            EXPECT_EQ(app.value(editor->text_key), saved + tail) << saved;
            EXPECT_EQ(text(editor->status_key), status) << saved;
        }
    };
    expect_all("", "");
    type_into_all();
    // A redraw the configurator makes for its own change keeps the text...
    ReloadKeepingText{shell, wiring.text_keep}();
    expect_all(" typed", "Unsaved changes");
    // ...the plain reload (after "Discard", a view switch) reads the files...
    shell->reload();
    expect_all("", "");
    // ...and so does showing the configuration anew.
    type_into_all();
    clear_edit_state(*edits);
    show_file(config);
    expect_all("", "");
}

}  // namespace
}  // namespace Scribenta
