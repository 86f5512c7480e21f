#pragma once

// Every text node and button caption. A wrapping label asks for its unwrapped
// width and lets the layout narrow it. A word too long for one line (a long
// path) is broken where the line ends instead of running past the edge.

#include <QLabel>

#include "ext/ostrel/engine/render_node.h"

namespace Ostrel {

class WrapLabel : public QLabel {
public:
    using QLabel::QLabel;

    QString color;  // "Text Color", possibly empty
    double opacity = 1.0;

    QSize sizeHint() const override;
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Word wrap, with QLabel's own layout, overflows `width` (the space for
    // the text): some word is wider than a line.
    bool overflows(int width) const;

    struct OverflowCheck {
        QString text;
        QFont font;
        int width = -1;
        bool result = false;
    };
    mutable OverflowCheck overflow_;
};

// A label showing the node's text in its colour and font; default_size is
// the pixel size when "Font.Size" is not above 0 (28 for text nodes, 18 for
// captions). No parent; the caller sets word wrap and sizes.
WrapLabel* make_label(const RenderNode& node, int default_size);

// Rebuilds the style sheet from color and opacity.
void restyle_label(WrapLabel* label);

}  // namespace Ostrel
