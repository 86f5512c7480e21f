#include "ext/ostrel/desktop/qr_widget.h"

#include <QPainter>
#include <algorithm>
#include <exception>
#include <qrcodegen/qrcodegen.hpp>

#include "ext/ostrel/desktop/box_painting.h"
#include "ext/ostrel/desktop/media_widget.h"

namespace Ostrel {

QrMatrix make_qr_matrix(const std::string& text) {
    QrMatrix matrix;
    if (text.empty()) return matrix;
    try {
        const qrcodegen::QrCode code =
            qrcodegen::QrCode::encodeText(text.c_str(), qrcodegen::QrCode::Ecc::MEDIUM);
        const int size = code.getSize();
        matrix.modules.resize(static_cast<size_t>(size) * size);
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                matrix.modules[static_cast<size_t>(y) * size + x] = code.getModule(x, y) ? 1 : 0;
            }
        }
        matrix.size = size;
    } catch (const std::exception&) {
        matrix = QrMatrix();  // too long for any QR code
    }
    return matrix;
}

QPainterPath module_path(const QRectF& rect, double tl, double tr, double br, double bl) {
    QPainterPath path;
    path.moveTo(rect.left() + tl, rect.top());
    path.lineTo(rect.right() - tr, rect.top());
    if (tr > 0) path.arcTo(QRectF(rect.right() - 2 * tr, rect.top(), 2 * tr, 2 * tr), 90, -90);
    path.lineTo(rect.right(), rect.bottom() - br);
    if (br > 0) {
        path.arcTo(QRectF(rect.right() - 2 * br, rect.bottom() - 2 * br, 2 * br, 2 * br), 0, -90);
    }
    path.lineTo(rect.left() + bl, rect.bottom());
    if (bl > 0) {
        path.arcTo(QRectF(rect.left(), rect.bottom() - 2 * bl, 2 * bl, 2 * bl), 270, -90);
    }
    path.lineTo(rect.left(), rect.top() + tl);
    if (tl > 0) path.arcTo(QRectF(rect.left(), rect.top(), 2 * tl, 2 * tl), 180, -90);
    path.closeSubpath();
    return path;
}

QrWidget::QrWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void QrWidget::set_data(const std::string& text) {
    if (text == qr_text && (module_count > 0 || text.empty())) return;
    qr_text = text;
    QrMatrix matrix = make_qr_matrix(text);
    module_count = matrix.size;
    modules = std::move(matrix.modules);
    update();
}

void QrWidget::paintEvent(QPaintEvent* event) {
    (void)event;
    QPainter painter(this);
    paint_media_background(painter, this, style, opacity);
    const QRectF rect = this->rect();
    const int n = module_count;
    if (n <= 0) return;
    const QRectF area =
        rect.adjusted(style.padding[0], style.padding[1], -style.padding[2], -style.padding[3]);
    const double s = std::min(area.width(), area.height());
    if (s <= 0) return;
    const double m = s / n;
    const double r = 0.35 * m;
    const QPointF origin(area.left() + (area.width() - s) / 2,
                         area.top() + (area.height() - s) / 2);
    const auto dark = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < n && y < n && modules[static_cast<size_t>(y) * n + x] != 0;
    };
    // One path for the whole code; a corner stays square where a dark
    // neighbour touches it, so touching modules merge.
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            if (!dark(x, y)) continue;
            const bool up = dark(x, y - 1);
            const bool down = dark(x, y + 1);
            const bool left = dark(x - 1, y);
            const bool right = dark(x + 1, y);
            const QRectF cell(origin.x() + x * m, origin.y() + y * m, m, m);
            path.addPath(module_path(cell, up || left ? 0 : r, up || right ? 0 : r,
                                     down || right ? 0 : r, down || left ? 0 : r));
        }
    }
    QColor colour = color_from(style.text_color);
    if (!colour.isValid()) colour = Qt::black;
    painter.fillPath(path, colour);
}

}  // namespace Ostrel
