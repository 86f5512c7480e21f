// Another program (a git checkout, a second window) changes the open file
// while the form still shows it as it was. An edit or removal aimed at a
// list entry by its position then reaches that entry or changes nothing
// and says so; plain members are written as ever; the editor's own writes
// never count as another program's.

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "app/fake_services.h"
#include "tests/app_window/window_fixture.h"

namespace window_test {
namespace {

namespace fs = std::filesystem;

const std::string kPanels = kProject + "/Editor Panel/Panels";
const std::string kProjectPanel = kPanels + "/Project Panel";
const std::string kName = kProjectPanel + "/Project Form/Name Field";
const std::string kFacts = kProjectPanel + "/Facts Form";
const std::string kTopics = kPanels + "/Topics Panel";

std::string fact_value(int index) {
    return kFacts + "/fact-" + std::to_string(index) + "/Value Field";
}

std::string facts_config(const std::string& facts, const std::string& tagline = "T") {
    return R"({"slug": "p", "name": "P", "tagline": ")" + tagline + R"(", "facts": [)" + facts +
           "]}\n";
}

const std::string kAlphaBeta =
    R"({"label": "Alpha", "value": "a"}, {"label": "Beta", "value": "b"})";
const std::string kInserted = R"({"label": "Inserted", "value": "i"}, )" + kAlphaBeta;

using Facts = std::vector<std::string>;

// The file's facts as "label=value".
Facts facts_in(const fs::path& file) {
    Facts facts;
    const auto doc = nlohmann::json::parse(TempDir::read(file));
    for (const auto& fact : doc.at("facts")) {
        facts.push_back(fact.at("label").get<std::string>() + "=" +
                        fact.at("value").get<std::string>());
    }
    return facts;
}

std::string member_in(const fs::path& file, const char* key) {
    return nlohmann::json::parse(TempDir::read(file)).at(key).get<std::string>();
}

class OutsideChanges : public Window {
protected:
    // The message on screen as title | text, or "".
    std::string message() const {
        if (hidden(kMessage)) return "";
        return text(kMessage + "/Titlebar/Title") + " | " + text(kMessage + "/Body/Message");
    }
    std::string changed_message(const fs::path& file) const {
        return "Couldn't Save Changes | " + fs::canonical(file).string() +
               " was changed by another program, so the form now shows it as it is on disk. "
               "Make your last change again.";
    }
    std::string question() const {
        return hidden(kConfirm) ? "" : text(kConfirm + "/Body/Message");
    }
    std::vector<std::string> row_labels(const std::string& list, const char* field) const {
        std::vector<std::string> labels;
        for (const auto& row : app.rows.at(list)) labels.push_back(row.fields.at(field));
        return labels;
    }
    void remove_row(const std::string& list, const std::string& row) {
        tab_action(list, row, "remove");
        click(kConfirmButton);
    }
    void dismiss_message() { click(kMessage + "/Body/OK Button"); }

    fs::path open_project(const std::string& config) {
        const fs::path path = dir.write("p/.scribenta-project", config);
        build(path.string());
        return path;
    }

