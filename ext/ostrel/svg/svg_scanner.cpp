// The markup scanner: reads start tags, attributes, end tags and character
// data by plain character search. It decodes no entities, checks no nesting
// (an end tag closes the innermost open element whatever its name) and never
// fails: markup that cannot be read ends the scan, keeping what was read.

#include <algorithm>
#include <cstdio>

#include "ext/ostrel/svg/animated_svg.h"
#include "ext/ostrel/svg/number_text.h"

namespace Ostrel {

const SvgAttribute* SvgElement::find_attribute(const std::string& attr_name) const {
    for (const SvgAttribute& attr : attributes) {
        if (attr.name == attr_name) return &attr;
    }
    return nullptr;
}

std::string SvgElement::attribute(const std::string& attr_name) const {
    const SvgAttribute* attr = find_attribute(attr_name);
    return attr != nullptr ? attr->value : std::string();
}

std::unique_ptr<AnimatedSvg> AnimatedSvg::parse(const std::string& svg) {
    auto doc = std::make_unique<AnimatedSvg>();
    doc->source = svg;
    doc->scan_elements();
    doc->collect_smil_animations();
    if (!doc->over_budget) doc->collect_css_animations();
    if (doc->over_budget) {
        // Played in part it would show something its author never drew, so
        // it shows as written; what was collected is released at once.
        std::vector<Animation>().swap(doc->animations);
        std::vector<int>().swap(doc->stripped);
        std::fputs("AnimatedSvg: animations over budget, showing the static picture\n", stderr);
    }
    doc->animated = std::any_of(doc->animations.begin(), doc->animations.end(),
                                [](const Animation& a) { return a.timed; });
    return doc;
}

bool AnimatedSvg::is_animated(const std::unique_ptr<AnimatedSvg>& doc) {
    return doc != nullptr && doc->animated;
}

std::string AnimatedSvg::frame_text(const std::unique_ptr<AnimatedSvg>& doc, double t_ms) {
    return doc != nullptr ? doc->render_frame(t_ms) : std::string();
}

void AnimatedSvg::scan_elements() {
    const std::string& s = source;
    const size_t n = s.size();
    std::vector<int> open;
    size_t p = 0;
    while (p < n) {
        if (s[p] != '<') {
            const size_t lt = s.find('<', p);
            if (lt == std::string::npos) break;
            if (!open.empty()) elements[open.back()].text.append(s, p, lt - p);
            p = lt;
            continue;
        }
        if (s.compare(p, 4, "<!--") == 0) {
            const size_t close = s.find("-->", p);
            if (close == std::string::npos) break;
            p = close + 3;
            continue;
        }
        if (s.compare(p, 9, "<![CDATA[") == 0) {
            const size_t close = s.find("]]>", p);
            const size_t body_end = close == std::string::npos ? n : close;
            if (!open.empty()) elements[open.back()].text.append(s, p + 9, body_end - (p + 9));
            if (close == std::string::npos) break;
            p = close + 3;
            continue;
        }
        const char next = p + 1 < n ? s[p + 1] : '\0';
        const size_t gt = s.find('>', p);
        if (next == '?' || next == '!') {
            if (gt == std::string::npos) break;
            p = gt + 1;
            continue;
        }
        if (next == '/') {
            if (!open.empty()) {
                elements[open.back()].end = gt == std::string::npos ? n : gt + 1;
                open.pop_back();
            }
            if (gt == std::string::npos) break;
            p = gt + 1;
            continue;
        }
        if (gt == std::string::npos) break;
        const bool self_closing = gt > p + 1 && s[gt - 1] == '/';
        p = parse_start_tag(p, gt, self_closing, open);
    }
}

size_t AnimatedSvg::parse_start_tag(size_t lt, size_t gt, bool self_closing,
                                    std::vector<int>& open) {
    const std::string& s = source;
    SvgElement el;
    size_t i = lt + 1;
    while (i < gt && !is_classic_space(s[i]) && s[i] != '>' && s[i] != '/') ++i;
    el.name = s.substr(lt + 1, i - (lt + 1));
    el.insert_at = i;

    while (i < gt) {
        const char c = s[i];
        if (is_classic_space(c) || c == '/') {
            ++i;
            continue;
        }
        if (c == '>') break;
        const size_t name_begin = i;
        while (i < gt && s[i] != '=' && !is_classic_space(s[i]) && s[i] != '>') ++i;
        SvgAttribute attr;
        attr.name = s.substr(name_begin, i - name_begin);
        while (i < gt && is_classic_space(s[i])) ++i;
        if (i < gt && s[i] == '=') {
            ++i;
            while (i < gt && is_classic_space(s[i])) ++i;
            if (i < gt && (s[i] == '"' || s[i] == '\'')) {
                const char quote = s[i];
                const size_t value_start = i + 1;
                // The tag ended at its first ">", so an unclosed quote ends there.
                const size_t value_end = static_cast<size_t>(
                    std::find(s.begin() + value_start, s.begin() + gt, quote) - s.begin());
                attr.value = s.substr(value_start, value_end - value_start);
                attr.value_start = value_start;
                attr.value_end = value_end;
                i = value_end < gt ? value_end + 1 : gt;
            }
        }
        if (!attr.name.empty()) el.attributes.push_back(std::move(attr));
    }

    const int index = static_cast<int>(elements.size());
    el.parent = open.empty() ? -1 : open.back();
    if (el.parent >= 0) elements[el.parent].children.push_back(index);
    el.start = lt;
    el.end = self_closing ? gt + 1 : 0;
    elements.push_back(std::move(el));
    if (!self_closing) open.push_back(index);
    return gt + 1;
}

}  // namespace Ostrel
