// A frame is the source with the stripped elements cut out and the sampled
// values written into the animated elements: every change is an edit of the
// source, and the edits are spliced in offset order in one copy.

#include "ext/ostrel/svg/frame_render.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>

#include "ext/ostrel/svg/number_text.h"

namespace Ostrel {

double Animation::progress_at(double t_ms) const {
    if (duration_ms <= 0) return 1;
    if (repeat) return std::fmod(t_ms, duration_ms) / duration_ms;
    return std::min(1.0, t_ms / duration_ms);
}

std::vector<double> Animation::sample(double p) const {
    const size_t n = std::min(key_times.size(), key_values.size());
    if (n == 0) return {};
    // A progress that is not a number (a "nan" duration, an infinite time)
    // shows the first keyframe instead of writing "nan" into the frame.
    if (n == 1 || std::isnan(p) || p <= key_times[0]) return key_values[0];
    if (p >= key_times[n - 1]) return key_values[n - 1];
    size_t i = 0;
    while (i + 2 < n && p > key_times[i + 1]) ++i;
    const double span = key_times[i + 1] - key_times[i];
    double u = span > 0 ? (p - key_times[i]) / span : 0;
    if (i < easings.size()) u = cubic_bezier_ease(easings[i], u);
    const std::vector<double>& from = key_values[i];
    const std::vector<double>& to = key_values[i + 1];
    std::vector<double> out(std::min(from.size(), to.size()));
    for (size_t k = 0; k < out.size(); ++k) out[k] = from[k] + (to[k] - from[k]) * u;
    return out;
}

namespace {

double bezier_coordinate(double t, double p1, double p2) {
    const double u = 1 - t;
    return 3 * (u * u) * t * p1 + 3 * u * (t * t) * p2 + t * t * t;
}

}  // namespace

double cubic_bezier_ease(const CubicBezier& easing, double x) {
    if (!easing.enabled) return x;
    double lo = 0;
    double hi = 1;
    double mid = 0.5;
    for (int step = 0; step < 32; ++step) {
        mid = (lo + hi) / 2;
        if (x > bezier_coordinate(mid, easing.x1, easing.x2)) {
            lo = mid;
        } else {
            hi = mid;
        }
    }
    return bezier_coordinate(mid, easing.y1, easing.y2);
}

namespace {

// What the animations wrote for one element; later animations overwrite.
struct ElementValues {
    std::optional<Matrix2D> transform;
    std::optional<double> opacity;
    std::map<std::string, double> numbers;
};

double number_or(const std::vector<double>& v, size_t i, double fallback) {
    return i < v.size() ? v[i] : fallback;
}

void apply_sample(const Animation& anim, const std::vector<double>& v, ElementValues& out) {
    std::optional<Matrix2D> m;
    switch (anim.kind) {
        case AnimationKind::Rotate:
            m = v.size() >= 3 ? Matrix2D::rotation(v[0], v[1], v[2])
                              : Matrix2D::rotation(number_or(v, 0, 0), 0, 0);
            break;
        case AnimationKind::Translate:
            m = Matrix2D{1, 0, 0, 1, number_or(v, 0, 0), number_or(v, 1, 0)};
            break;
        case AnimationKind::Scale: {
            const double sx = number_or(v, 0, 1);
            m = Matrix2D{sx, 0, 0, number_or(v, 1, sx), 0, 0};
            break;
        }
        case AnimationKind::Matrix:
            if (v.size() >= 6) out.transform = Matrix2D{v[0], v[1], v[2], v[3], v[4], v[5]};
            return;
        case AnimationKind::Motion: {
            const double d = number_or(v, 0, 0);
            const Point2D at = anim.path != nullptr ? anim.path->point_at(d) : Point2D{0, 0};
            out.transform = Matrix2D{1, 0, 0, 1, at.first, at.second};
            return;
        }
        case AnimationKind::Opacity:
            if (!v.empty()) out.opacity = v[0];
            return;
        case AnimationKind::NumericAttribute:
            if (!v.empty()) out.numbers[anim.attribute] = v[0];
            return;
    }
    out.transform = anim.additive ? Matrix2D::multiply(anim.base, *m) : *m;
}

void add_value_edits(const SvgElement& el, const ElementValues& values,
                     std::vector<SvgEdit>& edits) {
    std::vector<std::pair<std::string, std::string>> pairs;
    if (values.transform) pairs.emplace_back("transform", format_matrix(*values.transform));
    if (values.opacity) pairs.emplace_back("opacity", format_number(*values.opacity));
    for (const auto& [name, number] : values.numbers) {
        pairs.emplace_back(name, format_number(number));
    }
    std::string inserted;
    for (const auto& [name, text] : pairs) {
        const SvgAttribute* attr = el.find_attribute(name);
        if (attr == nullptr) {
            inserted += " " + name + "=\"" + text + "\"";
        } else if (attr->value_start != 0) {
            edits.push_back({attr->value_start, attr->value_end - attr->value_start, text});
        }
        // An attribute written without quotes has no place for a value: it is
        // left as written rather than given a second, conflicting value.
    }
    if (!inserted.empty()) edits.push_back({el.insert_at, 0, std::move(inserted)});
}

}  // namespace

std::string AnimatedSvg::render_frame(double t_ms) const {
    std::map<int, ElementValues> values;
    for (const Animation& anim : animations) {
        if (anim.element < 0 || static_cast<size_t>(anim.element) >= elements.size()) continue;
        const double p = anim.timed ? anim.progress_at(t_ms) : 0;
        apply_sample(anim, anim.sample(p), values[anim.element]);
    }

    std::vector<SvgEdit> edits;
    for (int index : stripped) {
        if (index < 0 || static_cast<size_t>(index) >= elements.size()) continue;
        const SvgElement& el = elements[index];
        if (el.start < el.end) edits.push_back({el.start, el.end - el.start, std::string()});
    }
    for (const auto& [index, element_values] : values) {
        add_value_edits(elements[index], element_values, edits);
    }
    std::stable_sort(edits.begin(), edits.end(),
                     [](const SvgEdit& l, const SvgEdit& r) { return l.offset < r.offset; });

    std::string out;
    out.reserve(source.size() + 64);
    size_t copied = 0;
    for (const SvgEdit& edit : edits) {
        if (edit.offset < copied) continue;  // inside an earlier change, e.g. a cut element
        out.append(source, copied, edit.offset - copied);
        out += edit.text;
        copied = edit.offset + edit.length;
    }
    out.append(source, copied, std::string::npos);
    return out;
}

}  // namespace Ostrel
