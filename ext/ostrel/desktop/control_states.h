#pragma once

// The pointer and keyboard state words of controls: "Hover" while the
// pointer is over a clickable node, "Pressed" instead while the left button
// is held on it (neither while the node or an ancestor carries "Disabled"),
// and
// "Focus" while a field's editing widget has keyboard focus. The words go
// into OApp::node_states beside the application's own, so the layer files'
// ":Hover", ":Pressed" and ":Focus" variants apply to the node and its
// subtree. Only the words this object put there are ever taken out again.

#include <QObject>
#include <functional>
#include <map>
#include <set>
#include <string>

class QWidget;

namespace Ostrel {

class OApp;

class ControlStates : public QObject {
public:
    // changed runs after the words in the store changed because of an event
    // (the view schedules a render); never from refresh().
    ControlStates(OApp& app, std::function<void()> changed, QObject* parent = nullptr);
    ~ControlStates() override;
    ControlStates(const ControlStates&) = delete;
    ControlStates& operator=(const ControlStates&) = delete;

    // A clickable node's widget: "Hover" and "Pressed" for path.
    void watch_pointer(QWidget* widget, const std::string& path);
    // A widget taking keyboard focus for the field at path: "Focus".
    void watch_focus(QWidget* widget, const std::string& path);
    // The window's root: the pointer leaving it ends every hover.
    void watch_window(QWidget* root);
    // Ends every hover and press: the pointer left the window, or a modal
    // window now blocks it (no leave or release may follow then).
    void clear_pointer();
    // The nodes at path and below are gone: their words go at once.
    void forget_under(const std::string& path);
    // Writes the words again, re-checking "Disabled"; the view calls it
    // before each render, so words the application dropped come back and a
    // control disabled under the pointer loses its hover in the same render.
    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Watched {
        std::string path;
        bool focus_only = false;
        bool hover = false;
        bool pressed = false;
        bool focus = false;
    };
    using Words = std::map<std::string, std::set<std::string>>;

    Watched* watched(QObject* object);
    void watch(QWidget* widget, const std::string& path, bool focus_only);
    // The words the watched widgets call for now.
    Words wanted() const;
    bool disabled(const std::string& path) const;
    // Brings the store to wanted(); true when a word was added or removed.
    bool apply();
    // apply(), then changed when the words differ from before.
    void update();

    OApp* app_;
    std::function<void()> changed_;
    QWidget* root_ = nullptr;
    std::map<QObject*, Watched> watched_;
    Words owned_;  // words this object put into the store
};

}  // namespace Ostrel
