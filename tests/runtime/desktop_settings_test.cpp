#include "ext/ostrel/runtime/desktop_settings.h"

#include <QSettings>
#include <cstdlib>

#include "tests/runtime/service_fixture.h"

namespace runtime_test {
namespace {

struct DesktopSettings : testing::Test {
    void SetUp() override {
        QSettings().clear();
        ::unsetenv("OSTREL_THEME");
    }
    void TearDown() override {
        QSettings().clear();
        ::unsetenv("OSTREL_THEME");
    }
};

TEST_F(DesktopSettings, StartupThemeName) {
    EXPECT_EQ(Ostrel::startup_theme_name("Dark (x)"), "Dark (x)");
    Ostrel::persist_active_theme("Light (y)");
    EXPECT_EQ(QSettings().value("themes/active_theme").toString(), "Light (y)");
    EXPECT_EQ(Ostrel::startup_theme_name("Dark (x)"), "Light (y)");
    ::setenv("OSTREL_THEME", "Solar", 1);
    EXPECT_EQ(Ostrel::startup_theme_name("Dark (x)"), "Solar");
    ::setenv("OSTREL_THEME", "", 1);  // set but empty still wins
    EXPECT_EQ(Ostrel::startup_theme_name("Dark (x)"), "");
}

TEST_F(DesktopSettings, StoreValuesPersistUnderStore) {
    Ostrel::persist_store_value("update.skip_version", "1.2.0");
    Ostrel::persist_store_value("update.manifest_url", "https://example.test/m.json");
    Ostrel::persist_store_value("gone", "soon");
    Ostrel::persist_store_value("gone", "");  // an empty value removes the setting
    Ostrel::persist_store_value("a/b", "nested");
    EXPECT_EQ(QSettings().value("store/update.skip_version").toString(), "1.2.0");
    EXPECT_FALSE(QSettings().contains("store/gone"));

    Ostrel::OApp app;
    app.store["update.manifest_url"] = "https://configured.test/latest.json";
    app.store["kept"] = "default";
    Ostrel::restore_store(app);
    // Restored values replace defaults; keys of sub-groups are not read.
    EXPECT_EQ(app.store, (std::map<std::string, std::string>{
                             {"kept", "default"},
                             {"update.manifest_url", "https://example.test/m.json"},
                             {"update.skip_version", "1.2.0"},
                         }));
}

}  // namespace
}  // namespace runtime_test
