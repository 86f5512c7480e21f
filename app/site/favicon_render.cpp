#include "app/site/favicon_render.h"

#include <QPainter>
#include <QRectF>
#include <QSvgRenderer>

namespace Scribenta {

QImage render_icon_image(QSvgRenderer* svg, const QImage& raster, int size, const QColor& fill) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);

    const QSizeF source = svg ? QSizeF(svg->defaultSize()) : QSizeF(raster.size());
    if (source.isEmpty()) return image;

    // Fractional offsets are kept: a 300 x 100 source in 16 pixels is drawn
    // 16 x 5.333 at top 5.333, antialiased, rather than snapped to a row.
    const QSizeF fitted = source.scaled(size, size, Qt::KeepAspectRatio);
    const QRectF target((size - fitted.width()) * 0.5, (size - fitted.height()) * 0.5,
                        fitted.width(), fitted.height());

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    if (svg) {
        svg->render(&painter, target);
    } else {
        painter.drawImage(target, raster);
    }
    painter.end();
    return image;
}

}  // namespace Scribenta
