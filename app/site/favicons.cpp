#include "app/site/favicons.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QList>
#include <QSvgRenderer>
#include <filesystem>

#include "app/site/favicon_hook.h"
#include "app/site/favicon_png_set.h"
#include "app/site/favicon_render.h"
#include "app/site/ico_writer.h"

namespace Scribenta {

namespace {

// Paths arrive as narrow strings in the file-system encoding.
QString file_name(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

bool has_svg_suffix(const QString& path) {
    return path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
}

}  // namespace

std::string generate_favicons(const FaviconRequest& request) {
    const QString source = file_name(request.source);
    QSvgRenderer svg;
    QImage raster;
    const bool vector = has_svg_suffix(source);
    if (vector) {
        if (!svg.load(source) || !svg.defaultSize().isValid()) {
            return "Could not read " + request.source + " as an SVG.";
        }
    } else {
        raster = QImage(source);
        if (raster.isNull() || raster.size().isEmpty()) {
            return "Could not read " + request.source + " as an image.";
        }
    }

    const std::string background_text = request.background.empty() ? "#ffffff" : request.background;
    const QColor background = QColor::fromString(QString::fromStdString(background_text));
    if (!background.isValid()) {
        return "Background \"" + request.background + "\" is not a valid color.";
    }

    if (!QDir().mkpath(file_name(request.out_dir))) {
        return "Could not create " + request.out_dir + ".";
    }

    QSvgRenderer* renderer = vector ? &svg : nullptr;
    const std::filesystem::path out_dir(request.out_dir);
    if (std::string error = write_favicon_pngs(renderer, raster, out_dir, background);
        !error.empty()) {
        return error;
    }

    const QList<QImage> ico_images{render_icon_image(renderer, raster, 16, Qt::transparent),
                                   render_icon_image(renderer, raster, 32, Qt::transparent),
                                   render_icon_image(renderer, raster, 48, Qt::transparent)};
    if (!write_ico_file(out_dir / "favicon.ico", ico_images)) return "Could not write favicon.ico.";
    return "";
}

void install_favicon_generator() {
    favicon_generator() = generate_favicons;
}

}  // namespace Scribenta
