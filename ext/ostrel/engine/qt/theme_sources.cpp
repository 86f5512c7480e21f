#include "ext/ostrel/engine/qt/theme_sources.h"

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <memory>

namespace Ostrel {

namespace {

const char* const kListKey = "themeSources";
const char* const kSetting = "themes/directories";

}  // namespace

DirectoryChooser& theme_directory_chooser() {
    static DirectoryChooser chooser = [](QWidget* parent, const QString& caption) {
        return QFileDialog::getExistingDirectory(parent, caption, QString(),
                                                 QFileDialog::ShowDirsOnly);
    };
    return chooser;
}

std::string theme_source_key(const QString& directory) {
    return "dir:" + directory.toStdString();
}

std::vector<std::string> load_theme_dir(OApp& app, const QString& directory) {
    std::vector<std::string> names;
    QDirIterator it(directory, {QStringLiteral("*.json")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (!file.open(QIODevice::ReadOnly)) continue;
        const QByteArray bytes = file.readAll();
        std::string name = app.load_theme_file(std::string(bytes.constData(), bytes.size()));
        if (!name.empty()) names.push_back(std::move(name));
    }
    return names;
}

void add_theme_dir(ThemeSourceRegistry& registry, const QString& directory, bool transient) {
    if (directory.isEmpty()) return;
    const std::string key = theme_source_key(directory);
    // A directory listed already is not read again and keeps its flag.
    if (registry.sources.count(key) != 0) return;
    std::vector<std::string> themes = load_theme_dir(registry.app, directory);
    registry.sources[key] = ThemeSource{directory, std::move(themes), transient};
    if (!transient) save_theme_dirs(registry);
    theme_source_rows(registry);
}

void save_theme_dirs(const ThemeSourceRegistry& registry) {
    QStringList paths;
    for (const auto& [key, source] : registry.sources) {
        if (!source.transient) paths.append(source.path);
    }
    QSettings().setValue(kSetting, paths);
}

void theme_source_rows(ThemeSourceRegistry& registry) {
    std::vector<ListEntry> rows;
    for (const auto& [key, source] : registry.sources) {
        QString label = QFileInfo(source.path).fileName();
        if (label.isEmpty()) label = source.path;  // "/data/themes/" or a root
        rows.push_back(ListEntry{key, {{"label", label.toStdString()}}});
    }
    registry.app.set_rows(kListKey, std::move(rows));
}

void on_theme_source_action(ThemeSourceRegistry& registry, const std::string& list,
                            const std::string& row, const std::string& action) {
    if (list != kListKey) return;
    if (action == "add") {
        // A copy, and none when the seam was emptied: that reads as a cancel.
        const DirectoryChooser choose = theme_directory_chooser();
        if (!choose) return;
        const QString directory =
            choose(QApplication::activeModalWidget(), QStringLiteral("Add Theme Directory"));
        add_theme_dir(registry, directory, false);
    } else if (action == "remove") {
        const auto found = registry.sources.find(row);
        if (found == registry.sources.end()) return;
        // remove_theme keeps the last registered theme; its answer is not needed.
        for (const std::string& theme : found->second.themes) registry.app.remove_theme(theme);
        registry.sources.erase(found);
        save_theme_dirs(registry);
        theme_source_rows(registry);
    }
}

void install_theme_sources(OApp& app) {
    auto registry = std::make_shared<ThemeSourceRegistry>(app);
    const QStringList saved = QSettings().value(kSetting).toStringList();
    for (const QString& directory : saved) add_theme_dir(*registry, directory, false);
    if (qEnvironmentVariableIsSet("OSTREL_THEME_DIR")) {
        add_theme_dir(*registry, QString::fromUtf8(qgetenv("OSTREL_THEME_DIR")), true);
    }
    // The handler owns the registry: it lives as long as the handler is installed.
    app.default_row_action = [registry](const std::string& list, const std::string& row,
                                        const std::string& action) {
        on_theme_source_action(*registry, list, row, action);
    };
    theme_source_rows(*registry);
}

}  // namespace Ostrel
