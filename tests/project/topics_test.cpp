// The Topics panel and the Add Topic dialog, driven through the registered
// handlers on a project whose source root holds the manifest.

#include "panels_fixture.h"

namespace Scribenta {
namespace {

namespace fs = std::filesystem;

const std::string kAdd = "App/Add Topic Dialog";
const std::string kLabel = kAdd + "/Body/Label Editor";
const std::string kSlug = kAdd + "/Body/Slug Editor";
const std::string kTitle = kAdd + "/Body/Title Editor";
const std::string kIntro = kAdd + "/Body/Intro Editor";
const std::string kSource = kAdd + "/Body/Source Row/Source Editor";

const std::string kTwoTopics = R"({"format": 1, "build": {"topics": [
  {"slug": "start", "label": "Getting Started", "title": "Start here", "intro": "First steps",
   "source": "docs/start.md"},
  {"slug": "faq", "label": "FAQ", "title": "Questions", "source": "docs/faq.md"}]}})";

class Topics : public PanelsFixture {
protected:
    Topics() {
        dir.write("p/src/docs/start.md", "# Start\n");
        dir.write("p/src/docs/faq.md", "# FAQ\n");
    }
    fs::path open_project(const std::string& manifest = kTwoTopics) {
        if (!manifest.empty()) dir.write("p/src/.scribenta", manifest);
        const fs::path config =
            dir.write("p/.scribenta-project", R"({"name": "P", "build": {"source_path": "src"}})");
        show_file(config);
        return config;
    }
    fs::path manifest() const { return dir / "p/src/.scribenta"; }
    TopicPaths t() const { return topic_paths(paths.topics); }
    std::vector<std::string> option_labels() {
        std::vector<std::string> labels;
        for (const auto& option : app.options[t().combo]) {
            labels.push_back(option.value + ":" + option.label);
        }
        return labels;
    }
    void select(const std::string& value) { app.dispatch_event(t().combo, "select:" + value); }
    std::string editor_text() const { return app.value(wiring.topics_editor->text_key); }
};

TEST_F(Topics, TheComboListsTopicsByLabelThenSlugThenPosition) {
    const struct {
        std::string manifest;
        std::vector<std::string> options;
    } cases[] = {
        {"", {}},
        {R"({"format": 1})", {}},
        {R"({"build": {"topics": {"slug": "x"}}})", {}},
        {R"({"build": "x"})", {}},
        {R"({"build": {"topics": [{"label": "A", "slug": "a"}, {"slug": "b"}, {}, "text"]}})",
         {"0:A", "1:b", "2:Topic 3", "3:Topic 4"}},
    };
    for (const auto& c : cases) {
        fs::remove(manifest());
        open_project(c.manifest);
        EXPECT_EQ(option_labels(), c.options) << c.manifest;
        const bool any = !c.options.empty();
        for (const auto& path :
             {t().meta_form, t().file_status_bar, t().file_editor, t().remove_button}) {
            EXPECT_EQ(visible(path), any) << c.manifest << " " << path;
        }
    }
    // Without topics the fields are empty and the editor shows no file.
    open_project("{}");
    for (const auto& field :
         {t().label_field, t().title_field, t().intro_field, t().source_field}) {
        EXPECT_EQ(app.value(field), "") << field;
    }
    EXPECT_EQ(wiring.topics_editor->path, "");
    EXPECT_EQ(text(wiring.topics_editor->status_key), "");
}

TEST_F(Topics, ShowsTheSelectedTopicAndKeepsItAcrossRenderings) {
    open_project();
    EXPECT_EQ(option_labels(), (std::vector<std::string>{"0:Getting Started", "1:FAQ"}));
    EXPECT_EQ(app.selection[t().combo], "0");
    EXPECT_EQ(app.value(t().label_field), "Getting Started");
    EXPECT_EQ(app.value(t().intro_field), "First steps");
    EXPECT_EQ(editor_text(), "# Start\n");

    select("1");
    EXPECT_EQ(topics->index, 1u);
    EXPECT_EQ(app.selection[t().combo], "1");
    EXPECT_EQ(app.value(t().title_field), "Questions");
    EXPECT_EQ(app.value(t().intro_field), "");
    EXPECT_EQ(wiring.topics_editor->path, (dir / "p/src/docs/faq.md").string());
    EXPECT_EQ(editor_text(), "# FAQ\n");

    shell->reload();
    EXPECT_EQ(app.value(t().label_field), "FAQ");

    // Another configuration starts at its first topic.
    dir.write("q/.scribenta", kTwoTopics);
    show_file(dir.write("q/.scribenta-project", "{}"));
    EXPECT_EQ(topics->index, 0u);
    EXPECT_EQ(topics->owner_path, (dir / "q/.scribenta-project").string());
}

