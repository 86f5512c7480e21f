#include "ext/ostrel/desktop/box_layout.h"

#include <QScrollArea>
#include <QWidget>

namespace Ostrel {

namespace {

bool ends_with(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

int px(double value) {
    if (!(value == value)) return 0;
    if (value >= QWIDGETSIZE_MAX) return QWIDGETSIZE_MAX;
    if (value <= -QWIDGETSIZE_MAX) return -QWIDGETSIZE_MAX;
    return static_cast<int>(value);
}

BoxDirection box_direction(const std::string& direction) {
    const bool row = direction.compare(0, 3, "Row") == 0;
    const bool reverse = ends_with(direction, "-Reverse");
    if (row) return {reverse ? QBoxLayout::RightToLeft : QBoxLayout::LeftToRight, true};
    return {reverse ? QBoxLayout::BottomToTop : QBoxLayout::TopToBottom, false};
}

Qt::Alignment align_flags(bool is_row, const std::string& align) {
    if (align == "Stretch") return {};
    if (is_row) {
        if (align == "Start") return Qt::AlignTop;
        if (align == "End") return Qt::AlignBottom;
        return Qt::AlignVCenter;
    }
    if (align == "Start") return Qt::AlignLeft;
    if (align == "End") return Qt::AlignRight;
    return Qt::AlignHCenter;
}

std::pair<int, int> justify_stretches(bool scrolls, const std::string& justify,
                                      bool has_grow_child) {
    if (has_grow_child) return {0, 0};
    if (scrolls) return {0, 1};
    if (justify == "Start") return {0, 1};
    if (justify == "End") return {1, 0};
    return {1, 1};
}

void apply_layout_margins(QBoxLayout* layout, const NodeStyle& style) {
    const int b = px(style.border_thickness);
    layout->setContentsMargins(b + px(style.padding[0]), b + px(style.padding[1]),
                               b + px(style.padding[2]), b + px(style.padding[3]));
    layout->setSpacing(px(style.spacing));
}

void apply_fixed_size(QWidget* widget, const NodeStyle& style) {
    if (style.width > 0) {
        widget->setFixedWidth(px(style.width));
    } else {
        widget->setMinimumWidth(0);
        widget->setMaximumWidth(QWIDGETSIZE_MAX);
    }
    if (style.height > 0) {
        widget->setFixedHeight(px(style.height));
    } else {
        widget->setMinimumHeight(0);
        widget->setMaximumHeight(QWIDGETSIZE_MAX);
    }
}

void fix_proportional_size(QWidget* widget, double width, double height, const QSize& natural) {
    if (!natural.isEmpty()) {
        const double ratio = static_cast<double>(natural.width()) / natural.height();
        if (width > 0 && !(height > 0)) height = width / ratio;
        if (height > 0 && !(width > 0)) width = ratio * height;
    }
    if (width > 0) {
        widget->setFixedWidth(px(width + 0.5));
    } else {
        widget->setMinimumWidth(0);
        widget->setMaximumWidth(QWIDGETSIZE_MAX);
    }
    if (height > 0) {
        widget->setFixedHeight(px(height + 0.5));
    } else {
        widget->setMinimumHeight(0);
        widget->setMaximumHeight(QWIDGETSIZE_MAX);
    }
}

void collapse_height(QWidget* widget) {
    widget->setMinimumHeight(0);
    widget->setMaximumHeight(0);
}

bool has_margins(const NodeStyle& style) {
    for (double margin : style.margins) {
        if (margin > 0) return true;
    }
    return false;
}

bool is_growing_child(bool parent_is_row, const NodeStyle& child) {
    return child.grow != 0 && !(parent_is_row && child.max_width > 0);
}

QScrollArea* find_scroll_area(QWidget* widget) {
    return widget != nullptr ? widget->findChild<QScrollArea*>() : nullptr;
}

}  // namespace Ostrel
