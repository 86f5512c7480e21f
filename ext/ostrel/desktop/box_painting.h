#pragma once

// Drawing shared by boxes, editors, combo boxes and images: fills that are a
// colour or a list of gradient stops, and outlines with four corner radii.

#include <QBrush>
#include <QColor>
#include <QPainterPath>
#include <QRectF>
#include <string>
#include <utility>
#include <vector>

#include "ext/ostrel/engine/node_style.h"

namespace Ostrel {

using GradientStops = std::vector<std::pair<double, QColor>>;

// "0:#3a3c42,1:#42454d": an offset, ":" and a colour per item; items without
// ":" are skipped, the order of the text is kept.
GradientStops parse_fill(const std::string& fill);

// The outline of rect with the style's four corner radii (not clamped).
QPainterPath rounded_rect_path(const QRectF& rect, const NodeStyle& style);

// The brush for a fill over rect: a top-to-bottom gradient when the fill is
// flagged as one, else the colour; Qt::NoBrush for an empty fill.
QBrush fill_brush(const std::string& fill, bool gradient, const QRectF& rect);

// QColor::fromString of the text; invalid for an empty text.
QColor color_from(const std::string& text);

}  // namespace Ostrel
