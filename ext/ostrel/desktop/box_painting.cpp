#include "ext/ostrel/desktop/box_painting.h"

#include <QLinearGradient>
#include <QString>
#include <QStringList>

namespace Ostrel {

QColor color_from(const std::string& text) {
    if (text.empty()) return QColor();
    return QColor::fromString(QString::fromStdString(text));
}

GradientStops parse_fill(const std::string& fill) {
    GradientStops stops;
    const QStringList parts = QString::fromStdString(fill).split(',', Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        const qsizetype colon = part.indexOf(':');
        if (colon < 0) continue;
        const double offset = part.left(colon).trimmed().toDouble();
        stops.emplace_back(offset, QColor::fromString(part.mid(colon + 1).trimmed()));
    }
    return stops;
}

QPainterPath rounded_rect_path(const QRectF& rect, const NodeStyle& style) {
    const double tl = style.radii[0];
    const double tr = style.radii[1];
    const double bl = style.radii[2];
    const double br = style.radii[3];
    QPainterPath path;
    path.moveTo(rect.left() + tl, rect.top());
    path.lineTo(rect.right() - tr, rect.top());
    path.arcTo(QRectF(rect.right() - 2 * tr, rect.top(), 2 * tr, 2 * tr), 90, -90);
    path.lineTo(rect.right(), rect.bottom() - br);
    path.arcTo(QRectF(rect.right() - 2 * br, rect.bottom() - 2 * br, 2 * br, 2 * br), 0, -90);
    path.lineTo(rect.left() + bl, rect.bottom());
    path.arcTo(QRectF(rect.left(), rect.bottom() - 2 * bl, 2 * bl, 2 * bl), 270, -90);
    path.lineTo(rect.left(), rect.top() + tl);
    path.arcTo(QRectF(rect.left(), rect.top(), 2 * tl, 2 * tl), 180, -90);
    path.closeSubpath();
    return path;
}

QBrush fill_brush(const std::string& fill, bool gradient, const QRectF& rect) {
    if (fill.empty()) return Qt::NoBrush;
    if (!gradient) {
        const QColor colour = color_from(fill);
        return colour.isValid() ? QBrush(colour) : QBrush(Qt::NoBrush);
    }
    QLinearGradient linear(rect.topLeft(), rect.bottomLeft());
    for (const auto& [offset, colour] : parse_fill(fill)) {
        // Qt refuses stops outside 0..1 with a warning; drop them quietly.
        if (offset >= 0 && offset <= 1) linear.setColorAt(offset, colour);
    }
    return QBrush(linear);
}

}  // namespace Ostrel
