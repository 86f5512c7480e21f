#include "ext/ostrel/desktop/media_backend.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QMediaFormat>
#include <QPluginLoader>

namespace Ostrel {

namespace {

constexpr const char* kMediaPluginIid = "org.qt-project.Qt.QPlatformMediaPlugin";

}  // namespace

bool media_backend_present(const QString& requested, const QStringList& library_dirs) {
    for (const QString& dir : library_dirs) {
        const QDir plugins(dir + "/multimedia");
        for (const QString& file : plugins.entryList(QDir::Files)) {
            const QJsonObject meta = QPluginLoader(plugins.filePath(file)).metaData();
            if (meta.value("IID").toString() != QLatin1String(kMediaPluginIid)) continue;
            const QJsonArray keys = meta.value("MetaData").toObject().value("Keys").toArray();
            // Qt matches the name exactly, case included.
            if (requested.isEmpty() ? !keys.isEmpty() : keys.contains(requested)) return true;
        }
    }
    return false;
}

bool media_player_available() {
    static const bool available = [] {
        // Checked first: with an unknown back end even the format query aborts.
        if (!media_backend_present(qEnvironmentVariable("QT_MEDIA_BACKEND"),
                                   QCoreApplication::libraryPaths())) {
            return false;
        }
        QMediaFormat formats;  // its queries are not const
        return !formats.supportedFileFormats(QMediaFormat::Decode).isEmpty() &&
               !formats.supportedVideoCodecs(QMediaFormat::Decode).isEmpty();
    }();
    return available;
}

}  // namespace Ostrel
