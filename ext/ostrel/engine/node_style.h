#pragma once

// The resolved attributes of one rendered node: one field per layer attribute
// the engine reads, plus the two fields the expansion fills itself.

#include <array>
#include <string>

namespace Ostrel {

// Four values in the order the attribute names list them (corners: top left,
// top right, bottom left, bottom right; edges: left, top, right, bottom).
using Quad = std::array<double, 4>;

struct NodeStyle {
    std::string fill;
    bool fill_gradient = false;
    std::string border_fill;
    bool border_gradient = false;
    double border_thickness = 0;
    Quad radii{};
    Quad margins{};
    Quad padding{};
    std::string text_color;
    std::string code_background;
    double font_size = 0;
    double font_weight = 0;
    std::string font_family;
    bool visible = true;
    bool collapsed = false;
    std::string direction;
    double spacing = 0;
    std::string align;
    std::string justify;
    std::string scroll;
    double grow = 0;
    double shrink = -1;
    double width = 0;
    double height = 0;
    double height_viewport = 0;
    double max_width = 0;
    double aspect = 0;
    double offset_y = 0;
    double offset_x = 0;
    double rotation = 0;
    double opacity = 1;
    std::string text;
    std::string placeholder;
    bool secret = false;
    bool multiline = false;
    bool read_only = false;
    bool wrap = true;
    std::string source;
    std::string media_source;
    std::string fit;
    bool autoplay = false;
    bool loop = false;
    bool muted = false;
    bool controls = false;
    std::string data;
    std::string intent;
    std::string overlay;
    std::string href;
    std::string tag;
    std::string anchor;
    std::string bind;

    // Leaves out font_family, visible, shrink, height_viewport, text and
    // bind: the renderer does not read them, so a change confined to them
    // must not produce an update.
    bool operator==(const NodeStyle& other) const;
};

}  // namespace Ostrel
