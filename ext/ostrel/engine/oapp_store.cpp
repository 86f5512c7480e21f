// Construction, registration and the state operations of the store.

#include <algorithm>
#include <utility>

#include "ext/ostrel/engine/oapp.h"

namespace Ostrel {

OApp::OApp() = default;
OApp::~OApp() = default;

void OApp::set_root(const std::string& name) {
    root_name = name;
}

void OApp::on_click(const std::string& path, ClickHandler handler) {
    click_handlers[path] = std::move(handler);
}

void OApp::on_change(const std::string& path, TextHandler handler) {
    change_handlers[path] = std::move(handler);
}

void OApp::on_select(const std::string& path, TextHandler handler) {
    select_handlers[path] = std::move(handler);
}

void OApp::on_row_action(const std::string& list, RowActionHandler handler) {
    row_action_handlers[list] = std::move(handler);
}

void OApp::on_rows(const std::string& list, RowsHook hook) {
    row_hooks[list] = std::move(hook);
}

void OApp::set_image(const std::string& path, const std::string& source) {
    if (source.empty()) {
        images.erase(path);
    } else {
        images[path] = source;
    }
}

void OApp::set_visible(const std::string& path, bool visible) {
    if (visible) {
        hidden.erase(path);
    } else {
        hidden.insert(path);
    }
}

void OApp::set_checked(const std::string& path, bool checked) {
    auto& words = node_states[path];
    if (checked) {
        words.insert("Checked");
    } else {
        words.erase("Checked");
    }
}

void OApp::toggle_state(const std::string& path, const std::string& word) {
    auto& words = node_states[path];
    if (!words.erase(word)) words.insert(word);
}

bool OApp::is_checked(const std::string& path) const {
    const auto it = node_states.find(path);
    return it != node_states.end() && it->second.count("Checked") > 0;
}

namespace {

std::string lookup(const std::map<std::string, std::string>& map, const std::string& key) {
    const auto it = map.find(key);
    return it == map.end() ? std::string() : it->second;
}

}  // namespace

std::string OApp::value(const std::string& path) const {
    return lookup(values, path);
}

std::string OApp::store_get(const std::string& key) const {
    return lookup(store, key);
}

void OApp::set_options(const std::string& path, std::vector<ComboOption> new_options) {
    // The selection survives when it is still one of the values, else falls
    // back to the first option (or "" for no options); no handler runs.
    auto& selected = selection[path];
    if (new_options.empty()) {
        selected.clear();
    } else {
        const bool kept =
            std::ranges::any_of(new_options, [&](const auto& o) { return o.value == selected; });
        if (!kept) selected = new_options.front().value;
    }
    options[path] = std::move(new_options);
}

void OApp::select_option(const std::string& path, const std::string& option_value) {
    const auto it = options.find(path);
    if (it == options.end()) return;
    const auto& choices = it->second;
    if (std::ranges::any_of(choices, [&](const auto& o) { return o.value == option_value; })) {
        selection[path] = option_value;
    }
}

void OApp::set_rows(const std::string& list, std::vector<ListEntry> new_rows) {
    auto& stored = rows[list];
    stored = std::move(new_rows);
    const auto hook = row_hooks.find(list);
    if (hook == row_hooks.end() || !hook->second) return;
    // A copy, so the hook may replace or remove itself while it runs.
    const RowsHook call = hook->second;
    call(stored);
}

}  // namespace Ostrel
