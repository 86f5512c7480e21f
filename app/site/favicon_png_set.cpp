#include "app/site/favicon_png_set.h"

#include <array>

#include "app/site/favicon_files.h"
#include "app/site/favicon_render.h"

namespace Scribenta {

std::span<const FaviconPngFile> favicon_png_files() {
    static constexpr std::array<FaviconPngFile, 5> kFiles{{
        {"favicon-16x16.png", 16, false},
        {"favicon-32x32.png", 32, false},
        {"apple-touch-icon.png", 180, true},
        {"android-chrome-192x192.png", 192, true},
        {"android-chrome-512x512.png", 512, true},
    }};
    return kFiles;
}

std::string write_favicon_pngs(QSvgRenderer* svg, const QImage& raster,
                               const std::filesystem::path& out_dir, const QColor& background) {
    for (const FaviconPngFile& file : favicon_png_files()) {
        const QColor fill = file.on_background ? background : QColor(Qt::transparent);
        QByteArray png;
        if (!encode_png(render_icon_image(svg, raster, file.size, fill), png) ||
            !replace_file(out_dir / file.name, png)) {
            return std::string("Could not write ") + file.name + ".";
        }
    }
    return "";
}

}  // namespace Scribenta
