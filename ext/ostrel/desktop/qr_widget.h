#pragma once

// "QR" nodes: the "Data" text drawn as a QR code with rounded modules that
// merge where dark modules touch.

#include <QPainterPath>
#include <QRectF>
#include <QWidget>
#include <string>
#include <vector>

#include "ext/ostrel/engine/node_style.h"

namespace Ostrel {

struct QrMatrix {
    int size = 0;                        // modules per side; 0 draws nothing
    std::vector<unsigned char> modules;  // size x size, row by row, non-zero = dark
};

// Medium error correction; empty text or text that cannot be encoded gives
// an empty matrix.
QrMatrix make_qr_matrix(const std::string& text);

// The outline of rect with the radii top left, top right, bottom right,
// bottom left; a radius of 0 keeps that corner square.
QPainterPath module_path(const QRectF& rect, double top_left, double top_right, double bottom_right,
                         double bottom_left);

class QrWidget : public QWidget {
public:
    explicit QrWidget(QWidget* parent = nullptr);

    std::string qr_text;
    int module_count = 0;
    std::vector<unsigned char> modules;
    NodeStyle style;
    double opacity = 1.0;

    // Recomputes the matrix only when the text changed.
    void set_data(const std::string& text);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace Ostrel
