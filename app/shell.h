#pragma once

// A configurator shell: the node paths of one configurator (site or
// project), its tab table, which tab and view are shown, the remembered
// state words of its text view's status bar and Save button, the callback
// that redraws its form from the file, and the editors that may hold
// unsaved text.

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace Ostrel {
class OApp;
}

namespace Scribenta {

// One editor whose unsaved text must not be dropped without asking.
struct ShellGuard {
    std::string name;             // shown in the "Discard changes?" question
    std::function<bool()> dirty;  // true while the editor holds unsaved text
};

// A tab: the button's name under `sidebar` and the panel's name under `panels`.
using ShellTab = std::pair<std::string, std::string>;

struct Shell {
    std::string base;
    std::string editor_panel;    // base + "/Editor Panel"
    std::string sidebar;         // editor_panel + "/Sidebar"
    std::string panels;          // editor_panel + "/Panels"
    std::string text_panel;      // base + "/Text Panel"
    std::string text_editor;     // text_panel + "/Text Editor"
    std::string status_bar;      // text_panel + "/Status Bar"
    std::string status_message;  // status_bar + "/Status Message"
    std::string save_button;     // status_bar + "/Save Button"
    std::vector<ShellTab> tabs;
    std::string current_tab;    // empty until the first select_tab
    std::string view_mode;      // empty until the first set_view_mode, then "editor" or "text"
    bool invalid = false;       // "Invalid" is on status_bar
    bool save_disabled = true;  // "Disabled" is on save_button
    std::function<void()> reload;
    // The reload for a redraw the editor makes of its own accord (another
    // program changed the file): file editors keep their unsaved text.
    // Empty: the plain reload.
    std::function<void()> redraw;
    std::vector<ShellGuard> guards;
};

// The shell of the configuration being shown; handlers that act on whichever
// configurator is on screen hold this and read it when they run. It does not
// own the shell: a shell's reload often reaches this holder (through the edit
// queue), and an owning pointer would make a cycle that is never freed. The
// shells are owned by the handlers registered on them.
struct CurrentShell {
    std::weak_ptr<Shell> shell;
};

// A shell with its nine paths derived from `base`; registers nothing.
std::shared_ptr<Shell> make_shell(const std::string& base);

// The tab tables of the two configurators, in order.
const std::vector<ShellTab>& site_shell_tabs();
const std::vector<ShellTab>& project_shell_tabs();

// Moves "Active" to the tab's button and shows only its panel. Selecting the
// current tab changes nothing.
void select_tab(Ostrel::OApp& app, Shell& shell, const std::string& tab);

// Registers a click handler on each tab button of the shell's table, in
// table order, running select_tab with that tab.
void wire_shell_tabs(Ostrel::OApp& app, const std::shared_ptr<Shell>& shell);

// The name of the first guard whose editor holds unsaved text, or "".
std::string first_dirty_guard(const Shell& shell);

}  // namespace Scribenta
