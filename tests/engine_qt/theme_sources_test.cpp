#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "ext/ostrel/engine/qt/theme_sources.h"
#include "tests/engine/theme_fixture.h"

namespace Ostrel {
namespace {

using layers_test::TempDir;
using theme_test::theme_file;
using Strings = std::vector<std::string>;

// A QApplication whose settings live in a temporary folder under test-unique
// names, so no test reads or writes the user's real settings.
class QtEnvironment : public testing::Environment {
public:
    void SetUp() override {
        config_ = std::make_unique<TempDir>("theme-sources-config");
        const QString config = QString::fromStdString(config_->path().string());
        ::setenv("XDG_CONFIG_HOME", config_->path().c_str(), 1);
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config);
        app_ = std::make_unique<QApplication>(argc_, argv_);
        QCoreApplication::setOrganizationName("scribenta-tests");
        QCoreApplication::setApplicationName(
            QStringLiteral("theme-sources-%1").arg(QCoreApplication::applicationPid()));
    }
    void TearDown() override {
        app_.reset();
        config_.reset();
    }

private:
    int argc_ = 1;
    char name_[16] = "theme_sources";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<TempDir> config_;
    std::unique_ptr<QApplication> app_;
};

const auto* const kEnvironment = testing::AddGlobalTestEnvironment(new QtEnvironment);

Strings saved_dirs() {
    Strings dirs;
    for (const QString& dir : QSettings().value("themes/directories").toStringList()) {
        dirs.push_back(dir.toStdString());
    }
    return dirs;
}

void save_dirs(const Strings& dirs) {
    QStringList list;
    for (const std::string& dir : dirs) list.append(QString::fromStdString(dir));
    QSettings().setValue("themes/directories", list);
}

struct ThemeSources : testing::Test {
    OApp app;
    TempDir a{"sources-a"};
    TempDir b{"sources-b"};
    TempDir c{"sources-c"};
    std::vector<std::pair<bool, std::string>> dialogs;  // (had a parent, caption)
    QString answer;

