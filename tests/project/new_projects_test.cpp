// The Add Project and Promote dialogs in the declared window, on a copy of
// the sample site.

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/window_declaration.h"
#include "config/json_file.h"
#include "tests/app_window/window_fixture.h"

namespace window_test {
namespace {

namespace fs = std::filesystem;
using Ids = std::vector<std::string>;

const std::string kAdd = "App/Add Project Dialog";
const std::string kName = kAdd + "/Body/Name Editor";
const std::string kSlug = kAdd + "/Body/Slug Editor";
const std::string kTagline = kAdd + "/Body/Tagline Editor";
const std::string kLabel = kAdd + "/Body/Family Label Editor";
const std::string kCreate = kAdd + "/Body/Actions/Create Button";
const std::string kPromote = "App/Promote Dialog";
const std::string kAddProjectButton =
    kSite + "/Editor Panel/Panels/Projects Panel/Add Project Button";
const std::string kAddMember = kProject + "/Family Bar/Add Member Button";
const std::string kPromoteButton = kProject + "/Editor Panel/Panels/Project Panel/Promote Button";

class NewProjects : public Window {
protected:
    void SetUp() override {
        Window::SetUp();
        ctx = Scribenta::declare_window(app);
        fs::copy(fs::path(SCRIBENTA_SOURCE_DIR) / "examples" / "acme-docs", dir / "acme-docs",
                 fs::copy_options::recursive);
        root = fs::canonical(dir / "acme-docs");
        const auto reload = ctx.site_shell->reload;
        ctx.site_shell->reload = [this, reload] {
            ++site_reloads;
            reload();
        };
    }
    std::string at(const std::string& rel) const { return (root / rel).string(); }
    void open(const std::string& rel) { ctx.configs->open_config_file(at(rel)); }
    nlohmann::ordered_json json(const std::string& rel) const {
        nlohmann::ordered_json doc;
        Scribenta::parse_json_file(root / rel, doc);
        return doc;
    }
    std::vector<std::string> site_projects() const {
        std::vector<std::string> out;
        const auto site = json(".scribenta-site");
        for (const auto& p : site["projects"]) out.push_back(p["config"]);
        return out;
    }
    // The message dialog's title and text, or "" when it is hidden.
    std::string message() const {
        if (hidden(kMessage)) return "";
        return text(kMessage + "/Titlebar/Title") + " / " + text(kMessage + "/Body/Message");
    }
    std::vector<std::string> family_labels() const {
        std::vector<std::string> out;
        for (const auto& row : app.rows.at("familyTabs")) {
            const auto it = row.fields.find("label");
            out.push_back(it == row.fields.end() ? "<overview>" : it->second);
        }
        return out;
    }

