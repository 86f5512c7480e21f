#pragma once

// Which layer attribute fills which NodeStyle field, grouped by reading rule.
// Internal to the style resolution and the Mobile scaling.

#include <array>

#include "ext/ostrel/engine/node_style.h"
#include "ext/ostrel/engine/style_resolution.h"

namespace Ostrel::style_fields {

template <typename T>
struct Field {
    const char* attribute;
    T NodeStyle::*member;
};

struct QuadField {
    std::array<const char*, 4> attributes;  // in the element order of the Quad
    Quad NodeStyle::*member;
};

// A number; 0 when absent or not a number.
inline constexpr std::array<Field<double>, 13> kNumbers{{
    {"Border.Thickness", &NodeStyle::border_thickness},
    {"Font.Size", &NodeStyle::font_size},
    {"Font.Weight", &NodeStyle::font_weight},
    {"Layout.Spacing", &NodeStyle::spacing},
    {"Layout.Grow", &NodeStyle::grow},
    {"Size.Width", &NodeStyle::width},
    {"Size.Height", &NodeStyle::height},
    {"Size.Height Viewport", &NodeStyle::height_viewport},
    {"Size.Max Width", &NodeStyle::max_width},
    {"Aspect Ratio", &NodeStyle::aspect},
    {"Transform.Offset Y", &NodeStyle::offset_y},
    {"Transform.Offset X", &NodeStyle::offset_x},
    {"Transform.Rotation", &NodeStyle::rotation},
}};

// A number when present (0 when not a number); absent keeps the default.
inline constexpr std::array<Field<double>, 2> kNumbersIfPresent{{
    {"Layout.Shrink", &NodeStyle::shrink},
    {"Opacity", &NodeStyle::opacity},
}};

inline constexpr QuadField kRadii{{"Corner Radii.Top Left", "Corner Radii.Top Right",
                                   "Corner Radii.Bottom Left", "Corner Radii.Bottom Right"},
                                  &NodeStyle::radii};
inline constexpr QuadField kMargins{
    {"Margins.Left", "Margins.Top", "Margins.Right", "Margins.Bottom"}, &NodeStyle::margins};
inline constexpr QuadField kPadding{
    {"Padding.Left", "Padding.Top", "Padding.Right", "Padding.Bottom"}, &NodeStyle::padding};
inline constexpr std::array<QuadField, 3> kQuads{{kRadii, kMargins, kPadding}};

// The string; empty when absent or not a string.
inline constexpr std::array<Field<std::string>, 17> kStrings{{
    {"Text Color", &NodeStyle::text_color},
    {"Font.Family", &NodeStyle::font_family},
    {"Layout.Direction", &NodeStyle::direction},
    {"Layout.Align", &NodeStyle::align},
    {"Layout.Justify", &NodeStyle::justify},
    {"Layout.Scroll", &NodeStyle::scroll},
    {"Text", &NodeStyle::text},
    {"Placeholder", &NodeStyle::placeholder},
    {"Source", &NodeStyle::source},
    {"Fit", &NodeStyle::fit},
    {"Data", &NodeStyle::data},
    {"Intent", &NodeStyle::intent},
    {"Overlay", &NodeStyle::overlay},
    {"Href", &NodeStyle::href},
    {"Tag", &NodeStyle::tag},
    {"Anchor", &NodeStyle::anchor},
    {"Bind", &NodeStyle::bind},
}};

// On exactly when the attribute resolves to a non-zero number; anything else
// (a JSON true or false included) keeps the default.
inline constexpr std::array<Field<bool>, 10> kFlags{{
    {"Visible", &NodeStyle::visible},
    {"Collapsed", &NodeStyle::collapsed},
    {"Secret", &NodeStyle::secret},
    {"Multiline", &NodeStyle::multiline},
    {"Read Only", &NodeStyle::read_only},
    {"Wrap", &NodeStyle::wrap},
    {"Autoplay", &NodeStyle::autoplay},
    {"Loop", &NodeStyle::loop},
    {"Muted", &NodeStyle::muted},
    {"Controls", &NodeStyle::controls},
}};

// The number the attribute resolves to for the words (no context style); 0
// when the attribute is null or resolves to anything but a number.
double number_or_zero(Layers::LAttribute* attribute, const Words& words);

}  // namespace Ostrel::style_fields
