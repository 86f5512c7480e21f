#include "ext/ostrel/runtime/window_tabs.h"

#include <algorithm>

namespace Ostrel {

void WindowTabs::add(const std::string& key, const std::string& page,
                     const std::string& state_word) {
    if (WindowTab* tab = find(key)) {
        tab->page = page;
        tab->state_word = state_word;
        return;
    }
    tabs.push_back(WindowTab{key, page, state_word});
}

void WindowTabs::select(const std::string& key) {
    const WindowTab* chosen = find(key);
    if (key == current || !chosen) return;
    if (const WindowTab* old = find(current)) app->toggle_state(old->key, old->state_word);
    app->toggle_state(chosen->key, chosen->state_word);
    previous = current;
    current = key;
    // Hide first, then show: a page shared by the old and the new tab stays.
    for (const WindowTab& tab : tabs) {
        if (tab.key != key) app->hidden.insert(tab.page);
    }
    for (const WindowTab& tab : tabs) {
        if (tab.key == key) app->hidden.erase(tab.page);
    }
}

WindowTab* WindowTabs::find(const std::string& key) {
    const auto it = std::find_if(tabs.begin(), tabs.end(),
                                 [&key](const WindowTab& tab) { return tab.key == key; });
    return it == tabs.end() ? nullptr : &*it;
}

bool WindowTabs::remove(const std::string& key) {
    const auto it = std::find_if(tabs.begin(), tabs.end(),
                                 [&key](const WindowTab& tab) { return tab.key == key; });
    if (it == tabs.end()) return false;
    const bool was_current = key == current;
    const WindowTab* shown = was_current ? nullptr : find(current);
    if (!shown || shown->page != it->page) app->hidden.insert(it->page);
    if (was_current) {
        app->toggle_state(it->key, it->state_word);
        current.clear();
    }
    tabs.erase(it);
    return was_current;
}

}  // namespace Ostrel