TEST_F(Topics, FieldEditsGoToTheManifestUnderTheShownIndex) {
    open_project();
    type(t().label_field, "Start");
    select("1");  // writes the pending edit first
    type(t().intro_field, "Often asked");
    type(t().source_field, "docs/start.md");
    EXPECT_EQ(editor_text(), "# Start\n");  // the source field loads its file at once
    EXPECT_EQ(edits->pending_source,
              (std::map<std::string, std::string>{{"/build/topics/1/intro", "Often asked"},
                                                  {"/build/topics/1/source", "docs/start.md"}}));
    services.advance(kEditQuietMs);
    const std::string written = compact(manifest());
    EXPECT_NE(written.find(R"({"slug":"start","label":"Start",)"), std::string::npos);
    EXPECT_NE(written.find(R"("source":"docs/start.md","intro":"Often asked"})"), std::string::npos)
        << written;
    type(t().source_field, "");
    EXPECT_EQ(wiring.topics_editor->path, "");
}

TEST_F(Topics, SwitchingWithUnsavedTextAsksFirst) {
    open_project();
    type(wiring.topics_editor->text_key, "# Start\nunsaved");
    select("1");
    EXPECT_EQ(question(),
              "Discard changes? | The Topics editor has unsaved changes. Switching topics will "
              "discard them. | Discard");
    EXPECT_EQ(app.selection[t().combo], "0");  // put back until confirmed
    EXPECT_EQ(topics->index, 0u);
    cancel();
    EXPECT_EQ(topics->index, 0u);
    EXPECT_EQ(editor_text(), "# Start\nunsaved");
    EXPECT_TRUE(editor_is_dirty(app, *wiring.topics_editor));

    select("1");
    confirm();
    EXPECT_EQ(topics->index, 1u);
    EXPECT_EQ(app.selection[t().combo], "1");
    EXPECT_EQ(editor_text(), "# FAQ\n");
    EXPECT_EQ(TempDir::read(dir / "p/src/docs/start.md"), "# Start\n");
}

TEST_F(Topics, SelectionsThatAreNoOtherTopicAreIgnored) {
    open_project();
    for (const char* value : {"0", "2", "x", "", "-1", "+1", " 1", "1 ", "99999999999999999999"}) {
        select(value);
        EXPECT_EQ(topics->index, 0u) << value;
        EXPECT_EQ(question(), "") << value;
    }
}

TEST_F(Topics, TheDialogDerivesSlugAndSourceUntilTheyAreTyped) {
    open_project();
    click(t().add_button);
    EXPECT_TRUE(visible(kAdd));
    const struct {
        std::string field, typed, slug, source;
    } steps[] = {
        {kLabel, "Getting Started!", "getting-started", "guides/getting-started.md"},
        {kLabel, "", "", ""},
        {kSlug, "intro", "intro", "guides/intro.md"},            // typed slug
        {kLabel, "Something Else", "intro", "guides/intro.md"},  // no longer derives
        {kSlug, "  ", "  ", "guides/.md"},                       // blanks still count
        {kSlug, "", "", ""},                                     // emptied: derives again
        {kLabel, "Install", "install", "guides/install.md"},
        {kSource, "notes/install.md", "install", "notes/install.md"},
        {kLabel, "Setup", "setup", "notes/install.md"},  // source kept
    };
    for (const auto& s : steps) {
        type(s.field, s.typed);
        EXPECT_EQ(app.value(kSlug), s.slug) << s.field << " " << s.typed;
        EXPECT_EQ(app.value(kSource), s.source) << s.field << " " << s.typed;
    }
    // Every opening starts over.
    click(t().add_button);
    for (const auto& field : {kLabel, kSlug, kTitle, kIntro, kSource}) {
        EXPECT_EQ(app.value(field), "") << field;
    }
    type(kLabel, "FAQ Two");
    EXPECT_EQ(app.value(kSource), "guides/faq-two.md");
}

TEST_F(Topics, BrowsingPicksAFileBelowTheSourceRootAndFreezesTheSource) {
    const fs::path config = open_project();
    click(t().add_button);
    services.pick_answer = "";
    click(kAdd + "/Body/Source Row/Browse Button");  // cancelled
    dir.write("p/src/guides/x.md", "x");
    services.pick_answer = (dir / "p/src/guides/x.md").string();
    click(kAdd + "/Body/Source Row/Browse Button");
    ASSERT_EQ(services.picks.size(), 2u);
    EXPECT_EQ(services.picks[0].directory, (dir / "p/src").string());
    EXPECT_EQ(services.picks[1].directory, (dir / "p/src/guides").string());
    EXPECT_EQ(services.picks[1].title, "Select a topic Markdown file");
    EXPECT_EQ(services.picks[1].filter, "Markdown (*.md *.markdown);;All Files (*)");
    EXPECT_EQ(services.picks[1].mode, "file");
    EXPECT_FALSE(services.picks[1].show_hidden);
    EXPECT_EQ(app.value(kSource), "guides/x.md");
    type(kLabel, "Other");
    EXPECT_EQ(app.value(kSource), "guides/x.md");

    // A source root that does not exist starts in the configuration's folder.
    type(paths.source_path_field, "missing");
    click(kAdd + "/Body/Source Row/Browse Button");
    EXPECT_EQ(services.picks.back().directory, config.parent_path().string());
}

