// CSS: the text of every <style> element is read for keyframe sets and for
// rules with simple selectors whose declarations name an animation, a motion
// path or a static transform. There is no cascade, no specificity and no
// comment handling; nested rules are read like top-level ones.

#include "ext/ostrel/svg/css_animations.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "ext/ostrel/svg/animation_limits.h"
#include "ext/ostrel/svg/css_scan.h"
#include "ext/ostrel/svg/number_text.h"
#include "ext/ostrel/svg/text_helpers.h"

namespace Ostrel {

namespace {

// Found by views too (std::less<>), so that the words of a shorthand are
// looked up without a copy each.
using KeyframeSets = std::map<std::string, std::vector<CssKeyframe>, std::less<>>;

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

// The later set of a name wins unless its body holds no keyframe, so the
// headers are read from the last: a name is settled by the first body met
// that holds one, and earlier sets of that name are never built. The blocks
// of a body are a run of the sheet's blocks, and how many keyframes it holds
// is a difference of running counts, so no body is walked to learn that.
// Blocks are read once however many sets hold them (sets can nest), and the
// sets together hold at most kMaxKeyframes keyframes (each block without one
// counts as one too); over_budget is set when they would hold more.
KeyframeSets collect_keyframe_sets(const std::string& style, const BraceMatches& braces,
                                   bool& over_budget) {
    const std::vector<CssBlock> blocks = all_css_blocks(style);
    const auto selectors = [&](size_t i) {
        return std::string_view(style).substr(blocks[i].selector_begin,
                                              blocks[i].selector_end - blocks[i].selector_begin);
    };
    std::vector<size_t> before(blocks.size() + 1, 0);  // keyframes in the blocks before i
    for (size_t i = 0; i < blocks.size(); ++i) {
        size_t count = 0;
        for_each_trimmed_piece(selectors(i), ',', [&](std::string_view) { ++count; });
        before[i + 1] = before[i] + count;
    }

    struct Body {
        size_t name_begin, name_end;
        size_t first, last;  // its blocks: [first, last)
    };
    std::vector<Body> bodies;
    KeyframesHeader header;
    size_t from = 0;
    while (find_keyframes_header(style, from, header)) {
        from = header.brace + 1;
        const size_t close = braces.close_of(header.brace);
        if (close == std::string::npos) continue;
        const auto first =
            std::lower_bound(blocks.begin(), blocks.end(), header.brace + 1,
                             [](const CssBlock& b, size_t at) { return b.selector_begin < at; });
        const auto last =
            std::lower_bound(first, blocks.end(), close,
                             [](const CssBlock& b, size_t at) { return b.body_end < at; });
        bodies.push_back(Body{header.name_begin, header.name_end,
                              static_cast<size_t>(first - blocks.begin()),
                              static_cast<size_t>(last - blocks.begin())});
    }

    KeyframeSets sets;
    std::vector<std::shared_ptr<const CssDeclarations>> declarations(blocks.size());
    size_t budget = kMaxKeyframes;
    // Takes n from the budget; false, and over budget, when it holds less.
    const auto take = [&](size_t n) {
        if (n > budget) over_budget = true;
        if (over_budget) return false;
        budget -= n;
        return true;
    };
    for (auto body = bodies.rbegin(); body != bodies.rend(); ++body) {
        if (before[body->last] == before[body->first]) continue;  // no keyframe: no effect
        std::string name = style.substr(body->name_begin, body->name_end - body->name_begin);
        if (sets.count(name) != 0) continue;
        std::vector<CssKeyframe>& frames = sets[std::move(name)];
        for (size_t i = body->first; i < body->last; ++i) {
            if (!take(std::max<size_t>(before[i + 1] - before[i], 1))) return {};
            if (before[i + 1] == before[i]) continue;
            if (!declarations[i]) {
                const CssBlock& b = blocks[i];
                declarations[i] = std::make_shared<const CssDeclarations>(
                    parse_css_declarations(style.substr(b.body_begin, b.body_end - b.body_begin)));
            }
            for (double offset : parse_keyframe_selectors(std::string(selectors(i)))) {
                frames.push_back(CssKeyframe{offset, declarations[i]});
            }
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
    for_each_trimmed_piece(*shorthand, ' ', [&](std::string_view token) {
        if (token == "infinite") {
            s.repeat = true;
        } else if (sets.find(token) != sets.end()) {
            s.name = token;
        } else if (!duration_set && is_css_time_token(std::string(token))) {
            s.duration_ms = parse_css_time_ms(std::string(token));
            duration_set = true;
        }
    });
    return s;
}

// The measured "offset-path" of a rule; null when it gives no point.
std::shared_ptr<const MotionPath> offset_path(const CssDeclarations& d) {
    const std::string* value = find_property(d, "offset-path");
    if (value == nullptr) return nullptr;
    const size_t open = value->find('(');
    const size_t close = value->rfind(')');
    if (open == std::string::npos || close == std::string::npos || open > close) return nullptr;
    std::string inner = trim_blanks(value->substr(open + 1, close - open - 1));
    if (inner.size() > 1 && (inner.front() == '\'' || inner.front() == '"')) {
        inner = inner.substr(1, inner.size() - 2);
    }
    auto path = std::make_shared<MotionPath>();
    path->points = parse_path_data(inner);
    if (path->points.empty()) return nullptr;
    path->measure();
    return path;
}

// The non-timed Matrix animation of a rule's "transform", about its
// "transform-origin" when that gives two numbers.
Animation static_transform(const std::string& transform, const CssDeclarations& d) {
    Matrix2D to_origin;
    Matrix2D from_origin;
    if (const std::string* origin = find_property(d, "transform-origin")) {
        const std::vector<double> o = parse_number_list(*origin);
        if (o.size() >= 2) {
            to_origin = translation(o[0], o[1]);
            from_origin = translation(-o[0], -o[1]);
        }
    }
    const Matrix2D m = Matrix2D::multiply(
        Matrix2D::multiply(to_origin, parse_transform_list(transform)), from_origin);
    Animation anim;
    anim.kind = AnimationKind::Matrix;
    anim.timed = false;
    anim.key_times = {0, 1};
    anim.key_values = {matrix_numbers(m), matrix_numbers(m)};
    return anim;
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

    void add(const CssKeyframe& kf, std::vector<double> numbers, const CubicBezier& easing) {
        frames.emplace_back(kf.offset, std::move(numbers));
        easings.push_back(easing);
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

// The tracks of one keyframe set, built once however many rules name it.
// The keyframes of one block share their declarations, whose values are
// read once for all of them.
struct SetTracks {
    PropertyTrack motion;
    PropertyTrack transforms;
    PropertyTrack opacity;
};

SetTracks build_set_tracks(const std::vector<CssKeyframe>& keyframes) {
    struct Read {
        std::optional<double> distance;
        std::optional<std::vector<double>> transform;
        std::optional<double> opacity;
        CubicBezier easing;
    };
    SetTracks tracks;
    const CssDeclarations* last = nullptr;
    Read read;
    for (const CssKeyframe& kf : keyframes) {
        if (kf.declarations.get() != last) {
            last = kf.declarations.get();
            const CssDeclarations& d = *last;
            read = Read{};
            if (const std::string* v = find_property(d, "offset-distance")) {
                read.distance = leading_number(without_percent(*v)) / 100;
            }
            if (const std::string* v = find_property(d, "transform")) {
                read.transform = matrix_numbers(parse_transform_list(*v));
            }
            if (const std::string* v = find_property(d, "opacity")) {
                read.opacity = leading_number(*v);
            }
            read.easing = parse_cubic_bezier(d.timing_function);
        }
        if (read.distance) tracks.motion.add(kf, {*read.distance}, read.easing);
        if (read.transform) tracks.transforms.add(kf, *read.transform, read.easing);
        if (read.opacity) tracks.opacity.add(kf, {*read.opacity}, read.easing);
    }
    tracks.motion.sort_by_offset_then_value();
    tracks.transforms.sort_by_offset();
    tracks.opacity.sort_by_offset_then_value();
    return tracks;
}

}  // namespace

CssDeclarations parse_css_declarations(const std::string& text) {
    CssDeclarations out;
    for_each_trimmed_piece(text, ';', [&](std::string_view piece) {
        const size_t colon = piece.find(':');
        if (colon == std::string_view::npos) return;
        const std::string_view name = trim_blank_view(piece.substr(0, colon));
        const std::string_view value = trim_blank_view(piece.substr(colon + 1));
        if (name == "animation-timing-function") out.timing_function = value;
        if (!name.empty()) out.properties[std::string(name)] = value;
    });
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

CssSelectorIndex::CssSelectorIndex(const AnimatedSvg& doc) {
    by_name_.reserve(doc.elements.size());
    for (size_t i = 0; i < doc.elements.size(); ++i) {
        const SvgElement& el = doc.elements[i];
        const int index = static_cast<int>(i);
        by_name_.emplace_back(el.name, index);
        if (const SvgAttribute* id = el.find_attribute("id")) by_id_.emplace_back(id->value, index);
        if (const SvgAttribute* cls = el.find_attribute("class")) {
            for_each_trimmed_piece(cls->value, ' ', [&](std::string_view word) {
                by_class_.emplace_back(word, index);
            });
        }
    }
    std::sort(by_name_.begin(), by_name_.end());
    std::sort(by_id_.begin(), by_id_.end());
    std::sort(by_class_.begin(), by_class_.end());
}

void CssSelectorIndex::matches(const std::string& selector, std::vector<int>& out) const {
    out.clear();
    const std::string sel = trim_blanks(selector);
    if (sel.empty() || sel.find_first_of(" >,:") != std::string::npos) return;
    const std::vector<Entry>* entries = &by_name_;
    std::string_view key = sel;
    if (sel[0] == '#' || sel[0] == '.') {
        entries = sel[0] == '#' ? &by_id_ : &by_class_;
        key.remove_prefix(1);
    }
    auto at = std::lower_bound(entries->begin(), entries->end(), Entry{key, -1});
    for (; at != entries->end() && at->first == key; ++at) {
        // An element whose class names a word twice counts once.
        if (out.empty() || out.back() != at->second) out.push_back(at->second);
    }
}

void css_selector_matches(const AnimatedSvg& doc, std::vector<int>& out,
                          const std::string& selector) {
    CssSelectorIndex(doc).matches(selector, out);
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
    const KeyframeSets sets = collect_keyframe_sets(style, braces, over_budget);
    if (over_budget) return;
    const std::string rules = remove_keyframe_blocks(style, braces);
    std::optional<CssSelectorIndex> index;  // built for the first rule that animates
    std::map<std::string, SetTracks> tracks_of_set;
    AnimationBudget budget(animations);

    // One animation per target; false, and the document over budget, once
    // it is full.
    const auto append_for_targets = [&](Animation anim, const std::vector<int>& targets) {
        for (int target : targets) {
            anim.element = target;
            if (!budget.admit(anim)) {
                over_budget = true;
                return false;
            }
            animations.push_back(anim);
        }
        return true;
    };

    std::vector<int> targets;
    CssBlock block;
    size_t pos = 0;
    while (next_css_block(rules, pos, block)) {
        // What a rule would animate is read first: one that animates nothing
        // is never matched, as matching every such rule against every element
        // would cost their product. Only "transform" and the animation
        // properties animate, so a block naming neither is not even parsed.
        const std::string_view body =
            std::string_view(rules).substr(block.body_begin, block.body_end - block.body_begin);
        if (body.find("transform") == std::string_view::npos &&
            body.find("animation") == std::string_view::npos) {
            continue;
        }
        const CssDeclarations decls = parse_css_declarations(std::string(body));
        const AnimationSettings settings = animation_settings(decls, sets);
        const std::string* transform = find_property(decls, "transform");
        const SetTracks* tracks = nullptr;
        if (const auto set = sets.find(settings.name);
            !settings.name.empty() && set != sets.end()) {
            auto built = tracks_of_set.find(set->first);
            if (built == tracks_of_set.end()) {
                built = tracks_of_set.emplace(set->first, build_set_tracks(set->second)).first;
            }
            tracks = &built->second;
        }
        const bool moves = tracks != nullptr && tracks->motion.frames.size() >= 2;
        const bool turns = tracks != nullptr && tracks->transforms.frames.size() >= 2;
        const bool fades = tracks != nullptr && tracks->opacity.frames.size() >= 2;
        const std::shared_ptr<const MotionPath> path = moves ? offset_path(decls) : nullptr;
        if (transform == nullptr && path == nullptr && !turns && !fades) continue;

        if (!index) index.emplace(*this);
        index->matches(
            rules.substr(block.selector_begin, block.selector_end - block.selector_begin), targets);
        if (targets.empty()) continue;
        if (transform != nullptr &&
            !append_for_targets(static_transform(*transform, decls), targets)) {
            return;
        }
        if (path != nullptr) {
            Animation anim = tracks->motion.build(AnimationKind::Motion, settings);
            anim.path = path;
            if (!append_for_targets(std::move(anim), targets)) return;
        }
        if (turns && !append_for_targets(tracks->transforms.build(AnimationKind::Matrix, settings),
                                         targets)) {
            return;
        }
        if (fades &&
            !append_for_targets(tracks->opacity.build(AnimationKind::Opacity, settings), targets)) {
            return;
        }
    }
}

}  // namespace Ostrel
