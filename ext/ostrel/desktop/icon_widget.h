#pragma once

// "Icon" nodes and the leading icon of editors: an SVG from the icon folders,
// tinted to the text colour, fitted, rotated, and played frame by frame
// every 16 ms while it is animated.

#include <QElapsedTimer>
#include <QString>
#include <QWidget>
#include <memory>
#include <string>

#include "ext/ostrel/engine/node_style.h"
#include "ext/ostrel/svg/animated_svg.h"

class QSvgRenderer;
class QTimer;

namespace Ostrel {

class IconWidget : public QWidget {
public:
    explicit IconWidget(std::string name, QWidget* parent = nullptr);
    ~IconWidget() override;

    std::string icon_name;
    std::string tint;
    std::string fit;
    double rotation = 0;
    double opacity = 1.0;
    QString svg_text;
    std::unique_ptr<AnimatedSvg> animation;
    QTimer* frame_timer = nullptr;
    QElapsedTimer clock;
    QSvgRenderer* renderer = nullptr;

    void set_source(const std::string& name);
    void set_fit(const std::string& value);
    // Renders the current frame with the tint and repaints.
    void refresh();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void load();
};

// Completes a missing width or height from the SVG's proportions and fixes
// each positive dimension; the others are free.
void apply_icon_size(IconWidget* icon, const NodeStyle& style);

}  // namespace Ostrel
