// Global state words that follow the window: width class, maximized state
// and the controls that slide away while scrolling a narrow window.

#include <cmath>

#include "ext/ostrel/engine/oapp.h"

namespace Ostrel {

namespace {

constexpr double kNarrowMax = 600;  // widths up to this are "Narrow"
constexpr double kMediumMax = 900;  // above narrow, up to this, "Medium"
constexpr double kScrollThreshold = 30;

// Puts the word in or takes it out; true when that changed anything.
bool set_word(std::set<std::string>& words, const std::string& word, bool present) {
    if ((words.count(word) > 0) == present) return false;
    if (present) {
        words.insert(word);
    } else {
        words.erase(word);
    }
    return true;
}

}  // namespace

bool OApp::is_narrow() const {
    return condition_tags.count("Narrow") > 0;
}

bool OApp::set_width_class(double width) {
    const bool narrow = width <= kNarrowMax;
    const bool medium = width > kNarrowMax && width <= kMediumMax;
    if (narrow == is_narrow() && medium == (condition_tags.count("Medium") > 0)) return false;
    if (narrow) {
        condition_tags.insert("Narrow");
    } else {
        // Hidden controls exist only in the narrow layout.
        condition_tags.erase("Narrow");
        condition_tags.erase("ControlsHidden");
        scroll_total = 0;
    }
    set_word(condition_tags, "Medium", medium);
    return true;
}

bool OApp::set_viewport_height(double height) {
    const double rounded = std::round(height);
    if (rounded == viewport_height) return false;
    viewport_height = rounded;
    // Stored either way; only a tree sized by the viewport needs a new render.
    return uses_viewport_height;
}

bool OApp::set_maximized(bool maximized) {
    return set_word(condition_tags, "Maximized", maximized);
}

bool OApp::set_controls_hidden(bool hidden_controls) {
    return set_word(condition_tags, "ControlsHidden", hidden_controls);
}

bool OApp::on_scroll(double delta) {
    if (!is_narrow()) return false;
    scroll_total += delta;
    if (scroll_total > kScrollThreshold) {
        scroll_total = 0;
        return set_controls_hidden(true);
    }
    if (scroll_total < -kScrollThreshold) {
        scroll_total = 0;
        return set_controls_hidden(false);
    }
    return false;
}

}  // namespace Ostrel
