#pragma once

#include <cstddef>
#include <string>

#include "ext/ostrel/svg/animated_svg.h"

namespace Ostrel {

// One change of the source text: length bytes at offset replaced by text.
struct SvgEdit {
    size_t offset = 0;
    size_t length = 0;
    std::string text;
};

// The progress along an easing curve for the input progress x.
double cubic_bezier_ease(const CubicBezier& easing, double x);

}  // namespace Ostrel
