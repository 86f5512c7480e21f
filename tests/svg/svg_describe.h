#pragma once

// Compact text forms of parsed records, so tests can list expected values as
// tables of strings.

#include <string>
#include <vector>

#include "ext/ostrel/svg/animated_svg.h"
#include "ext/ostrel/svg/number_text.h"

namespace svg_test {

inline std::string numbers(const std::vector<double>& v, const char* sep = " ") {
    std::string out;
    for (size_t i = 0; i < v.size(); ++i) {
        if (i > 0) out += sep;
        out += Ostrel::format_number(v[i]);
    }
    return out;
}

inline std::string points(const std::vector<Ostrel::Point2D>& pts) {
    std::string out;
    for (const auto& p : pts) {
        if (!out.empty()) out += ' ';
        out += "(" + Ostrel::format_number(p.first) + "," + Ostrel::format_number(p.second) + ")";
    }
    return out;
}

// "name parent [children] start..end @insert_at {attr='value'@start:end ...} text"
inline std::string element(const Ostrel::SvgElement& el) {
    std::string out = el.name + " " + std::to_string(el.parent) + " [";
    for (size_t i = 0; i < el.children.size(); ++i) {
        if (i > 0) out += ',';
        out += std::to_string(el.children[i]);
    }
    out += "] " + std::to_string(el.start) + ".." + std::to_string(el.end) + " @" +
           std::to_string(el.insert_at) + " {";
    for (size_t i = 0; i < el.attributes.size(); ++i) {
        const auto& a = el.attributes[i];
        if (i > 0) out += ' ';
        out += a.name + "='" + a.value + "'@" + std::to_string(a.value_start) + ":" +
               std::to_string(a.value_end);
    }
    out += "}";
    if (!el.text.empty()) out += " '" + el.text + "'";
    return out;
}

inline std::vector<std::string> elements(const Ostrel::AnimatedSvg& doc) {
    std::vector<std::string> out;
    for (const auto& el : doc.elements) out.push_back(element(el));
    return out;
}

inline const char* kind_name(Ostrel::AnimationKind kind) {
    static const char* const names[] = {"Rotate", "Translate", "Scale",           "Matrix",
                                        "Motion", "Opacity",   "NumericAttribute"};
    return names[static_cast<int>(kind)];
}

// "element kind[:attribute] t=[times] v=[a b;c d] dur repeat|once [additive base]
//  [static] [ease=[x1 y1 x2 y2|linear;...]]"
inline std::string animation(const Ostrel::Animation& a) {
    std::string out = std::to_string(a.element) + " " + kind_name(a.kind);
    if (!a.attribute.empty()) out += ":" + a.attribute;
    out += " t=[" + numbers(a.key_times, ",") + "] v=[";
    for (size_t i = 0; i < a.key_values.size(); ++i) {
        if (i > 0) out += ';';
        out += numbers(a.key_values[i]);
    }
    out += "] " + Ostrel::format_number(a.duration_ms) + (a.repeat ? " repeat" : " once");
    if (a.additive) out += " additive " + Ostrel::format_matrix(a.base);
    if (!a.timed) out += " static";
    if (!a.easings.empty()) {
        out += " ease=[";
        for (size_t i = 0; i < a.easings.size(); ++i) {
            const auto& e = a.easings[i];
            if (i > 0) out += ';';
            out += e.enabled ? numbers({e.x1, e.y1, e.x2, e.y2}) : "linear";
        }
        out += "]";
    }
    return out;
}

inline std::vector<std::string> animations(const Ostrel::AnimatedSvg& doc) {
    std::vector<std::string> out;
    for (const auto& a : doc.animations) out.push_back(animation(a));
    return out;
}

}  // namespace svg_test
