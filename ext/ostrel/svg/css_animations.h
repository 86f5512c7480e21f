#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ext/ostrel/svg/animated_svg.h"

namespace Ostrel {

// A parsed declaration block: trimmed names to trimmed values.
struct CssDeclarations {
    std::map<std::string, std::string> properties;
    std::string timing_function;  // the last "animation-timing-function"
};

// The keyframes of one block share its declarations: a block with many
// selectors is read once, not copied per selector.
struct CssKeyframe {
    double offset = 0;  // fraction of the cycle: "from" 0, "to" 1, "50%" 0.5
    std::shared_ptr<const CssDeclarations> declarations;
};

CssDeclarations parse_css_declarations(const std::string& text);

// One offset per selector of a keyframe ("from", "to", "50%"), in order.
std::vector<double> parse_keyframe_selectors(const std::string& text);

// Indices of the elements a simple selector (tag, "#id" or ".class") matches.
void css_selector_matches(const AnimatedSvg& doc, std::vector<int>& out,
                          const std::string& selector);

// The elements of a document by tag name, id and class word, sorted once,
// so that each rule finds its targets without a scan of every element. The
// index refers to the document's texts and must not outlive them.
class CssSelectorIndex {
public:
    explicit CssSelectorIndex(const AnimatedSvg& doc);
    // As css_selector_matches.
    void matches(const std::string& selector, std::vector<int>& out) const;

private:
    using Entry = std::pair<std::string_view, int>;  // sorted by text, then index
    std::vector<Entry> by_name_;
    std::vector<Entry> by_id_;
    std::vector<Entry> by_class_;
};

// "cubic-bezier(x1, y1, x2, y2)"; anything else is linear.
CubicBezier parse_cubic_bezier(const std::string& text);

}  // namespace Ostrel
