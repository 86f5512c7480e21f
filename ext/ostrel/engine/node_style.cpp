#include "ext/ostrel/engine/node_style.h"

#include <tuple>

namespace Ostrel {

namespace {

// The compared fields, in declaration order.
auto compared_fields(const NodeStyle& s) {
    return std::tie(s.fill, s.fill_gradient, s.border_fill, s.border_gradient, s.border_thickness,
                    s.radii, s.margins, s.padding, s.text_color, s.code_background, s.font_size,
                    s.font_weight, s.collapsed, s.direction, s.spacing, s.align, s.justify,
                    s.scroll, s.grow, s.width, s.height, s.max_width, s.aspect, s.offset_y,
                    s.offset_x, s.rotation, s.opacity, s.placeholder, s.secret, s.multiline,
                    s.read_only, s.wrap, s.source, s.media_source, s.fit, s.autoplay, s.loop,
                    s.muted, s.controls, s.data, s.intent, s.overlay, s.href, s.tag, s.anchor);
}

}  // namespace

bool NodeStyle::operator==(const NodeStyle& other) const {
    return compared_fields(*this) == compared_fields(other);
}

}  // namespace Ostrel
