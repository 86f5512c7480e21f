#pragma once

#include <map>
#include <string>
#include <vector>

#include "ext/ostrel/svg/animated_svg.h"

namespace Ostrel {

// A parsed declaration block: trimmed names to trimmed values.
struct CssDeclarations {
    std::map<std::string, std::string> properties;
    std::string timing_function;  // the last "animation-timing-function"
};

struct CssKeyframe {
    double offset = 0;  // fraction of the cycle: "from" 0, "to" 1, "50%" 0.5
    CssDeclarations declarations;
};

CssDeclarations parse_css_declarations(const std::string& text);

// One offset per selector of a keyframe ("from", "to", "50%"), in order.
std::vector<double> parse_keyframe_selectors(const std::string& text);

// Indices of the elements a simple selector (tag, "#id" or ".class") matches.
void css_selector_matches(const AnimatedSvg& doc, std::vector<int>& out,
                          const std::string& selector);

// "cubic-bezier(x1, y1, x2, y2)"; anything else is linear.
CubicBezier parse_cubic_bezier(const std::string& text);

}  // namespace Ostrel
