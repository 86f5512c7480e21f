#include <gtest/gtest.h>

#include "app/fake_services.h"
#include "app/pickers.h"
#include "app/set_items.h"
#include "config/temp_dir.h"

namespace Scribenta {
namespace {

TEST(IconPicked, CopiesIntoImagesAndNamesTheIcon) {
    Ostrel::OApp app;
    TempDir dir;
    const auto source = dir.write("downloads/logo.svg", "<svg/>");
    auto edits = std::make_shared<EditState>();
    auto icon = std::make_shared<std::string>();
    const IconPicked picked{&app, edits, icon, "App/D/Body/Icon Row/Icon Hint",
                            (dir / "site/images").string()};

    picked(source.string());  // no configuration shown
    EXPECT_EQ(*icon, "");
    edits->config_path = (dir / "site/.scribenta-site").string();
    picked("");  // cancelled
    EXPECT_EQ(*icon, "");
    picked((dir / "downloads/none.svg").string());  // copy fails
    EXPECT_EQ(*icon, "");
    EXPECT_FALSE(app.texts.count("App/D/Body/Icon Row/Icon Hint"));

    picked(source.string());
    EXPECT_EQ(*icon, "/images/logo.svg");
    EXPECT_EQ(app.texts["App/D/Body/Icon Row/Icon Hint"], "logo.svg");
    EXPECT_EQ(TempDir::read(dir / "site/images/logo.svg"), "<svg/>");
}

TEST(SourceFilePicked, WritesARelativePathAndMarksTheField) {
    Ostrel::OApp app;
    struct Flags {
        bool slug_edited = false;
        bool file_edited = false;
    };
    auto flags = std::make_shared<Flags>();
    const SourceFilePicked picked{&app, std::shared_ptr<bool>(flags, &flags->file_edited),
                                  "App/Add Policy Dialog/Body/File Row/File Editor", "/site"};
    picked("");
    EXPECT_FALSE(flags->file_edited);
    EXPECT_FALSE(app.values.count(picked.field_path));
    picked("/site/policies/privacy.md");
    EXPECT_TRUE(flags->file_edited);
    EXPECT_EQ(app.value(picked.field_path), "policies/privacy.md");
    EXPECT_EQ(app.texts[picked.field_path], "policies/privacy.md");
    picked("/elsewhere/terms.md");
    EXPECT_EQ(app.value(picked.field_path), "../elsewhere/terms.md");
}

TEST(SelectSetItem, FlushesStoresSelectsAndReloads) {
    Ostrel::OApp app;
    FakeServices services(app);
    TempDir dir;
    const auto config = dir.write(".scribenta-site", "{}");
    auto edits = std::make_shared<EditState>();
    reset_edit_state(*edits, config.string(), "{}");
    edits->pending["/title"] = "T";
    auto shell = make_shell("App/S");
    int reloads = 0;
    struct Selection {
        std::size_t index = 0;
    };
    auto selection = std::make_shared<Selection>();
    const std::string combo = "App/S/Selector Row/Item Combo";
    app.set_options(combo, {{"0", "Privacy"}, {"1", "Terms"}, {"2", "Cookies"}});
    shell->reload = [&] {
        // The reload sees the flushed file and the new index.
        EXPECT_EQ(TempDir::read(config), "{\n  \"format\": 1,\n  \"title\": \"T\"\n}\n");
        EXPECT_EQ(selection->index, 2u);
        ++reloads;
    };
    const SelectSetItem select{&app,  std::shared_ptr<std::size_t>(selection, &selection->index),
                               combo, FlushEdits{&app, edits, std::make_shared<CurrentShell>()},
                               shell, 2};
    select();
    EXPECT_EQ(app.selection[combo], "2");
    EXPECT_EQ(reloads, 1);
    shell->reload = nullptr;  // the lambda captured locals by reference
}

}  // namespace
}  // namespace Scribenta
