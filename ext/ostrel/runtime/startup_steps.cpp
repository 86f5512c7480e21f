#include "ext/ostrel/runtime/startup_steps.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <algorithm>

#include "ext/ostrel/desktop/asset_search.h"
#include "ext/ostrel/runtime/env_number.h"
#include "ext/ostrel/runtime/platform_key.h"

namespace Ostrel {
namespace {

constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

bool is_png_name(const std::string& name) {
    return QString::fromStdString(name).endsWith(".png", Qt::CaseInsensitive);
}

}  // namespace

void write_update_defaults(OApp& app, const DesktopAppConfig& config) {
    if (config.update_manifest_url.empty()) return;
    app.store["update.manifest_url"] = config.update_manifest_url;
    app.store["update.platform_key"] =
        config.update_platform.empty() ? default_platform_key() : config.update_platform;
    app.store["update.check_hours"] = std::to_string(config.update_check_hours);
}

WindowGeometry window_geometry_from_env() {
    WindowGeometry geometry;
    geometry.width = env_int("OSTREL_WIDTH", 1000);
    geometry.height = env_int("OSTREL_HEIGHT", 700);
    geometry.min_width = std::max(1, std::min(geometry.width, 360));
    geometry.min_height = std::max(1, std::min(geometry.height, 240));
    return geometry;
}

QIcon window_icon_for(const std::string& logo) {
    QIcon icon;
    if (is_png_name(logo)) {
        const std::string path = resolve_icon_path(logo);
        if (path.empty()) return icon;
        const QImage image(QString::fromStdString(path));
        if (image.isNull()) return icon;
        for (const int size : kIconSizes) {
            icon.addPixmap(QPixmap::fromImage(
                image.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
        }
        return icon;
    }
    QSvgRenderer renderer(QByteArray::fromStdString(icon_svg_text(logo)));
    if (!renderer.isValid()) return icon;
    for (const int size : kIconSizes) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

}  // namespace Ostrel