    FakeServices services{app};
};

// What the user does to Beta, second of the facts shown.
struct BetaCase {
    const char* name;
    bool remove;  // true: remove its row; false: type into its value
};

void PrintTo(const BetaCase& c, std::ostream* out) {
    *out << c.name;
}

class BetaCases : public OutsideChanges, public testing::WithParamInterface<BetaCase> {
protected:
    void act_on_beta() {
        if (GetParam().remove) {
            tab_action("factRows", "fact-1", "remove");
            EXPECT_EQ(question(), "Remove fact 'Beta'?");
            click(kConfirmButton);
        } else {
            type(fact_value(1), "typed");
            services.advance(500);
        }
    }
};

TEST_P(BetaCases, AnEntryInsertedBeforeBetaMakesTheChangeChangeNothingAndSaySo) {
    const fs::path config = open_project(facts_config(kAlphaBeta));
    const std::string outside = facts_config(kInserted);
    dir.write("p/.scribenta-project", outside);

    act_on_beta();
    EXPECT_EQ(TempDir::read(config), outside);
    EXPECT_EQ(message(), changed_message(config));
    // The form and the JSON view show the file as it is now.
    EXPECT_EQ(row_labels("factRows", "label"),
              (std::vector<std::string>{"Inserted", "Alpha", "Beta"}));
    EXPECT_EQ(app.value(fact_value(1)), "a");
    EXPECT_EQ(app.value(kProject + "/Text Panel/Text Editor"), outside);

    // Made again on the redrawn form, the change reaches Beta.
    dismiss_message();
    if (GetParam().remove) {
        remove_row("factRows", "fact-2");
        EXPECT_EQ(facts_in(config), (Facts{"Inserted=i", "Alpha=a"}));
    } else {
        type(fact_value(2), "typed");
        services.advance(500);
        EXPECT_EQ(facts_in(config), (Facts{"Inserted=i", "Alpha=a", "Beta=typed"}));
    }
    EXPECT_EQ(message(), "");
}

INSTANTIATE_TEST_SUITE_P(Window, BetaCases,
                         testing::Values(BetaCase{"Remove", true}, BetaCase{"TypeValue", false}),
                         [](const testing::TestParamInfo<BetaCase>& info) {
                             return std::string(info.param.name);
                         });

// A plain member's edit is written over another program's change of other
// members, list or not, and keeps that change; only a later change aimed
// at an entry of the changed list is refused.
TEST_F(OutsideChanges, PlainMembersAreWrittenAndKeepTheOtherProgramsChanges) {
    const fs::path config = open_project(facts_config(kAlphaBeta));
    dir.write("p/.scribenta-project", facts_config(kInserted, "Outside"));

    type(kName, "Renamed");
    services.advance(500);
    EXPECT_EQ(message(), "");
    const std::string written = TempDir::read(config);
    EXPECT_EQ(member_in(config, "name"), "Renamed");
    EXPECT_EQ(member_in(config, "tagline"), "Outside");
    EXPECT_EQ(facts_in(config), (Facts{"Inserted=i", "Alpha=a", "Beta=b"}));

    tab_action("factRows", "fact-1", "remove");
    click(kConfirmButton);
    EXPECT_EQ(TempDir::read(config), written);
    EXPECT_EQ(message(), changed_message(config));
}

// A plain edit and an entry's edit in one write: the first is written, the
// second dropped.
TEST_F(OutsideChanges, OneWriteKeepsItsPlainEditAndDropsTheEntryEdit) {
    const fs::path config = open_project(facts_config(kAlphaBeta));
    dir.write("p/.scribenta-project", facts_config(kInserted));
    type(kName, "Renamed");
    type(fact_value(1), "typed");
    services.advance(500);
    EXPECT_EQ(member_in(config, "name"), "Renamed");
    EXPECT_EQ(facts_in(config), (Facts{"Inserted=i", "Alpha=a", "Beta=b"}));
    EXPECT_EQ(message(), changed_message(config));
    EXPECT_EQ(app.value(kName), "Renamed");
}

// Another program changing something else leaves list changes alone.
TEST_F(OutsideChanges, AChangeElsewhereInTheFileLetsListChangesThrough) {
    const fs::path config = open_project(facts_config(kAlphaBeta));
    dir.write("p/.scribenta-project", facts_config(kAlphaBeta, "Outside"));
    remove_row("factRows", "fact-1");
    EXPECT_EQ(facts_in(config), (Facts{"Alpha=a"}));
    EXPECT_EQ(member_in(config, "tagline"), "Outside");
    EXPECT_EQ(message(), "");
}

// The editor's own writes, of every kind, followed by a list change: it
// goes through without a word.
struct OwnWriteCase {
    const char* name;
    std::vector<std::pair<std::string, std::string>> steps;  // node, typed text or "" for a click
    Facts expected;  // the file's facts after removing the first
};

void PrintTo(const OwnWriteCase& c, std::ostream* out) {
    *out << c.name;
}

class OwnWrites : public OutsideChanges, public testing::WithParamInterface<OwnWriteCase> {};

TEST_P(OwnWrites, NeverCountAsAnotherProgramsChange) {
    const fs::path config = open_project(facts_config(kAlphaBeta));
    for (const auto& [node, typed] : GetParam().steps) {
        if (typed.empty()) {
            click(node);
        } else {
            type(node, typed);
        }
        services.advance(500);
    }
    ASSERT_EQ(message(), "");
    remove_row("factRows", "fact-0");
    EXPECT_EQ(message(), "");
    EXPECT_EQ(facts_in(config), GetParam().expected);
}

const std::string kTextView = kProject + "/View Bar/Text View Tab";
const std::string kEditorView = kProject + "/View Bar/Editor View Tab";
const std::string kFactDialog = "App/Add Fact Dialog/Body";

INSTANTIATE_TEST_SUITE_P(
    Window, OwnWrites,
    testing::Values(OwnWriteCase{"QueuedEntryEdit", {{fact_value(1), "typed"}}, {"Beta=typed"}},
                    OwnWriteCase{"QueuedPlainEdit", {{kName, "Renamed"}}, {"Beta=b"}},
                    OwnWriteCase{"AddedFact",
                                 {{kProjectPanel + "/Add Fact Button", ""},
                                  {kFactDialog + "/Label Editor", "Gamma"},
                                  {kFactDialog + "/Value Editor", "g"},
                                  {kFactDialog + "/Actions/Create Button", ""}},
                                 {"Beta=b", "Gamma=g"}},
                    OwnWriteCase{
                        "TextViewSave",
                        {{kTextView, ""},
                         {kProject + "/Text Panel/Text Editor",
                          facts_config(R"({"label": "Zero", "value": "0"}, )" + kAlphaBeta)},
                         {kProject + "/Text Panel/Status Bar/Save Button", ""},
                         {kEditorView, ""}},
                        {"Alpha=a", "Beta=b"}}),
    [](const testing::TestParamInfo<OwnWriteCase>& info) { return std::string(info.param.name); });

// A question left open while a write redraws the form for another
// program's change: its answer changes nothing.
TEST_F(OutsideChanges, AQuestionAskedBeforeARedrawRemovesNothing) {
    const fs::path config = open_project(facts_config(kAlphaBeta));
    type(fact_value(1), "typed");
    const std::string outside = facts_config(kInserted);
    dir.write("p/.scribenta-project", outside);
    tab_action("factRows", "fact-0", "remove");
    ASSERT_EQ(question(), "Remove fact 'Alpha'?");
    services.advance(500);  // the typed value's write finds the list changed
    EXPECT_EQ(message(), changed_message(config));
    click(kConfirmButton);
    EXPECT_EQ(TempDir::read(config), outside);
}

// The lists of a site, through their own panels.
struct SiteCase {
    const char* name;
    std::string before;   // the file as the form shows it
    std::string outside;  // as another program left it
    std::string list;     // row list of the action, or "" for typing into `node`
    std::string row;
    std::string action;
    std::string node;
};

void PrintTo(const SiteCase& c, std::ostream* out) {
    *out << c.name;
}

class SiteLists : public OutsideChanges, public testing::WithParamInterface<SiteCase> {};

TEST_P(SiteLists, AChangedListRefusesTheChangeAndSaysSo) {
    const SiteCase& c = GetParam();
    const fs::path config = dir.write("s/.scribenta-site", c.before);
    build(config.string());
    dir.write("s/.scribenta-site", c.outside);
    if (c.list.empty()) {
        type(c.node, "typed");
        services.advance(500);
    } else {
        tab_action(c.list, c.row, c.action);
        if (!hidden(kConfirm)) click(kConfirmButton);
    }
    EXPECT_EQ(TempDir::read(config), c.outside);
    EXPECT_EQ(message(), changed_message(config));
}

const std::string kSocials = R"("socials": [{"label": "A", "url": "https://a"},
                                            {"label": "B", "url": "https://b"}])";
