// Floating layers and modal overlays.

#include "ext/ostrel/desktop/desktop_view.h"

namespace Ostrel {

void DesktopView::float_node(const RenderNode& node) {
    (void)node;
}

void DesktopView::update_float(DNode& entry, const RenderNode& node, const std::string& path) {
    (void)entry;
    (void)node;
    (void)path;
}

void DesktopView::release_float(const std::string& path, DNode& entry) {
    (void)path;
    (void)entry;
}

void DesktopView::layout_floats() {}

void DesktopView::show_modal(const RenderNode& node) {
    park_orphan(build_subtree(node));
}

void DesktopView::close_modals_under(const std::string& path) {
    (void)path;
}

void DesktopView::update_video_visibility() {}

}  // namespace Ostrel
