#include "ext/ostrel/desktop/media_widget.h"

#include <QPainter>

#include "ext/ostrel/desktop/box_layout.h"
#include "ext/ostrel/desktop/box_painting.h"

namespace Ostrel {

bool MediaWidget::hasHeightForWidth() const {
    return aspect > 0;
}

int MediaWidget::heightForWidth(int width) const {
    if (aspect > 0) return px(width / aspect + 0.5);
    return QWidget::heightForWidth(width);
}

void apply_media_size(MediaWidget* widget, const NodeStyle& style) {
    if (style.aspect != widget->aspect) {
        widget->aspect = style.aspect;
        QSizePolicy policy = widget->sizePolicy();
        policy.setHeightForWidth(widget->aspect > 0);
        widget->setSizePolicy(policy);
        widget->updateGeometry();
    }
    if (widget->aspect > 0) {
        // The height follows the width. A fixed width fixes the height too:
        // a box layout asks for the height at its own width, not the fixed
        // one, and would crop the image to cover that taller box.
        fix_proportional_size(widget, style.width, 0, QSize());
        if (style.width > 0) {
            widget->setFixedHeight(widget->heightForWidth(px(style.width + 0.5)));
        }
        return;
    }
    if (style.fit == "Aspect") {
        fix_proportional_size(widget, style.width, style.height, widget->natural_size());
        return;
    }
    apply_fixed_size(widget, style);
}

void paint_media_background(QPainter& painter, const QWidget* widget, const NodeStyle& style,
                            double opacity) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (opacity < 1) painter.setOpacity(opacity < 0 ? 0 : opacity);
    const QRectF rect = widget->rect();
    const QPainterPath outline = rounded_rect_path(rect, style);
    painter.setClipPath(outline);
    const QBrush fill = fill_brush(style.fill, style.fill_gradient, rect);
    if (fill.style() != Qt::NoBrush) painter.fillPath(outline, fill);
}

QRectF fit_rect(const QSizeF& natural, const QSizeF& box, bool contain) {
    const QSizeF scaled =
        natural.scaled(box, contain ? Qt::KeepAspectRatio : Qt::KeepAspectRatioByExpanding);
    return QRectF(QPointF((box.width() - scaled.width()) / 2, (box.height() - scaled.height()) / 2),
                  scaled);
}

}  // namespace Ostrel
