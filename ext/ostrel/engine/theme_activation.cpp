// Registering, activating and removing themes, and writing the active one
// into the layer style "Theme".

#include "ext/ostrel/engine/theme_activation.h"

#include "ext/ostrel/layers/layers.h"

namespace Ostrel {

void apply_theme(OApp& /*app*/, const ThemeInfo& theme) {
    auto* style = dynamic_cast<Layers::LStyle*>(Layers::find(Layers::registry(), "Theme"));
    if (style == nullptr) return;
    for (const ThemeVar& entry : default_theme_variables()) {
        Layers::LAttribute* attribute = style->attribute(entry.name);
        if (attribute == nullptr) continue;
        // A variable the theme has wins whatever its kind, an empty one too.
        const Layers::LValue* own = theme.find_var(entry.name);
        attribute->set_value(own != nullptr ? *own : entry.value);
    }
}

std::string OApp::load_theme_file(const std::string& text) {
    ThemeInfo info;
    if (!parse_theme_json(text, info)) return "";
    const std::string name = info.display_name();
    ThemeInfo& stored = themes[name] = std::move(info);
    // Reloading the active theme shows its new colours at once.
    if (name == theme_name) apply_theme(*this, stored);
    return name;
}

bool OApp::set_theme(const std::string& display_name) {
    const auto found = themes.find(display_name);
    if (found == themes.end()) return false;
    apply_theme(*this, found->second);
    set_theme_name(display_name);
    return true;
}

void OApp::set_theme_name(const std::string& display_name) {
    const bool changed = display_name != theme_name;
    theme_name = display_name;
    if (!changed || !theme_persist) return;
    // A copy, so the hook may replace or remove itself while it runs.
    const ThemePersistHook persist = theme_persist;
    persist(theme_name);
}

bool OApp::remove_theme(const std::string& display_name) {
    // A copy: the caller may pass theme_name itself, which switching changes.
    const std::string name = display_name;
    const auto found = themes.find(name);
    if (found == themes.end() || themes.size() == 1) return false;
    if (name == theme_name) {
        // The first other theme by display name takes over before this one goes.
        const auto next = themes.begin() != found ? themes.begin() : std::next(found);
        apply_theme(*this, next->second);
        set_theme_name(next->first);
    }
    themes.erase(name);
    return true;
}

}  // namespace Ostrel
