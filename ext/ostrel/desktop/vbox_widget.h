#pragma once

// Every container, button, check box and sheet: paints its fill (colour or
// vertical gradient), border and four corner radii, fires its click on press
// and carries the drag and resize areas of the frameless window.

#include <QWidget>
#include <functional>

#include "ext/ostrel/engine/node_style.h"

namespace Ostrel {

class VBoxWidget : public QWidget {
public:
    explicit VBoxWidget(QWidget* parent = nullptr);

    std::function<void()> on_click;   // buttons, check boxes, scrims
    std::function<void()> on_resize;  // boxes with floating layers
    NodeStyle style;
    bool drag_intent = false;
    bool resize_intent = false;
    double opacity = 1.0;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

    // Paints the box part; the subclasses paint on top of it.
    void paint_box();
};

// The edges of a window:resize box a point lies on (8 pixels wide).
Qt::Edges resize_edges(const QPoint& pos, const QSize& size);

}  // namespace Ostrel
