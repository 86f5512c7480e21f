#include "project_fixture.h"

namespace Scribenta {
namespace {

class ProjectWiringTest : public ProjectFixture {};

TEST_F(ProjectWiringTest, StartState) {
    EXPECT_TRUE(has_word(paths.build_button, "Disabled"));
    EXPECT_TRUE(wiring.state->build_disabled);
    EXPECT_EQ(paths.build_button, kProject + "/Editor Panel/Panels/Build Panel/Build Button");
    EXPECT_FALSE(visible(paths.readme_create_row));
    EXPECT_FALSE(visible(paths.license_create_row));
    for (const auto* editor :
         {&wiring.readme_editor, &wiring.license_editor, &wiring.topics_editor}) {
        EXPECT_TRUE(has_word((*editor)->save_key, "Disabled")) << (*editor)->save_key;
        EXPECT_TRUE(app.is_checked((*editor)->wrap_key));
    }
    EXPECT_EQ(wiring.readme_editor->text_key,
              kProject + "/Editor Panel/Panels/Readme Panel/Readme Editor");
    EXPECT_EQ(wiring.license_editor->status_key,
              kProject + "/Editor Panel/Panels/License Panel/License Status Bar/Status Message");
    EXPECT_EQ(wiring.topics_editor->save_key,
              kProject + "/Editor Panel/Panels/Topics Panel/File Status Bar/Save Button");
    EXPECT_EQ(wiring.topics_editor->not_found_message, "Topic source not found");

    std::vector<std::string> guards;
    for (const auto& guard : shell->guards) guards.push_back(guard.name);
    EXPECT_EQ(guards,
              (std::vector<std::string>{"README editor", "License editor", "Topics editor"}));
    ASSERT_TRUE(shell->reload);
    shell->reload();  // nothing shown yet: renders nothing
    EXPECT_TRUE(edits->config_path.empty());
}

TEST_F(ProjectWiringTest, GuardsReportUnsavedFileEditorText) {
    dir.write("p/.scribenta", R"({"build": {"license": "LICENSE"}})");
    dir.write("p/LICENSE", "MIT\n");
    show_file(dir.write("p/.scribenta-project", "{}"));
    EXPECT_EQ(first_dirty_guard(*shell), "");
    type(wiring.license_editor->text_key, "MIT!\n");
    EXPECT_EQ(first_dirty_guard(*shell), "License editor");
}

TEST_F(ProjectWiringTest, HooksOfLaterPanelsRunInOrderWhileRendering) {
    std::vector<std::string> calls;
    wiring.hooks->refresh_versions = [&] { calls.push_back("versions " + edits->config_path); };
    wiring.hooks->refresh_readme_create_row = [&] { calls.push_back("readme"); };
    wiring.hooks->refresh_license_create_row = [&] { calls.push_back("license"); };
    wiring.hooks->populate_topics = [&](const nlohmann::json& manifest, const std::string& folder,
                                        bool) {
        calls.push_back("topics " + manifest.dump() + " " + folder);
    };
    dir.write("p/.scribenta", R"({"build": {"topics": []}})");
    const auto config = dir.write("p/.scribenta-project", "{}");
    show_file(config);
    EXPECT_EQ(calls, (std::vector<std::string>{
                         "versions " + config.string(), "readme", "license",
                         R"(topics {"build":{"topics":[]}} )" + (dir / "p").string()}));
}

}  // namespace
}  // namespace Scribenta