    void SetUp() override {
        QSettings().clear();
        ::unsetenv("OSTREL_THEME_DIR");
        a.write("dark.json", theme_file("Dark", "a", R"("Primary":"#a00")"));
        b.write("nested/deeper/light.json", theme_file("Light", "b"));
        b.write("SOLAR.JSON", theme_file("Solar", "b"));
        b.write("notes.txt", theme_file("Text", "b"));
        b.write("broken.json", "{ not json");
        c.write("moon.json", theme_file("Moon", "c"));
        theme_directory_chooser() = [this](QWidget* parent, const QString& caption) {
            dialogs.emplace_back(parent != nullptr, caption.toStdString());
            return answer;
        };
    }

    std::string dir(const TempDir& d) const { return d.path().string(); }
    QString qdir(const TempDir& d) const { return QString::fromStdString(dir(d)); }

    // Rows of "themeSources" as "id=label".
    Strings rows() const {
        Strings out;
        const auto found = app.rows.find("themeSources");
        if (found == app.rows.end()) return {"<none>"};
        for (const ListEntry& row : found->second)
            out.push_back(row.id + "=" + row.fields.at("label"));
        return out;
    }
    Strings theme_names() const {
        Strings names;
        for (const auto& [name, theme] : app.themes) names.push_back(name);
        return names;
    }
    std::string row_of(const TempDir& d) const {
        return "dir:" + dir(d) + "=" + d.path().filename().string();
    }
};

TEST_F(ThemeSources, InstallRegistersSavedAndEnvironmentDirectories) {
    save_dirs({dir(b), "", dir(a), dir(b)});
    ::setenv("OSTREL_THEME_DIR", dir(c).c_str(), 1);
    std::vector<std::vector<ListEntry>> published;
    app.on_rows("themeSources",
                [&published](const std::vector<ListEntry>& r) { published.push_back(r); });

    install_theme_sources(app);

    EXPECT_EQ(rows(), (Strings{row_of(a), row_of(b), row_of(c)}));
    EXPECT_EQ(theme_names(), (Strings{"Dark (a)", "Light (b)", "Moon (c)", "Solar (b)"}));
    EXPECT_EQ(app.theme_name, "");  // registering activates nothing
    // Rewritten in key order without the empty entry, the duplicate or the
    // directory of this run only.
    EXPECT_EQ(saved_dirs(), (Strings{dir(a), dir(b)}));
    EXPECT_FALSE(published.empty());
    ASSERT_TRUE(app.default_row_action);
}

TEST_F(ThemeSources, EnvironmentDirectory) {
    const struct {
        Strings saved;
        std::string env;
        Strings rows, saved_after;
    } cases[] = {
        // Listed in the settings too: registered once and still saved.
        {{dir(a)}, dir(a), {row_of(a)}, {dir(a)}},
        {{}, dir(a), {row_of(a)}, {}},
        {{}, "", {}, {}},  // set but empty: ignored
    };
    for (const auto& c : cases) {
        OApp store;
        QSettings().clear();
        save_dirs(c.saved);
        ::setenv("OSTREL_THEME_DIR", c.env.c_str(), 1);
        install_theme_sources(store);
        app.rows = store.rows;
        EXPECT_EQ(rows(), c.rows) << c.env;
        // A later save keeps the environment directory out of the settings.
        store.default_row_action("themeSources", "dir:/nowhere", "remove");
        answer = qdir(b);
        store.default_row_action("themeSources", "", "add");
        Strings expected = c.saved_after;
        expected.push_back(dir(b));
        EXPECT_EQ(saved_dirs(), expected) << c.env;
    }
}

TEST_F(ThemeSources, AddAskForADirectory) {
    install_theme_sources(app);
    EXPECT_EQ(rows(), Strings{});

    answer = "";  // cancelled
    app.default_row_action("themeSources", "", "add");
    EXPECT_EQ(rows(), Strings{});
    EXPECT_EQ(saved_dirs(), Strings{});

    answer = qdir(a);
    app.default_row_action("themeSources", "", "add");
    EXPECT_EQ(rows(), Strings{row_of(a)});
    EXPECT_EQ(saved_dirs(), Strings{dir(a)});
    EXPECT_EQ(theme_names(), Strings{"Dark (a)"});

    // A directory listed already is not read again.
    a.write("dark.json", theme_file("Dark", "a", R"("Primary":"#b00")"));
    a.write("second.json", theme_file("Second", "a"));
    app.default_row_action("themeSources", "", "add");
    EXPECT_EQ(theme_names(), Strings{"Dark (a)"});
    EXPECT_EQ(app.themes.at("Dark (a)").string_var("Primary"), "#a00");

    using Dialog = std::pair<bool, std::string>;
    EXPECT_EQ(dialogs, (std::vector<Dialog>(3, Dialog{false, "Add Theme Directory"})));

    // An emptied chooser reads as a cancelled dialog.
    theme_directory_chooser() = nullptr;
    answer = qdir(b);
    EXPECT_NO_THROW(app.default_row_action("themeSources", "", "add"));
    EXPECT_EQ(rows(), Strings{row_of(a)});
}

TEST_F(ThemeSources, RemoveUnregistersItsThemes) {
    app.load_theme_file(theme_file("Base", "x"));
    save_dirs({dir(a), dir(b)});
    install_theme_sources(app);
    ASSERT_TRUE(app.set_theme("Light (b)"));
    Strings persisted;
    app.theme_persist = [&persisted](const std::string& name) { persisted.push_back(name); };

    // Actions of other lists, other actions and unknown rows change nothing.
    app.default_row_action("otherList", "dir:" + dir(b), "remove");
    app.default_row_action("themeSources", "dir:" + dir(b), "rename");
    app.default_row_action("themeSources", "dir:/nowhere", "remove");
    app.default_row_action("themeSources", "dir:" + dir(b), "");
    EXPECT_EQ(rows(), (Strings{row_of(a), row_of(b)}));
    EXPECT_TRUE(dialogs.empty());

    app.default_row_action("themeSources", "dir:" + dir(b), "remove");
    EXPECT_EQ(rows(), Strings{row_of(a)});
    EXPECT_EQ(saved_dirs(), Strings{dir(a)});
    EXPECT_EQ(theme_names(), (Strings{"Base (x)", "Dark (a)"}));
    EXPECT_EQ(app.theme_name, "Base (x)");  // the active theme went with its directory
    EXPECT_EQ(persisted, Strings{"Base (x)"});
}

TEST_F(ThemeSources, DirectoriesAreListedWhateverTheyHold) {
    const std::string missing = dir(a) + "/missing";
    const std::string trailing = dir(c) + "/";
    ThemeSourceRegistry registry(app);
    add_theme_dir(registry, QString::fromStdString(missing), false);
    add_theme_dir(registry, QString::fromStdString(trailing), false);
    add_theme_dir(registry, QString(), false);  // nothing
    // A root, entered by hand: walking it for theme files would read the disk.
    registry.sources["dir:/"] = ThemeSource{"/", {}, false};
    theme_source_rows(registry);

    // A path without a last component is labelled with the whole path.
    EXPECT_EQ(rows(), (Strings{"dir:/=/", "dir:" + missing + "=missing",
                               "dir:" + trailing + "=" + trailing}));
    EXPECT_EQ(saved_dirs(), (Strings{missing, trailing}));
    EXPECT_EQ(registry.sources.at("dir:" + missing).themes, Strings{});
    EXPECT_EQ(registry.sources.at("dir:" + trailing).themes, Strings{"Moon (c)"});
}

TEST_F(ThemeSources, LoadReadsJsonFilesBelowTheDirectory) {
    Strings names = load_theme_dir(app, qdir(b));
    std::sort(names.begin(), names.end());  // the walk's order is the file system's
    EXPECT_EQ(names, (Strings{"Light (b)", "Solar (b)"}));
    EXPECT_EQ(theme_names(), names);
    EXPECT_EQ(load_theme_dir(app, qdir(a) + "/missing"), Strings{});
}

}  // namespace
}  // namespace Ostrel
