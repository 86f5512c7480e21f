// CSS: the text of every <style> element is read for keyframe sets and for
// rules with simple selectors whose declarations name an animation, a motion
// path or a static transform. There is no cascade, no specificity and no
// comment handling; nested rules are read like top-level ones.

#include "ext/ostrel/svg/css_animations.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "ext/ostrel/svg/css_scan.h"
#include "ext/ostrel/svg/number_text.h"
#include "ext/ostrel/svg/text_helpers.h"

namespace Ostrel {

namespace {

using KeyframeSets = std::map<std::string, std::vector<CssKeyframe>>;

double leading_number(const std::string& text) {
    const char* stop = nullptr;
    return read_number(text.c_str(), &stop);
}

std::string without_percent(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '%'), text.end());
    return text;
}

const std::string* find_property(const CssDeclarations& d, const std::string& name) {
    auto it = d.properties.find(name);
    return it != d.properties.end() ? &it->second : nullptr;
}

std::vector<double> matrix_numbers(const Matrix2D& m) {
    return {m.a, m.b, m.c, m.d, m.e, m.f};
}

Matrix2D translation(double x, double y) {
    return Matrix2D{1, 0, 0, 1, x, y};
}

KeyframeSets collect_keyframe_sets(const std::string& style, const BraceMatches& braces) {
    KeyframeSets sets;
    const std::vector<CssBlock> blocks = all_css_blocks(style);
    KeyframesHeader header;
    size_t from = 0;
    while (find_keyframes_header(style, from, header)) {
        from = header.brace + 1;
        const size_t close = braces.close_of(header.brace);
        if (close == std::string::npos) continue;
        std::vector<CssKeyframe> frames;
        auto block =
            std::lower_bound(blocks.begin(), blocks.end(), header.brace + 1,
                             [](const CssBlock& b, size_t at) { return b.selector_begin < at; });
        for (; block != blocks.end() && block->body_end < close; ++block) {
            const CssDeclarations decls = parse_css_declarations(
                style.substr(block->body_begin, block->body_end - block->body_begin));
            const std::string selectors =
                style.substr(block->selector_begin, block->selector_end - block->selector_begin);
            for (double offset : parse_keyframe_selectors(selectors)) {
                frames.push_back(CssKeyframe{offset, decls});
            }
        }
        if (!frames.empty()) {
            sets[style.substr(header.name_begin, header.name_end - header.name_begin)] =
                std::move(frames);
        }
    }
    return sets;
}

// Removes every keyframes block, as searching again from the start after
// each removal would, in one pass: the kept text grows in out while the rest
// is read in place from text. A removal can join the text around it into a
// new header only from the last "@" kept, since a header holds one "@" and
// the text before the cut held none; that "@" is tried first.
std::string remove_keyframe_blocks(const std::string& text, const BraceMatches& braces) {
    std::string out;
    std::vector<size_t> kept_ats;  // offsets of the "@"s in out, ascending
    size_t p = 0;                  // text[p..] follows out
    bool joined = false;
    KeyframesHeader header;
    for (;;) {
        bool in_joined = false;
        if (joined && !kept_ats.empty() &&
            match_joined_keyframes_header(out, text, p, kept_ats.back(), header) &&
            header.brace >= out.size()) {
            in_joined = true;
        } else if (!find_keyframes_header(text, p, header)) {
            break;
        }
        const size_t brace = in_joined ? header.brace - out.size() + p : header.brace;
        const size_t close = braces.close_of(brace);
        if (close == std::string::npos) break;
        if (in_joined) {
            out.resize(header.begin);
            while (!kept_ats.empty() && kept_ats.back() >= out.size()) kept_ats.pop_back();
        } else {
            for (size_t i = p; i < header.begin; ++i) {
                if (text[i] == '@') kept_ats.push_back(out.size() + (i - p));
            }
            out.append(text, p, header.begin - p);
        }
        p = close + 1;
        joined = true;
    }
    out.append(text, p, std::string::npos);
    return out;
}

struct AnimationSettings {
    std::string name;
    double duration_ms = 1000;
    bool repeat = false;
};