const std::string kSections = R"("home": {"sections": [{"type": "custom", "label": "A"},
                                                      {"type": "custom", "label": "B"}]})";
const std::string kPolicyList = R"("policies": [{"name": "A", "file": "a.md"},
                                               {"name": "B", "file": "b.md"}])";

std::string site_with(const std::string& member, const std::string& extra = "") {
    return R"({"format": 1, "title": "Docs", "projects": [], )" + member + extra + "}\n";
}

INSTANTIATE_TEST_SUITE_P(
    Window, SiteLists,
    testing::Values(SiteCase{"RemoveSocial", site_with(kSocials),
                             site_with(R"("socials": [{"label": "New", "url": "https://n"},
                                          {"label": "A", "url": "https://a"},
                                          {"label": "B", "url": "https://b"}])"),
                             "socialCards", "social-1", "remove", ""},
                    SiteCase{"MoveHomeSection", site_with(kSections),
                             site_with(R"("home": {"sections": [{"type": "custom", "label": "B"},
                                                   {"type": "custom", "label": "A"}]})"),
                             "homeSections", "home-1", "up", ""},
                    SiteCase{
                        "RemoveHomeSection", site_with(kSections),
                        site_with(R"("home": {"sections": [{"type": "custom", "label": "A"}]})"),
                        "homeSections", "home-1", "remove", ""},
                    SiteCase{"EditPolicyTitle", site_with(kPolicyList),
                             site_with(R"("policies": [{"name": "New", "file": "n.md"},
                                           {"name": "A", "file": "a.md"},
                                           {"name": "B", "file": "b.md"}])"),
                             "", "", "", kPolicies + "/Meta Form/Title Field"}),
    [](const testing::TestParamInfo<SiteCase>& info) { return std::string(info.param.name); });

