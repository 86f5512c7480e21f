#include "ext/ostrel/runtime/desktop_settings.h"

#include <QSettings>
#include <QString>
#include <cstdlib>

namespace Ostrel {

std::string startup_theme_name(const std::string& default_theme) {
    if (const char* chosen = std::getenv("OSTREL_THEME")) return chosen;
    return QSettings()
        .value("themes/active_theme", QString::fromStdString(default_theme))
        .toString()
        .toStdString();
}

void restore_store(OApp& app) {
    QSettings settings;
    settings.beginGroup("store");
    for (const QString& key : settings.childKeys()) {
        app.store[key.toStdString()] = settings.value(key).toString().toStdString();
    }
}

void persist_store_value(const std::string& key, const std::string& value) {
    QSettings settings;
    const QString name = "store/" + QString::fromStdString(key);
    if (value.empty()) {
        settings.remove(name);
    } else {
        settings.setValue(name, QString::fromStdString(value));
    }
}

void persist_active_theme(const std::string& theme_name) {
    QSettings().setValue("themes/active_theme", QString::fromStdString(theme_name));
}

}  // namespace Ostrel
