// The one door through which user input reaches the application. The first
// matching event form decides; dispatch never renders.
//
// Every handler is called through a copy of the stored callable, so a
// handler may replace or remove its own registration while it runs.

#include <algorithm>
#include <string_view>

#include "ext/ostrel/engine/oapp.h"

namespace Ostrel {

namespace {

// Copies the path's handler out of the map; empty when absent or empty.
template <typename Map>
typename Map::mapped_type handler_for(const Map& handlers, const std::string& key) {
    const auto it = handlers.find(key);
    return it == handlers.end() ? typename Map::mapped_type() : it->second;
}

bool take_prefix(std::string_view event, std::string_view prefix, std::string& rest) {
    if (!event.starts_with(prefix)) return false;
    rest.assign(event.substr(prefix.size()));
    return true;
}

}  // namespace

void OApp::dispatch_event(const std::string& path, const std::string& event) {
    std::string arg;
    if (take_prefix(event, "input:", arg)) {
        values[path] = arg;
        if (auto handler = handler_for(change_handlers, path)) handler(arg);
        return;
    }
    if (take_prefix(event, "scan:", arg)) {
        if (auto handler = handler_for(scan_handlers, path)) handler(arg);
        return;
    }
    if (take_prefix(event, "scanstatus:", arg)) {
        if (auto handler = on_scan_status) handler(path, arg);
        return;
    }
    if (take_prefix(event, "select:", arg)) {
        const auto listed = options.find(path);
        if (listed == options.end()) return;
        const auto& choices = listed->second;
        if (std::ranges::none_of(choices, [&](const auto& o) { return o.value == arg; })) return;
        auto& selected = selection[path];
        if (selected == arg) return;
        selected = arg;
        if (auto handler = handler_for(select_handlers, path)) handler(arg);
        return;
    }
    if (event != "click") return;

    if (const auto row = theme_rows.find(path); row != theme_rows.end()) {
        const std::string theme = row->second;
        set_theme(theme);
        return;
    }
    if (const auto found = row_targets.find(path); found != row_targets.end()) {
        const RowTarget target = found->second;
        // A list with an entry (even an empty one) never falls back to the
        // default action.
        const auto listed = row_action_handlers.find(target.list);
        RowActionHandler handler =
            listed != row_action_handlers.end() ? listed->second : default_row_action;
        if (handler) handler(target.list, target.row, target.action);
        return;
    }
    if (check_boxes.count(path)) toggle_state(path, "Checked");
    if (auto handler = handler_for(click_handlers, path)) handler();
}

}  // namespace Ostrel
