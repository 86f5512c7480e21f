#pragma once

// Every text node and button caption. A wrapping label asks for its unwrapped
// width and lets the layout narrow it.

#include <QLabel>

#include "ext/ostrel/engine/render_node.h"

namespace Ostrel {

class WrapLabel : public QLabel {
public:
    using QLabel::QLabel;

    QString color;  // "Text Color", possibly empty
    double opacity = 1.0;

    QSize sizeHint() const override;
};

// A label showing the node's text in its colour and font; default_size is
// the pixel size when "Font.Size" is not above 0 (28 for text nodes, 18 for
// captions). No parent; the caller sets word wrap and sizes.
WrapLabel* make_label(const RenderNode& node, int default_size);

// Rebuilds the style sheet from color and opacity.
void restyle_label(WrapLabel* label);

}  // namespace Ostrel
