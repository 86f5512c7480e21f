#pragma once

// The layout rules of boxes as pure functions of the node's style.

#include <QBoxLayout>
#include <string>
#include <utility>

#include "ext/ostrel/engine/node_style.h"

class QScrollArea;

namespace Ostrel {

// A style number truncated to whole pixels, kept within Qt's widget size
// range (NaN gives 0), so no value from a layer file can overflow an int.
int px(double value);

struct BoxDirection {
    QBoxLayout::Direction direction = QBoxLayout::TopToBottom;
    bool is_row = false;
};

// "Row…" (case-sensitive, first three characters) lays out left to right,
// anything else top to bottom; a "-Reverse" ending reverses either.
BoxDirection box_direction(const std::string& direction);

// Cross-axis alignment of children: "Stretch" none, "Start"/"End" the near or
// far edge, anything else centred.
Qt::Alignment align_flags(bool is_row, const std::string& align);

// Stretch factors of the leading and trailing stretch items.
std::pair<int, int> justify_stretches(bool scrolls, const std::string& justify,
                                      bool has_grow_child);

// Contents margins: border plus padding on each side; spacing.
void apply_layout_margins(QBoxLayout* layout, const NodeStyle& style);

// "Size.Width"/"Size.Height" above 0 fix that dimension, else it is free.
void apply_fixed_size(QWidget* widget, const NodeStyle& style);

// Fixes each dimension above 0 at its value rounded to whole pixels; the
// others are free. A missing width or height is first completed from the
// proportions of natural, when it is not empty.
void fix_proportional_size(QWidget* widget, double width, double height, const QSize& natural);

// A collapsed node is 0 pixels high, whatever height its sizing rule fixed.
void collapse_height(QWidget* widget);

bool has_margins(const NodeStyle& style);

// A child that counts as growing: a non-zero grow, unless it is held at its
// maximum width in a row.
bool is_growing_child(bool parent_is_row, const NodeStyle& child);

// The first QScrollArea below the widget, or null.
QScrollArea* find_scroll_area(QWidget* widget);

}  // namespace Ostrel
