#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "ext/ostrel/svg/geometry.h"

namespace Ostrel {

// One attribute of a start tag; offsets are byte offsets into the source.
// An attribute without a quoted value has value_start == value_end == 0.
struct SvgAttribute {
    std::string name;
    std::string value;
    size_t value_start = 0;
    size_t value_end = 0;
};

// One start tag of the source, with the span of the element it opens.
struct SvgElement {
    std::string name;
    std::vector<SvgAttribute> attributes;
    std::vector<int> children;
    int parent = -1;
    size_t insert_at = 0;  // just past the tag name: where a frame adds attributes
    size_t start = 0;      // the "<" of the start tag
    size_t end = 0;        // just past the closing ">"; 0 when never closed
    std::string text;      // character data and CDATA read directly inside

    const SvgAttribute* find_attribute(const std::string& name) const;
    std::string attribute(const std::string& name) const;
};

// What the sampled numbers of an animation drive.
enum class AnimationKind : int {
    Rotate = 0,            // angle (degrees), cx, cy
    Translate = 1,         // tx, ty
    Scale = 2,             // sx, sy
    Matrix = 3,            // a, b, c, d, e, f
    Motion = 4,            // fraction of the path length
    Opacity = 5,           // opacity
    NumericAttribute = 6,  // the attribute's number
};

// Easing of one keyframe segment; not enabled means linear.
struct CubicBezier {
    double x1 = 0, y1 = 0, x2 = 1, y2 = 1;
    bool enabled = false;
};

// One animated property of one element.
struct Animation {
    int element = -1;
    AnimationKind kind = AnimationKind::Rotate;
    std::vector<double> key_times;
    std::vector<std::vector<double>> key_values;
    std::vector<CubicBezier> easings;  // entry i eases keyframe i to i + 1
    double duration_ms = 1000;
    bool repeat = true;
    bool additive = false;
    Matrix2D base;
    std::string attribute;
    bool timed = true;
    // Motion: the polyline with its measure, held once for all the elements
    // one rule moves along it; null for no path.
    std::shared_ptr<const MotionPath> path;

    // Progress within the cycle at t_ms: 1 without a positive duration.
    double progress_at(double t_ms) const;
    // The keyframe numbers interpolated at a progress.
    std::vector<double> sample(double progress) const;
};

// An SVG text parsed once into elements and animations, from which a static
// SVG text can be produced for any time.
class AnimatedSvg {
public:
    std::string source;
    std::vector<SvgElement> elements;
    std::vector<Animation> animations;
    std::vector<int> stripped;  // elements whose markup no frame carries
    bool animated = false;
    // Set by a collector whose animations exceed a cap (animation_limits.h):
    // parse then drops every animation, so the document shows as it is.
    bool over_budget = false;

    // Never fails: a text without tags gives a document without elements.
    static std::unique_ptr<AnimatedSvg> parse(const std::string& svg);
    // False for a null document.
    static bool is_animated(const std::unique_ptr<AnimatedSvg>& doc);
    bool is_animated() const { return animated; }
    // The frame at t_ms; empty for a null document.
    static std::string frame_text(const std::unique_ptr<AnimatedSvg>& doc, double t_ms);

    std::string render_frame(double t_ms) const;

    void scan_elements();
    size_t parse_start_tag(size_t lt, size_t gt, bool self_closing, std::vector<int>& open);
    void collect_smil_animations();
    void collect_css_animations();
};

}  // namespace Ostrel
