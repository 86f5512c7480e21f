#pragma once

#include <QColor>
#include <QImage>
#include <filesystem>
#include <span>
#include <string>

class QSvgRenderer;

namespace Scribenta {

// One PNG file of a favicon set: its name, its square size in pixels, and
// whether it is drawn on the background colour (else on transparency).
struct FaviconPngFile {
    const char* name;
    int size;
    bool on_background;
};

// The five PNG files of a favicon set, in the order they are written.
std::span<const FaviconPngFile> favicon_png_files();

// Draws the source (see `render_icon_image`) into each PNG file of the set
// under `out_dir`, in order. Returns "" when all were written, else
// "Could not write " + the bare file name + "." for the first that was not;
// the files before it stay.
std::string write_favicon_pngs(QSvgRenderer* svg, const QImage& raster,
                               const std::filesystem::path& out_dir, const QColor& background);

}  // namespace Scribenta
