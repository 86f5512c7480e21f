// SMIL: "animate" and "animateTransform" elements animate their parent. Only
// values, from/to/by, dur, repeatCount, keyTimes, spline easing and additive
// sums are understood; other SMIL timing is not.

#include "ext/ostrel/svg/smil_animations.h"

#include <cstdlib>
#include <map>
#include <set>
#include <string_view>

#include "ext/ostrel/svg/animated_svg.h"
#include "ext/ostrel/svg/animation_limits.h"
#include "ext/ostrel/svg/number_text.h"
#include "ext/ostrel/svg/text_helpers.h"

namespace Ostrel {

bool is_numeric_svg_attribute(const std::string& name) {
    static const std::set<std::string> names = {"x",
                                                "y",
                                                "width",
                                                "height",
                                                "cx",
                                                "cy",
                                                "r",
                                                "rx",
                                                "ry",
                                                "x1",
                                                "y1",
                                                "x2",
                                                "y2",
                                                "stroke-width",
                                                "stroke-dashoffset",
                                                "offset",
                                                "fill-opacity",
                                                "stroke-opacity"};
    return names.count(name) != 0;
}

namespace {

AnimationKind transform_kind(const std::string& type) {
    if (type == "scale") return AnimationKind::Scale;
    if (type == "translate") return AnimationKind::Translate;
    return AnimationKind::Rotate;
}

// The kind an animation element drives; false when it drives nothing known.
bool animation_kind(const SvgElement& el, AnimationKind& kind, std::string& attribute) {
    if (el.name == "animateTransform") {
        kind = transform_kind(el.attribute("type"));
        return true;
    }
    const std::string target = el.attribute("attributeName");
    if (target == "transform") {
        kind = transform_kind(el.attribute("type"));
        return true;
    }
    if (target == "opacity") {
        kind = AnimationKind::Opacity;
        return true;
    }
    if (is_numeric_svg_attribute(target)) {
        kind = AnimationKind::NumericAttribute;
        attribute = target;
        return true;
    }
    return false;
}

// How many keyframes keyframe_values reads, counted without reading a number.
size_t keyframe_count(const SvgElement& el) {
    const SvgAttribute* values = el.find_attribute("values");
    if (values != nullptr && !values->value.empty()) {
        size_t count = 0;
        for_each_trimmed_piece(values->value, ';', [&](std::string_view) { ++count; });
        return count;
    }
    const bool has_end = el.find_attribute("to") != nullptr || el.find_attribute("by") != nullptr;
    return el.find_attribute("from") != nullptr && has_end ? 2 : 0;
}

std::vector<std::vector<double>> keyframe_values(const SvgElement& el) {
    std::vector<std::vector<double>> frames;
    const std::string values = el.attribute("values");
    if (!values.empty()) {
        for (const std::string& piece : split_trimmed(values, ';')) {
            frames.push_back(parse_number_list(piece));
        }
    } else if (el.find_attribute("from") != nullptr && el.find_attribute("to") != nullptr) {
        frames.push_back(parse_number_list(el.attribute("from")));
        frames.push_back(parse_number_list(el.attribute("to")));
    } else if (el.find_attribute("from") != nullptr && el.find_attribute("by") != nullptr) {
        std::vector<double> from = parse_number_list(el.attribute("from"));
        const std::vector<double> by = parse_number_list(el.attribute("by"));
        std::vector<double> to = from;
        for (size_t i = 0; i < to.size() && i < by.size(); ++i) to[i] = from[i] + by[i];
        frames.push_back(std::move(from));
        frames.push_back(std::move(to));
    }
    return frames;
}

std::vector<double> key_times(const SvgElement& el, size_t frame_count) {
    std::vector<double> times;
    const std::string text = el.attribute("keyTimes");
    if (!text.empty()) {
        for (const std::string& piece : split_trimmed(text, ';')) {
            const char* stop = nullptr;
            times.push_back(read_number(piece.c_str(), &stop));
        }
    }
    if (times.size() != frame_count) {
        times.clear();
        for (size_t i = 0; i < frame_count; ++i) {
            times.push_back(static_cast<double>(i) / static_cast<double>(frame_count - 1));
        }
    }
    return times;
}

std::vector<CubicBezier> spline_easings(const SvgElement& el) {
    std::vector<CubicBezier> easings;
    if (el.attribute("calcMode") != "spline") return easings;
    for (const std::string& piece : split_trimmed(el.attribute("keySplines"), ';')) {
        const std::vector<double> n = parse_number_list(piece);
        CubicBezier easing;
        if (n.size() == 4) easing = CubicBezier{n[0], n[1], n[2], n[3], true};
        easings.push_back(easing);
    }
    return easings;
}

}  // namespace

void AnimatedSvg::collect_smil_animations() {
    AnimationBudget budget(animations);
    // The transform an additive animation adds to is read once per element,
    // however many animations add to it: a long transform under thousands of
    // them would otherwise be read thousands of times.
    std::map<int, Matrix2D> bases;
    const auto base_of = [&](int element) {
        const auto found = bases.find(element);
        if (found != bases.end()) return found->second;
        const Matrix2D base = parse_transform_list(elements[element].attribute("transform"));
        bases.emplace(element, base);
        return base;
    };
    for (size_t index = 0; index < elements.size(); ++index) {
        const SvgElement& el = elements[index];
        if ((el.name != "animate" && el.name != "animateTransform") || el.parent == -1) continue;
        Animation anim;
        anim.element = el.parent;
        if (!animation_kind(el, anim.kind, anim.attribute)) continue;
        stripped.push_back(static_cast<int>(index));
        const size_t frames = keyframe_count(el);
        if (frames < 2) continue;
        // One that admit would refuse is refused before its numbers are read.
        if (budget.refuses(frames)) {
            over_budget = true;
            return;
        }
        anim.duration_ms = parse_css_time_ms(el.attribute("dur"));
        anim.repeat = el.attribute("repeatCount") == "indefinite";
        anim.additive = el.attribute("additive") == "sum";
        if (anim.additive) anim.base = base_of(el.parent);
        anim.key_values = keyframe_values(el);
        anim.key_times = key_times(el, anim.key_values.size());
        anim.easings = spline_easings(el);
        if (!budget.admit(anim)) {
            over_budget = true;
            return;
        }
        animations.push_back(std::move(anim));
    }
}

}  // namespace Ostrel
