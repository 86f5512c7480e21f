#pragma once

// The base of image and video widgets: a source, a style, an optional aspect
// ratio that makes the height follow the width, and the shared painting of
// the rounded, filled background.

#include <QSize>
#include <QSizeF>
#include <QWidget>
#include <string>

#include "ext/ostrel/engine/node_style.h"

class QPainter;

namespace Ostrel {

class MediaWidget : public QWidget {
public:
    using QWidget::QWidget;

    double opacity = 1.0;
    double aspect = 0;  // "Aspect Ratio"; 0 means none

    virtual void apply_style(const NodeStyle& style) = 0;
    virtual void set_source(const std::string& source) = 0;
    // The size of what is shown; empty when nothing (or a video) is loaded.
    virtual QSize natural_size() const = 0;

    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
};

// "Aspect Ratio", "Size.Width", "Size.Height" and "Fit" as size constraints.
void apply_media_size(MediaWidget* widget, const NodeStyle& style);

// Sets the painter's hints and opacity, clips to the style's rounded outline
// of the widget and fills it with the style's "Fill".
void paint_media_background(QPainter& painter, const QWidget* widget, const NodeStyle& style,
                            double opacity);

// natural scaled into box (kept inside when contain, else covering it),
// centred in box.
QRectF fit_rect(const QSizeF& natural, const QSizeF& box, bool contain);

}  // namespace Ostrel
