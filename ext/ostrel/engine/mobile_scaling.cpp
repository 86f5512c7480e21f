// Under the word "Mobile", sizes grow by the store's factors. An attribute
// whose value differs with and without "Mobile" has a "Mobile" variant that
// sets its own value, and that value wins over the scaling.

#include <algorithm>

#include "ext/ostrel/engine/style_fields.h"
#include "ext/ostrel/engine/style_resolution.h"

namespace Ostrel {

namespace {

constexpr const char* kMobile = "Mobile";

struct Scaler {
    Layers::LStyle* style;
    const Words& words;
    const Words& without_mobile;

    void scale(double& field, const char* name, double factor) const {
        if (factor == 1 || !(field > 0)) return;
        if (Layers::LAttribute* attribute = style->attribute(name)) {
            using style_fields::number_or_zero;
            if (number_or_zero(attribute, words) != number_or_zero(attribute, without_mobile))
                return;
        }
        field *= factor;
    }

    void scale(Quad& quad, const style_fields::QuadField& names, double factor) const {
        for (std::size_t i = 0; i < quad.size(); ++i) scale(quad[i], names.attributes[i], factor);
    }
};

}  // namespace

void apply_mobile_scaling(NodeStyle& record, Layers::LStyle* style, const Words& words,
                          bool is_icon, double icon_factor, double font_factor,
                          double spacing_factor) {
    if (style == nullptr || std::ranges::find(words, kMobile) == words.end()) return;
    Words without_mobile;
    std::ranges::copy_if(words, std::back_inserter(without_mobile),
                         [](const std::string& w) { return w != kMobile; });
    const Scaler scaler{style, words, without_mobile};

    scaler.scale(record.font_size, "Font.Size", font_factor);
    const double size_factor = is_icon ? icon_factor : spacing_factor;
    scaler.scale(record.width, "Size.Width", size_factor);
    scaler.scale(record.height, "Size.Height", size_factor);
    scaler.scale(record.spacing, "Layout.Spacing", spacing_factor);
    scaler.scale(record.margins, style_fields::kMargins, spacing_factor);
    scaler.scale(record.padding, style_fields::kPadding, spacing_factor);
    scaler.scale(record.radii, style_fields::kRadii, spacing_factor);
    scaler.scale(record.border_thickness, "Border.Thickness", spacing_factor);
}

}  // namespace Ostrel
