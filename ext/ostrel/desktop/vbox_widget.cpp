#include "ext/ostrel/desktop/vbox_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "ext/ostrel/desktop/box_painting.h"

namespace Ostrel {

namespace {

constexpr int kEdge = 8;

// The native window of the widget's top-level window, or null.
QWindow* native_window(QWidget* widget) {
    QWidget* top = widget->window();
    return top != nullptr ? top->windowHandle() : nullptr;
}

}  // namespace

Qt::Edges resize_edges(const QPoint& pos, const QSize& size) {
    Qt::Edges edges;
    if (pos.x() <= kEdge) {
        edges |= Qt::LeftEdge;
    } else if (pos.x() >= size.width() - kEdge) {
        edges |= Qt::RightEdge;
    }
    if (pos.y() <= kEdge) {
        edges |= Qt::TopEdge;
    } else if (pos.y() >= size.height() - kEdge) {
        edges |= Qt::BottomEdge;
    }
    return edges;
}

VBoxWidget::VBoxWidget(QWidget* parent) : QWidget(parent) {}

void VBoxWidget::mousePressEvent(QMouseEvent* event) {
    if (on_click) {
        // A copy: the click may re-render and replace what this box holds.
        const std::function<void()> click = on_click;
        event->accept();
        click();
        return;
    }
    if (resize_intent) {
        QWindow* window = native_window(this);
        const Qt::Edges edges = resize_edges(event->position().toPoint(), size());
        if (window != nullptr && edges != Qt::Edges()) {
            window->startSystemResize(edges);
            event->accept();
            return;
        }
    } else if (drag_intent) {
        if (QWindow* window = native_window(this)) {
            window->startSystemMove();
            event->accept();
            return;
        }
    }
    event->ignore();
}

void VBoxWidget::mouseMoveEvent(QMouseEvent* event) {
    if (resize_intent && event->buttons() == Qt::NoButton) {
        const Qt::Edges edges = resize_edges(event->position().toPoint(), size());
        const bool left = edges & Qt::LeftEdge;
        const bool right = edges & Qt::RightEdge;
        const bool top = edges & Qt::TopEdge;
        const bool bottom = edges & Qt::BottomEdge;
        Qt::CursorShape shape = Qt::ArrowCursor;
        if ((top && left) || (bottom && right)) {
            shape = Qt::SizeFDiagCursor;
        } else if ((top && right) || (bottom && left)) {
            shape = Qt::SizeBDiagCursor;
        } else if (left || right) {
            shape = Qt::SizeHorCursor;
        } else if (top || bottom) {
            shape = Qt::SizeVerCursor;
        }
        setCursor(shape);
    }
    QWidget::mouseMoveEvent(event);
}

void VBoxWidget::leaveEvent(QEvent* event) {
    if (resize_intent) unsetCursor();
    (void)event;
}

void VBoxWidget::paintEvent(QPaintEvent* event) {
    (void)event;
    paint_box();
}

void VBoxWidget::paint_box() {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (opacity < 1) painter.setOpacity(opacity < 0 ? 0 : opacity);
    const double b = style.border_thickness;
    const QRectF rect = QRectF(this->rect()).adjusted(b / 2, b / 2, -b / 2, -b / 2);
    const QPainterPath outline = rounded_rect_path(rect, style);
    const QBrush fill = fill_brush(style.fill, style.fill_gradient, rect);
    if (fill.style() != Qt::NoBrush) painter.fillPath(outline, fill);
    if (b > 0 && !style.border_fill.empty()) {
        const QBrush border = fill_brush(style.border_fill, style.border_gradient, rect);
        if (border.style() == Qt::NoBrush) return;
        QPen pen(border, b);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(outline);
    }
}

void VBoxWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (on_resize) on_resize();
}

}  // namespace Ostrel
