#pragma once

// Headless test harness for the desktop renderer and everything built on it:
// one QApplication per test process (offscreen platform), layer fixtures in a
// temporary folder loaded with load_assets, a DesktopView rendered from an
// OApp, widget lookup by node path, input helpers and condition waits.

#include <QApplication>
#include <QImage>
#include <QSize>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "ext/ostrel/desktop/desktop_view.h"
#include "ext/ostrel/engine/oapp.h"

namespace desktop_test {

inline const std::string kDarkTheme = "Dark (zozeravuderedada)";
inline const std::string kLightTheme = "Light (zozeravuderedada)";

// The process's QApplication, created on first use (offscreen unless
// QT_QPA_PLATFORM says otherwise). Every harness helper calls it.
QApplication& qt_app();

// The framework's theme folder (Dark and Light).
std::string framework_themes_dir();

// A fresh folder under the system temp folder, removed with the object.
class TempFolder {
public:
    explicit TempFolder(const std::string& tag);
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Writes the file (parent folders created) and returns its full path.
    std::string write(const std::string& relative, const std::string& content) const;

private:
    std::filesystem::path path_;
};

// Layer files for one test. The styles folder holds "widgets/types.json"
// (a style per node type under "Ostrel": "S:Ostrel/Text", "S:Ostrel/Button",
// "S:Ostrel/Check Box", ...) and "mounts/theme.json" (the layer object
// "Theme" that themes write into, so "L:Theme/Primary" links work).
// Application layer files go into a folder of their own. The layer tree is
// process-wide: give each test its own top-level style names.
class LayerFixture {
public:
    explicit LayerFixture(const std::string& tag);

    // An application layer file (JSON text).
    void add_layer(const std::string& file_name, const std::string& json);
    // Writes json as "screen.json", loads it (see load) and sets the root;
    // false, with the loading messages in *errors, when loading failed or
    // printed anything.
    bool load_screen(Ostrel::OApp& app, const std::string& json, const std::string& root,
                     const std::string& theme = kDarkTheme, std::string* errors = nullptr);
    // load_assets with the framework themes and the given theme; standard
    // error of loading goes to *errors when given.
    bool load(Ostrel::OApp& app, const std::string& theme = kDarkTheme,
              std::string* errors = nullptr) const;

    TempFolder folder;
    std::string styles_dir;  // framework styles: "widgets" and "mounts"
    std::string app_dir;     // the application layer files of add_layer
    // Further application style folders loaded after app_dir (such as the
    // application's real layer files).
    std::vector<std::string> extra_app_dirs;
};

// A DesktopView built on the store; the root is resized and shown (offscreen)
// unless size is empty. The root is deleted with the harness.
class ViewHarness {
public:
    explicit ViewHarness(Ostrel::OApp& app, QSize size = QSize(800, 600));
    ~ViewHarness();
    ViewHarness(const ViewHarness&) = delete;
    ViewHarness& operator=(const ViewHarness&) = delete;

    QWidget* root() const { return root_; }
    Ostrel::DesktopView& view() const { return *view_; }
    Ostrel::OApp& app() const { return *app_; }

    // Registry entry, node widget and outer widget of a node path, or null.
    const Ostrel::DesktopView::DNode* entry(const std::string& path) const;
    QWidget* widget(const std::string& path) const;
    template <typename T>
    T* widget_as(const std::string& path) const {
        return dynamic_cast<T*>(widget(path));
    }

    // OApp::render and apply_patches, then pending events.
    void render();
    // Resizes the root and lets the resize reach the view.
    void resize(int width, int height);
    // A left press (and release) at a point of the node's widget (its centre
    // by default). False when the path has no widget.
    bool press(const std::string& path, QPoint at = QPoint(-1, -1));
    // Focuses the editor at path and types text as a user would (per key).
    bool type_into(const std::string& path, const QString& text);
    // Picks the option with that value in the combo box at path as a user
    // would (sends "select:" + value). False when there is no such option.
    bool choose(const std::string& path, const std::string& value);
    // The root drawn into an image; save_png also writes it to a file.
    QImage grab() const;
    bool save_png(const QString& file) const;

private:
    Ostrel::OApp* app_;
    QWidget* root_;
    Ostrel::DesktopView* view_;
};

// Runs the event loop until cond() holds or timeout_ms passes; the result of
// the last cond() check.
bool wait_until(const std::function<bool()>& cond, int timeout_ms = 5000);
// Delivers pending events, deferred deletes included.
void process_events();

// Records the events dispatched to paths by registering handlers:
// "click" for on_click, "input:" + text for on_change, "select:" + value for
// on_select, each as "path|event".
class EventLog {
public:
    void watch_click(Ostrel::OApp& app, const std::string& path);
    void watch_change(Ostrel::OApp& app, const std::string& path);
    void watch_select(Ostrel::OApp& app, const std::string& path);
    std::vector<std::string> events;
};

}  // namespace desktop_test