AnimationSettings animation_settings(const CssDeclarations& d, const KeyframeSets& sets) {
    AnimationSettings s;
    bool duration_set = false;
    if (const std::string* v = find_property(d, "animation-name")) s.name = *v;
    if (const std::string* v = find_property(d, "animation-duration")) {
        s.duration_ms = parse_css_time_ms(*v);
        duration_set = true;
    }
    if (const std::string* v = find_property(d, "animation-iteration-count")) {
        s.repeat = *v == "infinite";
    }
    const std::string* shorthand = find_property(d, "animation");
    if (shorthand == nullptr) shorthand = find_property(d, "-webkit-animation");
    if (shorthand == nullptr) return s;
    for (const std::string& token : split_trimmed(*shorthand, ' ')) {
        if (token == "infinite") {
            s.repeat = true;
        } else if (sets.count(token) != 0) {
            s.name = token;
        } else if (!duration_set && is_css_time_token(token)) {
            s.duration_ms = parse_css_time_ms(token);
            duration_set = true;
        }
    }
    return s;
}

std::vector<Point2D> offset_path_points(const CssDeclarations& d) {
    const std::string* value = find_property(d, "offset-path");
    if (value == nullptr) return {};
    const size_t open = value->find('(');
    const size_t close = value->rfind(')');
    if (open == std::string::npos || close == std::string::npos || open > close) return {};
    std::string inner = trim_blanks(value->substr(open + 1, close - open - 1));
    if (inner.size() > 1 && (inner.front() == '\'' || inner.front() == '"')) {
        inner = inner.substr(1, inner.size() - 2);
    }
    return parse_path_data(inner);
}

// A strict order even with NaN (sorted last), so sorting never misbehaves.
bool number_less(double l, double r) {
    if (std::isnan(l) || std::isnan(r)) return !std::isnan(l) && std::isnan(r);
    return l < r;
}

// Keyframes of one property, (offset, numbers), with the easing each one's
// timing function gives. The easings stay in written order: entry i eases the
// segment from the i-th sorted keyframe.
struct PropertyTrack {
    using Frame = std::pair<double, std::vector<double>>;
    std::vector<Frame> frames;
    std::vector<CubicBezier> easings;

    void add(const CssKeyframe& kf, std::vector<double> numbers) {
        frames.emplace_back(kf.offset, std::move(numbers));
        easings.push_back(parse_cubic_bezier(kf.declarations.timing_function));
    }

    // Equal offsets keep their written order.
    void sort_by_offset() {
        std::stable_sort(frames.begin(), frames.end(), [](const Frame& l, const Frame& r) {
            return number_less(l.first, r.first);
        });
    }

    void sort_by_offset_then_value() {
        std::stable_sort(frames.begin(), frames.end(), [](const Frame& l, const Frame& r) {
            if (number_less(l.first, r.first)) return true;
            if (number_less(r.first, l.first)) return false;
            return std::lexicographical_compare(l.second.begin(), l.second.end(), r.second.begin(),
                                                r.second.end(), number_less);
        });
    }

    Animation build(AnimationKind kind, const AnimationSettings& s) const {
        Animation anim;
        anim.kind = kind;
        anim.duration_ms = s.duration_ms;
        anim.repeat = s.repeat;
        for (const auto& frame : frames) {
            anim.key_times.push_back(frame.first);
            anim.key_values.push_back(frame.second);
        }
        anim.easings.assign(easings.begin(), easings.end() - 1);
        return anim;
    }
};

}  // namespace

CssDeclarations parse_css_declarations(const std::string& text) {
    CssDeclarations out;
    for (const std::string& piece : split_trimmed(text, ';')) {
        const size_t colon = piece.find(':');
        if (colon == std::string::npos) continue;
        const std::string name = trim_blanks(piece.substr(0, colon));
        const std::string value = trim_blanks(piece.substr(colon + 1));
        if (name == "animation-timing-function") out.timing_function = value;
        if (!name.empty()) out.properties[name] = value;
    }
    return out;
}

std::vector<double> parse_keyframe_selectors(const std::string& text) {
    std::vector<double> offsets;
    for (const std::string& piece : split_trimmed(text, ',')) {
        if (piece == "from") {
            offsets.push_back(0);
        } else if (piece == "to") {
            offsets.push_back(1);
        } else {
            offsets.push_back(leading_number(without_percent(piece)) / 100);
        }
    }
    return offsets;
}

void css_selector_matches(const AnimatedSvg& doc, std::vector<int>& out,
                          const std::string& selector) {
    out.clear();
    const std::string sel = trim_blanks(selector);
    if (sel.empty() || sel.find_first_of(" >,:") != std::string::npos) return;
    const std::string rest = sel.substr(1);
    for (size_t i = 0; i < doc.elements.size(); ++i) {
        const SvgElement& el = doc.elements[i];
        bool match = false;
        if (sel[0] == '#') {
            const SvgAttribute* id = el.find_attribute("id");
            match = id != nullptr && id->value == rest;
        } else if (sel[0] == '.') {
            const auto words = split_trimmed(el.attribute("class"), ' ');
            match = std::find(words.begin(), words.end(), rest) != words.end();
        } else {
            match = el.name == sel;
        }
        if (match) out.push_back(static_cast<int>(i));
    }
}

