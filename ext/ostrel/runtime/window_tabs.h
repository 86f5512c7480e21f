#pragma once

// A tab switcher over node paths: each tab is a button path, a page path and
// the state word that marks the selected button. Selecting moves the word to
// the new button, hides every other tab's page and shows the selected one,
// all by editing the state store. The switcher toggles the words, so no other
// code may set or clear them on tab buttons.

#include <memory>
#include <string>
#include <vector>

#include "ext/ostrel/engine/oapp.h"

namespace Ostrel {

struct WindowTab {
    std::string key;  // node path of the tab's button; unique per switcher
    std::string page;
    std::string state_word;
};

class WindowTabs {
public:
    // Held by shared pointer (std::make_shared): click handlers keep it alive.
    explicit WindowTabs(OApp* store) : app(store) {}

    OApp* app;                    // not owned
    std::vector<WindowTab> tabs;  // in the order of first addition
    std::string current;          // key of the selected tab; "" for none
    std::string previous;         // key that was current before the last select

    // Replaces the page and word of an existing key, else appends a tab.
    // Selects, hides and shows nothing.
    void add(const std::string& key, const std::string& page, const std::string& state_word);
    // Does nothing when key is current or no tab has it.
    void select(const std::string& key);
    // The tab with that key, or null.
    WindowTab* find(const std::string& key);
    // Hides the page unless the current tab shares it; true when the removed
    // tab was the current one, which leaves no tab current.
    bool remove(const std::string& key);
};

}  // namespace Ostrel
