// Icon, image, video, Markdown and QR nodes.

#include <QWidget>

#include "ext/ostrel/desktop/box_layout.h"
#include "ext/ostrel/desktop/desktop_view.h"
#include "ext/ostrel/desktop/icon_widget.h"

namespace Ostrel {

namespace {

void configure_icon(IconWidget* icon, const NodeStyle& style) {
    icon->set_fit(style.fit);
    icon->tint = style.text_color;
    icon->refresh();
    icon->set_source(style.source);
    icon->rotation = style.rotation;
    icon->update();
}

}  // namespace

QWidget* DesktopView::create_media_widget(const RenderNode& node, DNode& entry) {
    const NodeStyle& style = node.style;
    if (node.kind == NodeKind::Icon) {
        auto* icon = new IconWidget(style.source);
        configure_icon(icon, style);
        apply_icon_size(icon, style);
        entry.icon = icon;
        return icon;
    }
    auto* widget = new QWidget();
    apply_fixed_size(widget, style);
    return widget;
}

void DesktopView::update_media(DNode& entry, const RenderNode& node) {
    if (entry.icon != nullptr) configure_icon(entry.icon, node.style);
}

bool DesktopView::update_media_size(DNode& entry, const NodeStyle& style) {
    if (entry.icon != nullptr) {
        apply_icon_size(entry.icon, style);
        return true;
    }
    return false;
}

void DesktopView::apply_media_opacity(DNode& entry) {
    if (entry.icon != nullptr && entry.icon->opacity != entry.opacity) {
        entry.icon->opacity = entry.opacity;
        entry.icon->update();
    }
}

}  // namespace Ostrel