    Scribenta::AppContext ctx;
    fs::path root;
    int site_reloads = 0;
};

TEST_F(NewProjects, TheSlugFollowsTheNameUntilTypedByHand) {
    open(".scribenta-site");
    click(kAddProjectButton);
    ASSERT_FALSE(hidden(kAdd));
    EXPECT_EQ(text(kAdd + "/Titlebar/Title"), "New Project");
    EXPECT_TRUE(hidden(kLabel));

    struct Step {
        const char* field;
        const char* typed;
        const char* slug;
        bool by_hand;
    };
    const Step steps[] = {
        {"name", "My Great  Tool!", "my-great-tool", false},
        {"name", "  Ünïcode 2 Go ", "n-code-2-go", false},
        {"slug", "mine", "mine", true},
        {"name", "Something Else", "mine", true},
        {"slug", "", "", false},  // emptying the slug resumes the derivation
        {"name", "Back Again", "back-again", false},
    };
    for (const Step& step : steps) {
        type(std::string(step.field) == "name" ? kName : kSlug, step.typed);
        EXPECT_EQ(app.value(kSlug), step.slug) << step.typed;
    }
    type(kSlug, "typed");
    // Reopening clears every editor and the typed-by-hand flag.
    click(kAdd + "/Body/Actions/Cancel Button");
    EXPECT_TRUE(hidden(kAdd));
    type(kTagline, "t");
    click(kAddProjectButton);
    for (const auto& editor : {kName, kSlug, kTagline, kLabel}) {
        EXPECT_EQ(app.value(editor), "") << editor;
    }
    type(kName, "Fresh Name");
    EXPECT_EQ(app.value(kSlug), "fresh-name");
}

TEST_F(NewProjects, AStandAloneProjectIsRegisteredAndOpensInItsOwnTab) {
    open(".scribenta-site");
    click(kAddProjectButton);
    type(kName, "  Nova Kit\t");
    type(kTagline, " Small stars ");
    const int reloads = site_reloads;
    click(kCreate);
    EXPECT_EQ(message(), "");
    EXPECT_TRUE(hidden(kAdd));
    EXPECT_EQ(
        json("projects/nova-kit/.scribenta-project"),
        nlohmann::ordered_json::parse(
            R"({"format": 1, "slug": "nova-kit", "name": "Nova Kit", "tagline": "Small stars"})"));
    EXPECT_EQ(site_projects().back(), "./projects/nova-kit/.scribenta-project");
    EXPECT_EQ(site_reloads, reloads + 1);
    EXPECT_EQ(tab_ids(), (Ids{"config-1", "config-2"}));
    EXPECT_EQ(tab_field("config-2", "title"), "Nova Kit");
    EXPECT_EQ(tab_field("config-2", "icon"), "project");
    EXPECT_EQ(ctx.configs->shown->path, at("projects/nova-kit/.scribenta-project"));
}

TEST_F(NewProjects, CreateRefusals) {
    open(".scribenta-site");
    const auto site_before = json(".scribenta-site");
    click(kAddProjectButton);
    // Blank name or slug: nothing at all.
    type(kName, "   ");
    click(kCreate);
    EXPECT_FALSE(hidden(kAdd));
    EXPECT_EQ(message(), "");

    struct Case {
        const char* name;
        const char* slug;
        const char* message;
    };
    const Case cases[] = {
        {"Rocket Two", "rocket",
         "Couldn't Add Project / A project with slug 'rocket' already exists in this site."},
        {"Bad", "Bad_Slug",
         "Couldn't Add Project / Slug must be lowercase letters and digits in dash-separated "
         "runs (like \"profile-api\")."},
    };
    for (const Case& c : cases) {
        type(kName, c.name);
        type(kSlug, c.slug);
        click(kCreate);
        EXPECT_EQ(message(), c.message);
        EXPECT_FALSE(hidden(kAdd));  // stays open, as typed
        EXPECT_EQ(app.value(kName), c.name);
        click(kMessage + "/Body/Actions/OK Button");
    }
    EXPECT_EQ(json(".scribenta-site"), site_before);

    // Without a "projects" array the model's text is shown as well.
    auto broken = site_before;
    broken["projects"] = "none";
    Scribenta::save_json_file(root / ".scribenta-site", broken);
    type(kSlug, "fine");
    click(kCreate);
    EXPECT_EQ(message(), "Couldn't Add Project / 'projects' is not an array in the site config.");
    EXPECT_EQ(tab_ids(), Ids{"config-1"});
}

TEST_F(NewProjects, AddMemberOpensTheDialogForTheFamily) {
    // A stand-alone project: nothing.
    open("projects/rocket/.scribenta-project");
    click(kAddMember);
    EXPECT_TRUE(hidden(kAdd));

    const auto open_family = [this] {
        ctx.configs->open_site_project(
            at("projects/orbit/.scribenta-project"), "Orbit",
            {{at("projects/orbit/.scribenta-project"), "Overview", true, "", ""},
             {at("projects/orbit-core/.scribenta-project"), "Core", false, "", ""}});
    };
    open_family();
    click(kAddMember);
    EXPECT_FALSE(hidden(kAdd));
    EXPECT_EQ(text(kAdd + "/Titlebar/Title"), "New Project in Orbit");
    EXPECT_FALSE(hidden(kLabel));
    click(kAdd + "/Titlebar/Exit Button");

    // Lead config without a name: the slug names the family.
    Scribenta::save_json_file(root / "projects/orbit/.scribenta-project",
                              nlohmann::ordered_json::parse(R"({"format": 1, "slug": "orbit"})"));
    click(kAddMember);
    EXPECT_EQ(text(kAdd + "/Titlebar/Title"), "New Project in orbit");
    click(kAdd + "/Titlebar/Exit Button");

    // Without a slug (or unreadable): the message, and no dialog.
    for (const char* lead : {R"({"name": "Orbit"})", "{not json"}) {
        std::ofstream(root / "projects/orbit/.scribenta-project") << lead;
        click(kAddMember);
        EXPECT_TRUE(hidden(kAdd)) << lead;
        EXPECT_EQ(message(), "Couldn't Add Project / The family's lead config has no slug.");
        click(kMessage + "/Body/Actions/OK Button");
    }
}

TEST_F(NewProjects, ANewMemberJoinsTheFamilyTabAfterTheUnsavedQuestion) {
    const std::string lead = at("projects/orbit/.scribenta-project");
    ctx.configs->open_site_project(
        lead, "Orbit",
        {{lead, "Overview", true, "", ""},
         {at("projects/orbit-core/.scribenta-project"), "Core", false, "", ""}});
    click(kAddMember);
    type(kName, "Orbit Web");
    EXPECT_EQ(app.value(kSlug), "orbit-web");
    type(kTagline, "In the browser");
    edit_text_view(kProject, "{}");  // unsaved text
    click(kCreate);
    EXPECT_EQ(message(), "");
    EXPECT_TRUE(hidden(kAdd));
    auto member = json("projects/orbit-web/.scribenta-project");
    EXPECT_EQ(member.value("parent_slug", ""), "orbit");
    EXPECT_EQ(member.value("slug", ""), "orbit-web");
    EXPECT_FALSE(member.contains("family_label"));
    // Listed at once under its name, in the same left tab ...
    EXPECT_EQ(family_labels(), (Ids{"<overview>", "Core", "Orbit Web"}));
    EXPECT_EQ(tab_ids(), Ids{"config-1"});
    EXPECT_EQ(ctx.configs->open.front().members.size(), 3u);
    EXPECT_EQ(ctx.configs->shown->members.back().tagline, "In the browser");
    // ... and shown once the user discards the unsaved text.
    EXPECT_FALSE(hidden(kConfirm));
    EXPECT_EQ(ctx.edits->config_path, lead);
    click(kConfirm + "/Body/Actions/Confirm Button");
    EXPECT_EQ(ctx.edits->config_path, at("projects/orbit-web/.scribenta-project"));
    EXPECT_TRUE(has(kProject + "/Family Bar/Member Tabs/member-2", "Active"));
}

TEST_F(NewProjects, AMemberNeedsASiteAbove) {
    // A family outside any site.
    const std::string lead = dir.write("lone/.scribenta-project", R"({"slug": "lone"})").string();
    const std::string m = dir.write("lone-a/.scribenta-project", R"({"slug": "a"})").string();
    ctx.configs->open_site_project(lead, "Lone",
                                   {{lead, "Overview", true, "", ""}, {m, "A", false, "", ""}});
    click(kAddMember);
    type(kName, "B");
    click(kCreate);
    EXPECT_EQ(message(), "Couldn't Add Project / No .scribenta-site found above this project.");
    EXPECT_FALSE(hidden(kAdd));
}

TEST_F(NewProjects, PromotionTurnsTheTabIntoAFamily) {
    open(".scribenta-site");
    open("projects/rocket/.scribenta-project");
    ASSERT_FALSE(hidden(kPromoteButton));
    click(kPromoteButton);
    ASSERT_FALSE(hidden(kPromote));
    EXPECT_EQ(text(kPromote + "/Body/Message"),
              "\"Rocket\" becomes a project family: a family overview keeps its name and slug, "
              "and this project becomes the family's first member under a new slug (its pages "
              "move under the family's).");
    // A pending form edit reaches the file before it moves.
    type(kProject + "/Editor Panel/Panels/Project Panel/Project Form/Tagline Field", "Launch!");

    click(kPromote + "/Body/Actions/Promote Button");  // no member slug: nothing
    EXPECT_FALSE(hidden(kPromote));
    type(kPromote + "/Body/Slug Editor", " engine ");
    click(kPromote + "/Body/Actions/Promote Button");
    EXPECT_EQ(message(), "");
    EXPECT_TRUE(hidden(kPromote));

    auto family = json("projects/rocket/.scribenta-project");
    EXPECT_EQ(family.value("slug", ""), "rocket");
    EXPECT_EQ(family.value("name", ""), "Rocket");
    auto member = json("projects/rocket-engine/.scribenta-project");
    EXPECT_EQ(member.value("slug", ""), "engine");
    EXPECT_EQ(member.value("tagline", ""), "Launch!");
    EXPECT_TRUE(fs::exists(root / "projects/rocket-engine/src"));

    EXPECT_EQ(tab_ids(), (Ids{"config-1", "config-2"}));
    EXPECT_EQ(tab_field("config-2", "icon"), "project-family");
    EXPECT_EQ(tab_field("config-2", "title"), "Rocket");
    EXPECT_EQ(ctx.configs->shown->id, "config-2");
    EXPECT_EQ(ctx.configs->shown->path, at("projects/rocket/.scribenta-project"));
    EXPECT_EQ(family_labels(), (Ids{"<overview>", "Rocket"}));  // empty label: its name
    EXPECT_EQ(ctx.configs->shown->members[0].label, "Overview");
    EXPECT_TRUE(has(kProject + "/Family Bar/Member Tabs/member-0", "Active"));
    EXPECT_EQ(ctx.edits->config_path, at("projects/rocket/.scribenta-project"));
}

TEST_F(NewProjects, PromotionRefusals) {
    open(".scribenta-site");
    open("projects/comet/.scribenta-project");
    const auto site_before = json(".scribenta-site");
    const auto shown_before = *ctx.configs->shown;

    struct Case {
        const char* slug;
        const char* message;
    };
    fs::create_directories(root / "projects/comet-taken");
    const Case cases[] = {
        {"Not Valid",
         "Couldn't Promote / Slug must be lowercase letters and digits in dash-separated runs "
         "(like \"core\")."},
        {"taken", ""},  // filled below: the folder exists
    };
    for (const Case& c : cases) {
        click(kPromoteButton);
        EXPECT_EQ(app.value(kPromote + "/Body/Slug Editor"), "");  // reopened empty
        type(kPromote + "/Body/Slug Editor", c.slug);
        type(kPromote + "/Body/Label Editor", "L");
        click(kPromote + "/Body/Actions/Promote Button");
        const std::string expected = *c.message ? c.message
                                                : "Couldn't Promote / " +
                                                      (root / "projects/comet-taken").string() +
                                                      " already exists.";
        EXPECT_EQ(message(), expected);
        EXPECT_FALSE(hidden(kPromote));
        click(kMessage + "/Body/Actions/OK Button");
        click(kPromote + "/Body/Actions/Cancel Button");
    }
    EXPECT_EQ(json(".scribenta-site"), site_before);
    EXPECT_EQ(ctx.configs->shown->path, shown_before.path);
    EXPECT_EQ(ctx.configs->shown->members.size(), 1u);
    EXPECT_EQ(tab_field("config-2", "icon"), "project");

    // Not registered in its site.
    auto unregistered = site_before;
    unregistered["projects"].erase(1);
    Scribenta::save_json_file(root / ".scribenta-site", unregistered);
    click(kPromoteButton);
    type(kPromote + "/Body/Slug Editor", "core");
    click(kPromote + "/Body/Actions/Promote Button");
    EXPECT_EQ(message(), "Couldn't Promote / This project isn't registered in the site's config.");
    click(kMessage + "/Body/Actions/OK Button");

    // Unsaved text: cancelling the question leaves everything as it was.
    Scribenta::save_json_file(root / ".scribenta-site", site_before);
    edit_text_view(kProject, "{}");
    click(kPromote + "/Body/Actions/Promote Button");
    EXPECT_FALSE(hidden(kConfirm));
    click(kConfirm + "/Body/Actions/Cancel Button");
    EXPECT_TRUE(fs::exists(root / "projects/comet/.scribenta-project"));
    EXPECT_FALSE(fs::exists(root / "projects/comet-core"));
    EXPECT_FALSE(hidden(kPromote));
}

TEST_F(NewProjects, PromotionNeedsASiteAbove) {
    const std::string p =
        dir.write("lone/.scribenta-project", R"({"slug": "lone", "name": "Lone"})").string();
    ctx.configs->open_config_file(p);
    click(kPromoteButton);
    type(kPromote + "/Body/Slug Editor", "core");
    click(kPromote + "/Body/Actions/Promote Button");
    EXPECT_EQ(message(), "Couldn't Promote / No .scribenta-site found above this project.");
    EXPECT_FALSE(hidden(kPromote));
}

}  // namespace
}  // namespace window_test
