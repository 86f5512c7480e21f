#pragma once

// Directories of theme files the user adds besides the shipped themes. They
// persist in the setting "themes/directories"; OSTREL_THEME_DIR adds one more
// for the current run only. The row list "themeSources" shows them, and its
// row actions "add" and "remove" arrive through OApp::default_row_action.

#include <QString>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ext/ostrel/engine/oapp.h"

class QWidget;

namespace Ostrel {

struct ThemeSource {
    QString path;                     // exactly as it was given
    std::vector<std::string> themes;  // display names registered from it, in reading order
    bool transient = false;           // from OSTREL_THEME_DIR: never saved
};

// The registered directories by theme_source_key, which is also their row id;
// byte order of the keys is the order of the rows and of the saved list.
struct ThemeSourceRegistry {
    explicit ThemeSourceRegistry(OApp& store) : app(store) {}
    OApp& app;
    std::map<std::string, ThemeSource> sources;
};

// Asks for a directory; "" when cancelled. Replaceable so that tests can
// answer without a window.
using DirectoryChooser = std::function<QString(QWidget* parent, const QString& caption)>;
// Defaults to a modal QFileDialog::getExistingDirectory showing directories only.
DirectoryChooser& theme_directory_chooser();

// Registers the saved and the environment directories, installs the row
// actions as OApp::default_row_action and publishes the rows.
void install_theme_sources(OApp& app);

void add_theme_dir(ThemeSourceRegistry& registry, const QString& directory, bool transient);
// Registers every "*.json" theme file below the directory, subdirectories
// included; returns the display names registered.
std::vector<std::string> load_theme_dir(OApp& app, const QString& directory);
void save_theme_dirs(const ThemeSourceRegistry& registry);
void theme_source_rows(ThemeSourceRegistry& registry);
void on_theme_source_action(ThemeSourceRegistry& registry, const std::string& list,
                            const std::string& row, const std::string& action);
std::string theme_source_key(const QString& directory);

}  // namespace Ostrel