TEST_F(OutsideChanges, PolicyRemovalRefusedAndTheEditorKeepsItsPolicysUnsavedText) {
    dir.write("s/a.md", "policy a");
    dir.write("s/b.md", "policy b");
    dir.write("s/n.md", "policy n");
    const fs::path config = dir.write("s/.scribenta-site", site_with(kPolicyList));
    build(config.string());
    const std::string combo = kPolicies + "/Selector Row/Item Combo";
    app.dispatch_event(combo, "select:1");
    const std::string editor = kPolicies + "/File Editor";
    ASSERT_EQ(app.value(editor), "policy b");
    type(editor, "policy b, unsaved");

    const std::string outside = site_with(R"("policies": [{"name": "New", "file": "n.md"},
                                                          {"name": "A", "file": "a.md"},
                                                          {"name": "B", "file": "b.md"}])");
    dir.write("s/.scribenta-site", outside);
    click(kPolicies + "/Selector Row/Remove Button");
    EXPECT_EQ(question(), "Remove policy 'B' from this site? The Markdown file stays on disk.");
    click(kConfirmButton);
    EXPECT_EQ(TempDir::read(config), outside);
    EXPECT_EQ(message(), changed_message(config));
    // The redrawn form still shows B, now third, with the text typed.
    EXPECT_EQ(app.selection.at(combo), "2");
    EXPECT_EQ(app.value(kPolicies + "/Meta Form/Name Field"), "B");
    EXPECT_EQ(app.value(editor), "policy b, unsaved");
    EXPECT_EQ(TempDir::read(dir / "s/b.md"), "policy b");
}

// An added entry is the file's last, whatever another program put before it.
TEST_F(OutsideChanges, AnAddedPolicyIsTheOneShown) {
    const fs::path config = dir.write("s/.scribenta-site", site_with(kPolicyList));
    build(config.string());
    dir.write("s/.scribenta-site", site_with(R"("policies": [{"name": "New", "file": "n.md"},
                                                             {"name": "A", "file": "a.md"},
                                                             {"name": "B", "file": "b.md"}])"));
    const std::string dialog = "App/Add Policy Dialog/Body";
    click(kPolicies + "/Selector Row/Add Button");
    type(dialog + "/Name Editor", "Cookies");
    type(dialog + "/Slug Editor", "cookies");
    click(dialog + "/Actions/Create Button");
    EXPECT_EQ(message(), "");
    EXPECT_EQ(app.selection.at(kPolicies + "/Selector Row/Item Combo"), "3");
    EXPECT_EQ(app.value(kPolicies + "/Meta Form/Name Field"), "Cookies");
}

// Topics live in the build manifest of the project's source root.
TEST_F(OutsideChanges, TopicsOfTheManifestAreGuardedAlike) {
    dir.write("p/src/a.md", "topic a");
    dir.write("p/src/b.md", "topic b");
    const std::string manifest =
        R"({"build": {"topics": [{"label": "A", "source": "a.md"}, {"label": "B", "source": "b.md"}]}})";
    const fs::path manifest_file = dir.write("p/src/.scribenta", manifest);
    open_project(R"({"slug": "p", "name": "P", "build": {"source_path": "src"}})");
    const std::string outside =
        R"({"build": {"topics": [{"label": "New", "source": "n.md"}, {"label": "A", "source": "a.md"}, {"label": "B", "source": "b.md"}]}})";
    dir.write("p/src/.scribenta", outside);

    type(kTopics + "/Meta Form/Label Field", "Renamed");
    services.advance(500);
    EXPECT_EQ(TempDir::read(manifest_file), outside);
    EXPECT_EQ(message(), changed_message(manifest_file));
    dismiss_message();

    // The redrawn topics show the file's; the second topic's editor gets
    // unsaved text, and another program moves the topics again.
    const std::string combo = kTopics + "/Selector Row/Item Combo";
    app.dispatch_event(combo, "select:2");
    ASSERT_EQ(app.value(kTopics + "/File Editor"), "topic b");
    type(kTopics + "/File Editor", "topic b, unsaved");
    dir.write("p/src/.scribenta", manifest);
    click(kTopics + "/Selector Row/Remove Button");
    click(kConfirmButton);
    EXPECT_EQ(TempDir::read(manifest_file), manifest);
    EXPECT_EQ(message(), changed_message(manifest_file));
    EXPECT_EQ(app.selection.at(combo), "1");
    EXPECT_EQ(app.value(kTopics + "/Meta Form/Label Field"), "B");
    EXPECT_EQ(app.value(kTopics + "/File Editor"), "topic b, unsaved");
}

