#pragma once

// The framework's state store and handler registry. Everything per node is
// keyed by node path ("App/Window/Panel"); row lists by their list key. The
// application edits these maps, the engine renders them, and platform
// services reach both only through the function slots below.

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "ext/ostrel/engine/list_entry.h"
#include "ext/ostrel/engine/node_style.h"
#include "ext/ostrel/engine/patch.h"
#include "ext/ostrel/engine/render_node.h"
#include "ext/ostrel/engine/row_target.h"
#include "ext/ostrel/engine/theme_info.h"
#include "ext/ostrel/runtime/services.h"

namespace Ostrel {

// Handlers and hooks. An empty callable holds nothing and is never called.
using ClickHandler = std::function<void()>;
using TextHandler = std::function<void(const std::string& text)>;
using RowActionHandler =
    std::function<void(const std::string& list, const std::string& row, const std::string& action)>;
using RowsHook = std::function<void(const std::vector<ListEntry>& rows)>;
using ScanStatusHandler = std::function<void(const std::string& path, const std::string& status)>;
using ThemePersistHook = std::function<void(const std::string& theme_name)>;
using StorePersistHook = std::function<void(const std::string& key, const std::string& value)>;
// Asked when the user closes the main window; false keeps it open.
using CloseRequestHook = std::function<bool()>;

// Callbacks handed to the services.
using Callback = std::function<void()>;
using HttpCallback = std::function<void(const HttpResponse&)>;
using UploadCallback = std::function<void(const UploadResult&)>;
using PathCallback = std::function<void(const std::string& path)>;
using LineCallback = std::function<void(const std::string& line)>;
using ExitCallback = std::function<void(int exit_code)>;
using SavedCallback = std::function<void(bool saved)>;

// Service slots; the desktop runtime installs them.
using HttpService = std::function<void(const HttpRequest& request, HttpCallback done)>;
using UploadService = std::function<void(
    const std::string& method, const std::string& accept, const std::string& url,
    const std::vector<HeaderPair>& headers, const std::string& field_name, UploadCallback done)>;
using PickService = std::function<void(const PickRequest& request, PathCallback done)>;
using UrlService = std::function<void(const std::string& url)>;
using CopyTextService = std::function<void(const std::string& text)>;
using SaveFileService =
    std::function<void(const std::string& suggested_name, const std::string& unused,
                       const std::string& content, SavedCallback done)>;
using ProcessService = std::function<void(const std::vector<std::string>& argv,
                                          LineCallback on_line, ExitCallback on_exit)>;
using TimerService = std::function<void(int delay_ms, Callback fn)>;
using PostService = std::function<void(Callback fn)>;

class OApp {
public:
    OApp();
    ~OApp();
    // Handlers capture the store by reference; it never moves.
    OApp(const OApp&) = delete;
    OApp& operator=(const OApp&) = delete;

    // --- Themes ---
    std::string theme_name;  // display name of the active theme
    std::map<std::string, ThemeInfo> themes;
    ThemePersistHook theme_persist;

    // --- Per-path state ---
    std::string root_name;
    std::map<std::string, std::string> texts;
    std::map<std::string, std::string> images;
    std::map<std::string, std::string> hrefs;
    std::map<std::string, std::string> data;
    std::map<std::string, double> fixed_heights;
    std::map<std::string, ClickHandler> click_handlers;
    std::map<std::string, std::string> values;
    std::map<std::string, TextHandler> change_handlers;
    std::map<std::string, TextHandler> scan_handlers;
    std::map<std::string, std::vector<ComboOption>> options;
    std::map<std::string, std::string> selection;
    std::map<std::string, TextHandler> select_handlers;
    ScanStatusHandler on_scan_status;
    std::map<std::string, std::set<std::string>> node_states;
    std::set<std::string> condition_tags;  // global state words
    double mobile_icon_scale = 1.5;
    double mobile_font_scale = 1.25;
    double mobile_spacing_scale = 1.25;
    double scroll_total = 0;
    double viewport_height = 0;
    bool uses_viewport_height = false;
    std::set<std::string> hidden;

    // --- Rebuilt by every render ---
    std::map<std::string, std::string> theme_rows;  // row path -> theme display name
    std::set<std::string> check_boxes;

    // --- Row lists ---
    std::map<std::string, std::vector<ListEntry>> rows;
    std::map<std::string, RowsHook> row_hooks;
    RowActionHandler default_row_action;
    std::map<std::string, RowActionHandler> row_action_handlers;
    std::map<std::string, RowTarget> row_targets;  // rebuilt by every render

    // --- Service slots ---
    HttpService http_service;
    UploadService upload_service;
    PickService pick_service;
    UrlService open_url_service;
    CopyTextService copy_text_service;
    SaveFileService save_file_service;
    ProcessService process_service;
    TimerService timer_service;
    PostService post_service;
    Callback after_callback;  // run by the services after each asynchronous completion
    // Run once when the event loop has ended, while the state and services
    // still stand: the last chance to write what is still pending.
    Callback before_quit;
    // Asked when the user closes the main window (its close button, the
    // window manager); false keeps the window open, as when the application
    // asks first. Empty: the window closes. Quit signals never ask.
    CloseRequestHook close_request;
    // Closes the main window without asking close_request, from the event
    // loop rather than inside the calling handler.
    Callback close_window_service;

    // --- Persistent store ---
    std::map<std::string, std::string> store;
    std::string app_version;
    StorePersistHook store_persist;

    std::unique_ptr<RenderNode> last_tree;  // tree of the previous render

    // --- Registration: replaces an existing entry, never calls the handler ---
    void set_root(const std::string& name);
    void on_click(const std::string& path, ClickHandler handler);
    void on_change(const std::string& path, TextHandler handler);
    void on_select(const std::string& path, TextHandler handler);
    void on_row_action(const std::string& list, RowActionHandler handler);
    void on_rows(const std::string& list, RowsHook hook);

    // --- State ---
    void set_image(const std::string& path, const std::string& source);
    void set_visible(const std::string& path, bool visible);
    void set_checked(const std::string& path, bool checked);
    void toggle_state(const std::string& path, const std::string& word);
    // Lookups create nothing.
    bool is_checked(const std::string& path) const;
    std::string value(const std::string& path) const;
    std::string store_get(const std::string& key) const;
    void set_options(const std::string& path, std::vector<ComboOption> new_options);
    void select_option(const std::string& path, const std::string& option_value);
    void set_rows(const std::string& list, std::vector<ListEntry> new_rows);

    // --- Services: without the service each answers at once, inside the call ---
    void set_timeout(int delay_ms, Callback fn);
    void pick_file(const PickRequest& request, PathCallback done);
    void run_process(const std::vector<std::string>& argv, LineCallback on_line,
                     ExitCallback on_exit);
    void http_request(const HttpRequest& request, HttpCallback done);

    // --- Events ---
    void dispatch_event(const std::string& path, const std::string& event);

    // --- Window state words; each returns whether a re-render is needed ---
    bool is_narrow() const;
    bool set_width_class(double width);
    bool set_viewport_height(double height);
    bool set_maximized(bool maximized);
    bool set_controls_hidden(bool hidden_controls);
    bool on_scroll(double delta);

    // --- Rendering ---
    std::vector<Patch> render();

    // --- Themes ---
    bool set_theme(const std::string& display_name);
    void set_theme_name(const std::string& display_name);
    bool remove_theme(const std::string& display_name);
    // The registered theme's display name, or "" when the text is no theme.
    std::string load_theme_file(const std::string& text);
};

}  // namespace Ostrel
