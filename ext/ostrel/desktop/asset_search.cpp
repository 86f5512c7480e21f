#include "ext/ostrel/desktop/asset_search.h"

#include <QDir>
#include <QFile>

namespace Ostrel {

namespace {

std::vector<std::string>& icon_search_dirs() {
    static std::vector<std::string> dirs;
    return dirs;
}

std::vector<std::string>& image_search_dirs() {
    static std::vector<std::string> dirs;
    return dirs;
}

QString joined(const std::string& dir, const std::string& name) {
    return QString::fromStdString(dir) + "/" + QString::fromStdString(name);
}

}  // namespace

void set_icon_dirs(std::vector<std::string> dirs) {
    icon_search_dirs() = std::move(dirs);
}

void set_image_dirs(std::vector<std::string> dirs) {
    image_search_dirs() = std::move(dirs);
}

std::string resolve_icon_path(const std::string& file_name) {
    for (const std::string& dir : icon_search_dirs()) {
        const QString path = joined(dir, file_name);
        if (QFile::exists(path)) return path.toStdString();
    }
    return "";
}

QString read_icon_svg(const std::string& name) {
    if (name.empty()) return QString();
    for (const std::string& dir : icon_search_dirs()) {
        QFile file(joined(dir, name + ".svg"));
        if (file.open(QIODevice::ReadOnly)) return QString::fromUtf8(file.readAll());
    }
    return QString();
}

std::string icon_svg_text(const std::string& name) {
    return read_icon_svg(name).toStdString();
}

QString resolve_image_path(const std::string& source) {
    if (source.empty()) return QString();
    const QString text = QString::fromStdString(source);
    if (QDir::isRelativePath(text)) {
        for (const std::string& dir : image_search_dirs()) {
            const QString path = joined(dir, source);
            if (QFile::exists(path)) return path;
        }
        return QString();
    }
    return QFile::exists(text) ? text : QString();
}

}  // namespace Ostrel
