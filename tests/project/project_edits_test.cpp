#include "project_fixture.h"

namespace Scribenta {
namespace {

namespace fs = std::filesystem;

class ProjectEditsTest : public ProjectFixture {};

TEST_F(ProjectEditsTest, FieldEditsReachTheFileHalfASecondAfterTheLast) {
    const fs::path site = copy_sample();
    const fs::path config = site / "projects/rocket/.scribenta-project";
    const std::string before = TempDir::read(config);
    show_file(config);

    const std::pair<std::string, std::string> edits_made[] = {
        {paths.slug_field, "rocket2"},
        {paths.name_field, "Rocket Two"},
        {paths.tagline_field, "Higher"},
        {paths.platform_field, "gitlab"},
        {paths.path_field, "acme/rocket2"},
        {paths.url_field, "https://gitlab.example/acme/rocket2"},
        {fact_value_field(paths, 1), "C++23"},
    };
    for (const auto& [field, text] : edits_made) type(field, text);
    services.advance(499);
    EXPECT_EQ(TempDir::read(config), before);
    services.advance(1);

    auto doc = nlohmann::ordered_json::parse(TempDir::read(config));
    EXPECT_EQ(doc["slug"], "rocket2");
    EXPECT_EQ(doc["name"], "Rocket Two");
    EXPECT_EQ(doc["tagline"], "Higher");
    EXPECT_EQ(
        doc["repo"].dump(),
        R"({"platform":"gitlab","path":"acme/rocket2","url":"https://gitlab.example/acme/rocket2"})");
    EXPECT_EQ(doc["facts"][1]["value"], "C++23");
    EXPECT_EQ(doc["facts"][0]["value"], "MIT");
    // The JSON text view follows the file.
    EXPECT_EQ(app.value(shell->text_editor), TempDir::read(config));
}

TEST_F(ProjectEditsTest, EditsBeforeAnyProjectIsShownAreNotWritten) {
    const auto config = dir.write("p/.scribenta-project", R"({"name": "A"})");
    type(paths.name_field, "early");
    services.advance(1000);
    show_file(config);
    services.advance(1000);
    EXPECT_EQ(TempDir::read(config), R"({"name": "A"})");
}

TEST_F(ProjectEditsTest, SwitchingMembersWritesPendingEditsToTheMemberTheyWereMadeIn) {
    const auto a = dir.write("a/.scribenta-project", R"({"name": "A"})");
    const auto b = dir.write("b/.scribenta-project", R"({"name": "B"})");
    show({member(a, "A"), member(b, "B")});
    type(paths.name_field, "A2");
    wiring.show_project_tab(*shown, 1);
    EXPECT_EQ(compact(a), R"({"format":1,"name":"A2"})");
    EXPECT_EQ(app.value(paths.name_field), "B");
    services.advance(1000);
    EXPECT_EQ(TempDir::read(b), R"({"name": "B"})");
}

TEST_F(ProjectEditsTest, AddRepositoryAddsAnEmptyRepoAndShowsItsForm) {
    const auto config = dir.write("p/.scribenta-project", R"({"name": "A", "repo": "x"})");
    show_file(config);
    type(paths.name_field, "B");
    click(paths.add_repository_button);
    EXPECT_EQ(compact(config), R"({"format":1,"name":"B","repo":{}})");
    EXPECT_TRUE(visible(paths.repo_form));
    EXPECT_FALSE(visible(paths.add_repository_button));

    type(paths.url_field, "https://example.org/a");
    services.advance(500);
    EXPECT_EQ(compact(config), R"({"format":1,"name":"B","repo":{"url":"https://example.org/a"}})");
}

TEST_F(ProjectEditsTest, AddRepositoryFailsSilently) {
    click(paths.add_repository_button);  // nothing open
    const auto config = dir.write("p/.scribenta-project", "[1]");
    show_file(config);
    click(paths.add_repository_button);
    EXPECT_EQ(TempDir::read(config), "[1]");
    EXPECT_TRUE(visible(paths.add_repository_button));
}

TEST_F(ProjectEditsTest, PickedLogoIsCopiedIntoTheSiteAndBecomesTheTabLogo) {
    const fs::path site = copy_sample();
    const fs::path config = site / "projects/comet/.scribenta-project";
    const fs::path chosen = dir.write("elsewhere/comet.png", "png");
    show_file(config);
    EXPECT_FALSE(visible(paths.logo_avatar));

    services.pick_answer = chosen.string();
    click(paths.logo_browse);
    ASSERT_EQ(services.picks.size(), 1u);
    EXPECT_EQ(services.picks[0].mode, "file");
    EXPECT_EQ(services.picks[0].title, "Select a logo image (copied into your site)");
    EXPECT_EQ(services.picks[0].filter, "Images (*.svg *.png *.jpg *.jpeg *.webp *.gif)");
    EXPECT_EQ(services.picks[0].directory, (site / "images").string());
    EXPECT_FALSE(services.picks[0].show_hidden);

    const std::string copied = (site / "images/comet.png").string();
    EXPECT_EQ(TempDir::read(copied), "png");
    EXPECT_TRUE(visible(paths.logo_avatar));
    EXPECT_EQ(app.images[paths.logo_image], copied);
    EXPECT_EQ(shown->members[0].logo, copied);
    EXPECT_EQ(tab_syncs, 1);
    services.advance(500);
    EXPECT_EQ(nlohmann::ordered_json::parse(TempDir::read(config))["logo"], "/images/comet.png");
}

TEST_F(ProjectEditsTest, LogoPickerDoesNothingWithoutAProjectOrACopy) {
    services.pick_answer = dir.write("x.png", "png").string();
    click(paths.logo_browse);
    EXPECT_TRUE(services.picks.empty());

    const auto config = dir.write("p/.scribenta-project", "{}");
    show_file(config);
    services.pick_answer = (dir / "gone.png").string();
    click(paths.logo_browse);
    ASSERT_EQ(services.picks.size(), 1u);
    // No images folder: the picker starts in the configuration's folder.
    EXPECT_EQ(services.picks[0].directory, (dir / "p").string());
    services.advance(1000);
    EXPECT_EQ(TempDir::read(config), "{}");
    EXPECT_FALSE(visible(paths.logo_avatar));
    EXPECT_EQ(tab_syncs, 0);

    services.pick_answer = "";  // cancelled
    click(paths.logo_browse);
    EXPECT_EQ(tab_syncs, 0);
}

}  // namespace
}  // namespace Scribenta