CubicBezier parse_cubic_bezier(const std::string& text) {
    CubicBezier easing;
    const size_t open = text.find('(');
    if (text.rfind("cubic-bezier", 0) != 0 || open == std::string::npos) return easing;
    const std::vector<double> n = parse_number_list(text.substr(open));
    if (n.size() == 4) easing = CubicBezier{n[0], n[1], n[2], n[3], true};
    return easing;
}

void AnimatedSvg::collect_css_animations() {
    std::string style;
    for (size_t i = 0; i < elements.size(); ++i) {
        if (elements[i].name != "style") continue;
        style += elements[i].text;
        style += '\n';
        stripped.push_back(static_cast<int>(i));
    }
    if (trim_blanks(style).empty()) return;

    const BraceMatches braces(style);
    const KeyframeSets sets = collect_keyframe_sets(style, braces);
    const std::string rules = remove_keyframe_blocks(style, braces);

    std::vector<int> targets;
    CssBlock block;
    size_t pos = 0;
    while (next_css_block(rules, pos, block)) {
        const std::string selector = trim_blanks(
            rules.substr(block.selector_begin, block.selector_end - block.selector_begin));
        const CssDeclarations decls = parse_css_declarations(
            rules.substr(block.body_begin, block.body_end - block.body_begin));
        css_selector_matches(*this, targets, selector);
        if (targets.empty()) continue;

        const AnimationSettings settings = animation_settings(decls, sets);
        const std::vector<Point2D> path_points = offset_path_points(decls);

        if (const std::string* transform = find_property(decls, "transform")) {
            Matrix2D to_origin;
            Matrix2D from_origin;
            if (const std::string* origin = find_property(decls, "transform-origin")) {
                const std::vector<double> o = parse_number_list(*origin);
                if (o.size() >= 2) {
                    to_origin = translation(o[0], o[1]);
                    from_origin = translation(-o[0], -o[1]);
                }
            }
            const Matrix2D m = Matrix2D::multiply(
                Matrix2D::multiply(to_origin, parse_transform_list(*transform)), from_origin);
            for (int target : targets) {
                Animation anim;
                anim.element = target;
                anim.kind = AnimationKind::Matrix;
                anim.timed = false;
                anim.key_times = {0, 1};
                anim.key_values = {matrix_numbers(m), matrix_numbers(m)};
                animations.push_back(std::move(anim));
            }
        }

        const auto set = sets.find(settings.name);
        if (settings.name.empty() || set == sets.end()) continue;

        const auto append_for_targets = [&](Animation anim) {
            for (int target : targets) {
                anim.element = target;
                animations.push_back(anim);
            }
        };

        if (!path_points.empty()) {
            PropertyTrack motion;
            for (const CssKeyframe& kf : set->second) {
                const std::string* distance = find_property(kf.declarations, "offset-distance");
                if (distance == nullptr) continue;
                motion.add(kf, {leading_number(without_percent(*distance)) / 100});
            }
            motion.sort_by_offset_then_value();
            if (motion.frames.size() >= 2) {
                Animation anim = motion.build(AnimationKind::Motion, settings);
                anim.path.points = path_points;
                anim.path.measure();
                append_for_targets(std::move(anim));
            }
        }

        PropertyTrack transforms;
        PropertyTrack opacity;
        for (const CssKeyframe& kf : set->second) {
            if (const std::string* value = find_property(kf.declarations, "transform")) {
                transforms.add(kf, matrix_numbers(parse_transform_list(*value)));
            }
        }
        for (const CssKeyframe& kf : set->second) {
            if (const std::string* value = find_property(kf.declarations, "opacity")) {
                opacity.add(kf, {leading_number(*value)});
            }
        }
        transforms.sort_by_offset();
        opacity.sort_by_offset_then_value();
        if (transforms.frames.size() >= 2) {
            append_for_targets(transforms.build(AnimationKind::Matrix, settings));
        }
        if (opacity.frames.size() >= 2) {
            append_for_targets(opacity.build(AnimationKind::Opacity, settings));
        }
    }
}

}  // namespace Ostrel