TEST_F(Topics, CreateAppendsTheTopicCreatesItsFileAndShowsIt) {
    open_project();
    type(t().title_field, "Start here!");  // pending, written before the append
    click(t().add_button);
    type(kLabel, " Install ");
    click(kAdd + "/Body/Actions/Create Button");
    EXPECT_FALSE(visible(kAdd));
    EXPECT_EQ(
        compact(manifest()),
        R"({"format":1,"build":{"topics":[)"
        R"({"slug":"start","label":"Getting Started","title":"Start here!","intro":"First steps","source":"docs/start.md"},)"
        R"({"slug":"faq","label":"FAQ","title":"Questions","source":"docs/faq.md"},)"
        R"({"slug":"install","label":"Install","title":"Install","source":"guides/install.md"}]}})");
    EXPECT_EQ(TempDir::read(dir / "p/src/guides/install.md"), "# Install\n");
    EXPECT_EQ(topics->index, 2u);
    EXPECT_EQ(app.selection[t().combo], "2");
    EXPECT_EQ(editor_text(), "# Install\n");

    // An existing file keeps its content; the intro and title are written.
    dir.write("p/src/guides/more.md", "already here");
    click(t().add_button);
    fill(kAdd, {{"/Body/Label Editor", "More"},
                {"/Body/Title Editor", "More things"},
                {"/Body/Intro Editor", "Extra"}});
    click(kAdd + "/Body/Actions/Create Button");
    EXPECT_EQ(TempDir::read(dir / "p/src/guides/more.md"), "already here");
    EXPECT_NE(
        compact(manifest())
            .find(
                R"({"slug":"more","label":"More","title":"More things","intro":"Extra","source":"guides/more.md"})"),
        std::string::npos);
    EXPECT_EQ(topics->index, 3u);
}

TEST_F(Topics, CreateNeedsALabelAndASlugAndShowsTheModelsError) {
    open_project();
    const std::string before = TempDir::read(manifest());
    click(t().add_button);
    for (const auto& [label, slug] :
         std::vector<std::pair<std::string, std::string>>{{"", ""}, {"  ", "x"}, {"Label", "\t"}}) {
        type(kLabel, label);
        type(kSlug, slug);
        click(kAdd + "/Body/Actions/Create Button");
        EXPECT_TRUE(visible(kAdd));
    }
    EXPECT_EQ(message(), "");
    type(kLabel, "Again");
    type(kSlug, "faq");
    click(kAdd + "/Body/Actions/Create Button");
    EXPECT_EQ(message(), "Couldn't Add Topic | Topic 'faq' already exists.");
    EXPECT_TRUE(visible(kAdd));
    EXPECT_EQ(app.value(kLabel), "Again");
    EXPECT_EQ(TempDir::read(manifest()), before);
    EXPECT_FALSE(fs::exists(dir / "p/src/guides/faq.md"));
}

TEST_F(Topics, TheAddButtonWaitsForAShownProject) {
    open_project();
    shown->kind = kSiteConfig;
    click(t().add_button);
    EXPECT_FALSE(visible(kAdd));
    shown->kind = kProjectConfig;
    clear_edit_state(*edits);
    click(t().add_button);
    EXPECT_FALSE(visible(kAdd));
}

TEST_F(Topics, RemovalAsksThenDropsTheEntryAndShowsThePreviousTopic) {
    open_project();
    select("1");
    click(t().remove_button);
    EXPECT_EQ(question(),
              "Remove Topic | Remove topic 'FAQ' from this project? The Markdown file stays on "
              "disk. | Remove");
    confirm();
    EXPECT_EQ(option_labels(), (std::vector<std::string>{"0:Getting Started"}));
    EXPECT_EQ(topics->index, 0u);
    EXPECT_EQ(TempDir::read(dir / "p/src/docs/faq.md"), "# FAQ\n");

    type(t().label_field, " ");
    click(t().remove_button);
    EXPECT_EQ(question(),
              "Remove Topic | Remove topic 'this topic' from this project? The Markdown file "
              "stays on disk. | Remove");
    confirm();
    EXPECT_EQ(compact(manifest()), R"({"format":1,"build":{"topics":[]}})");
    EXPECT_EQ(topics->index, 0u);
    EXPECT_EQ(topics->count, 0u);
    EXPECT_FALSE(visible(t().remove_button));
    click(t().remove_button);  // nothing left to remove
    EXPECT_EQ(question(), "");
}

TEST_F(Topics, RemovingTheFirstShowsTheNewFirstAndAFailureChangesNothing) {
    open_project();
    click(t().remove_button);
    fs::remove(manifest());  // gone before the answer
    confirm();
    EXPECT_EQ(topics->index, 0u);
    EXPECT_EQ(message(), "");

    open_project();
    click(t().remove_button);
    confirm();
    EXPECT_EQ(app.value(t().label_field), "FAQ");
    EXPECT_EQ(topics->index, 0u);
}

}  // namespace
}  // namespace Scribenta