// Closing the window within the quiet period after an edit: the edit is
// written first, or the window stays open and says why; closing it again
// with no edit since goes on.
struct CloseCase {
    const char* name;
    std::string outside;   // what another program writes after the form was drawn, "" for nothing
    std::string node;      // where the user types before closing
    std::string expected;  // the message the first close shows, "" for none
};

void PrintTo(const CloseCase& c, std::ostream* out) {
    *out << c.name;
}

const std::string kUnchangedConfig = facts_config(kAlphaBeta);

class ClosingCases : public OutsideChanges, public testing::WithParamInterface<CloseCase> {};

TEST_P(ClosingCases, QueuedEditsAreWrittenOrTheWindowStaysAndSaysWhy) {
    const CloseCase& c = GetParam();
    const fs::path config = open_project(kUnchangedConfig);
    int closes = 0;
    app.close_window_service = [&closes] { ++closes; };
    const std::string on_disk = c.outside.empty() ? kUnchangedConfig : c.outside;
    dir.write("p/.scribenta-project", on_disk);
    type(c.node, "typed");

    const bool closed = app.close_request();
    const std::string shown = message();
    if (c.expected.empty()) {
        EXPECT_TRUE(closed);
        EXPECT_EQ(shown, "");
        EXPECT_NE(TempDir::read(config).find("typed"), std::string::npos);
        return;
    }
    EXPECT_FALSE(closed);
    EXPECT_EQ(shown, c.expected == "changed" ? changed_message(config) : c.expected);
    EXPECT_EQ(TempDir::read(config), on_disk);
    EXPECT_TRUE(app.close_request());
    EXPECT_EQ(closes, 0);  // closed by the window itself, not through a question
}

INSTANTIATE_TEST_SUITE_P(
    Window, ClosingCases,
    testing::Values(CloseCase{"ListChangedElsewhere", facts_config(kInserted), fact_value(1),
                              "changed"},
                    CloseCase{"FileBrokenElsewhere", "{\"slug\": \"p\",\n", kName,
                              "Couldn't Save Changes | Couldn't save .scribenta-project: it is "
                              "not valid JSON (line 2)."},
                    CloseCase{"Written", "", fact_value(1), ""}),
    [](const testing::TestParamInfo<CloseCase>& info) { return std::string(info.param.name); });

// Unsaved file text as well: the message comes first, then the question.
TEST_F(OutsideChanges, ClosingTellsOfADroppedEditBeforeAskingAboutUnsavedText) {
    dir.write("p/src/README.md", "readme");
    dir.write("p/src/.scribenta", R"({"build": {"readme": "README.md"}})");
    const auto with_readme = [](const std::string& facts) {
        return R"({"slug": "p", "name": "P", "build": {"source_path": "src"}, "facts": [)" + facts +
               "]}\n";
    };
    const fs::path config = open_project(with_readme(kAlphaBeta));
    dir.write("p/.scribenta-project", with_readme(kInserted));
    type(fact_value(1), "typed");
    const std::string readme = kPanels + "/Readme Panel/Readme Editor";
    type(readme, "readme typed");

    EXPECT_FALSE(app.close_request());
    EXPECT_EQ(message(), changed_message(config));
    EXPECT_EQ(question(), "");
    dismiss_message();
    EXPECT_EQ(app.value(readme), "readme typed");
    EXPECT_FALSE(app.close_request());
    EXPECT_EQ(question(),
              "The README editor has unsaved changes. Closing the window will discard them.");
}

}  // namespace
}  // namespace window_test
