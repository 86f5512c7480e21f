// The whole window on the renderer with the shipped layer files, driven by
// keys: what the fields show after the form is redrawn from its file.

#include <QLineEdit>
#include <QTest>
#include <filesystem>
#include <memory>
#include <string>

#include <nlohmann/json.hpp>

#include "app/fake_services.h"
#include "ext/ostrel/desktop/editor_widget.h"
#include "ext/ostrel/engine/asset_loading.h"
#include "tests/app_window/window_fixture.h"
#include "tests/desktop/harness.h"

namespace window_test {
namespace {

namespace fs = std::filesystem;

const std::string kSource = SCRIBENTA_SOURCE_DIR;
const std::string kPanels = kProject + "/Editor Panel/Panels";
const std::string kLicence = kPanels + "/Project Panel/Facts Form/fact-0/Value Field";
const std::string kReadme = kPanels + "/Readme Panel";

class TypedView : public Window {
protected:
    // A copy of the sample's project "rocket" open in the real window.
    void open_rocket() {
        desktop_test::qt_app();
        fs::copy(kSource + "/examples/acme-docs", dir / "acme-docs", fs::copy_options::recursive);
        config = dir / "acme-docs/projects/rocket/.scribenta-project";
        testing::internal::CaptureStderr();
        const bool loaded = Ostrel::load_assets(app, desktop_test::framework_themes_dir(),
                                                kSource + "/ext/ostrel/styles",
                                                desktop_test::kDarkTheme, {kSource + "/styles"});
        testing::internal::GetCapturedStderr();
        ASSERT_TRUE(loaded);
        build(config.string());
        view = std::make_unique<desktop_test::ViewHarness>(app, QSize(1000, 700));
    }
    QLineEdit* line(const std::string& path) const {
        auto* editor = view->widget_as<Ostrel::EditorWidget>(path);
        return editor != nullptr ? editor->line_edit : nullptr;
    }
    // Keys typed at the end of a field, then the quiet period and a render.
    void type_at_end(const std::string& path, const QString& keys) {
        ASSERT_TRUE(view->type_into(path, ""));
        QLineEdit* edit = line(path);
        edit->end(false);
        QTest::keyClicks(edit, keys);
        desktop_test::process_events();
    }
    void quiet_period() {
        services.advance(500);
        view->render();
    }
    std::string licence_on_disk() const {
        return nlohmann::json::parse(TempDir::read(config))["facts"][0]["value"];
    }

    FakeServices services{app};
    fs::path config;
    std::unique_ptr<desktop_test::ViewHarness> view;  // before the store it renders goes
};

// Another program adds a fact; the Licence typed into is refused and the
// field shows the file's "MIT" again, so the next key makes "MITY".
TEST_F(TypedView, ARefusedEditLeavesTheFieldShowingTheFile) {
    open_rocket();
    ASSERT_NE(line(kLicence), nullptr);
    ASSERT_EQ(line(kLicence)->text().toStdString(), "MIT");
    type_at_end(kLicence, "X");
    auto doc = nlohmann::ordered_json::parse(TempDir::read(config));
    doc["facts"].push_back({{"label", "Added"}, {"value", "elsewhere"}});
    dir.write("acme-docs/projects/rocket/.scribenta-project", doc.dump(2) + "\n");

    quiet_period();
    ASSERT_FALSE(hidden(kMessage));
    EXPECT_EQ(line(kLicence)->text().toStdString(), "MIT");
    EXPECT_EQ(licence_on_disk(), "MIT");
    click(kMessage + "/Body/OK Button");
    view->render();

    type_at_end(kLicence, "Y");
    quiet_period();
    EXPECT_EQ(line(kLicence)->text().toStdString(), "MITY");
    EXPECT_EQ(licence_on_disk(), "MITY");
}

// Cancel of the question a new README path asks puts the old path back.
TEST_F(TypedView, CancelShowsTheOldPathAgain) {
    open_rocket();
    click(kProject + "/Editor Panel/Sidebar/Readme Tab");
    view->render();
    type(kReadme + "/Readme Editor", "# Typed\n");
    const std::string field = kReadme + "/Path Form/Readme Path Field";
    ASSERT_NE(line(field), nullptr);
    type_at_end(field, "x");
    ASSERT_FALSE(hidden(kConfirm));
    click(kConfirm + "/Body/Actions/Cancel Button");
    view->render();
    EXPECT_EQ(line(field)->text().toStdString(), "README.md");
    EXPECT_EQ(app.value(kReadme + "/Readme Editor"), "# Typed\n");
}

}  // namespace
}  // namespace window_test
