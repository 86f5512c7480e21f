#pragma once

#include <QColor>
#include <QImage>

class QSvgRenderer;

namespace Scribenta {

// A `size` x `size` premultiplied ARGB image filled with `fill`, with the
// source drawn centred on it, scaled to fit and keeping its aspect ratio.
// The source is `svg` when given (drawn as vectors at this size), else
// `raster` (scaled smoothly). A source of empty size leaves the fill alone.
QImage render_icon_image(QSvgRenderer* svg, const QImage& raster, int size, const QColor& fill);

}  // namespace Scribenta
