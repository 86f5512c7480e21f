#pragma once

// The Qt Widgets back end of the UI engine: one widget subtree per rendered
// node, kept in a registry by node path, brought up to date by the engine's
// patch lists; user input goes back to the engine as event strings, the
// window's size and state as window-state words, and the pointer and keyboard
// focus on controls as the node state words of ControlStates.

#include <QObject>
#include <QPointer>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ext/ostrel/engine/oapp.h"

class QBoxLayout;
class QGraphicsOpacityEffect;
class QScrollBar;
class QVBoxLayout;
class QVariantAnimation;
class QWidget;

namespace Ostrel {

class ComboWidget;
class ControlStates;
class EditorWidget;
class IconWidget;
class MarkdownWidget;
class MediaWidget;
class QrWidget;
class RootContainer;
class VBoxWidget;
class VideoWidget;
class WrapLabel;

class DesktopView : public QObject {
public:
    // The registry entry of one node.
    struct DNode {
        int kind = 0;
        QWidget* widget = nullptr;  // made for the node
        QWidget* outer = nullptr;   // placed in the parent's layout (widget or a wrapper)
        QVBoxLayout* margin_layout = nullptr;
        QBoxLayout* layout = nullptr;  // holds the children (boxes only)
        VBoxWidget* box = nullptr;     // also set for editors and combo boxes
        WrapLabel* label = nullptr;    // text node, or the caption of a button
        IconWidget* icon = nullptr;
        EditorWidget* editor = nullptr;
        ComboWidget* combo = nullptr;
        MediaWidget* media = nullptr;
        MarkdownWidget* markdown = nullptr;
        QrWidget* qr = nullptr;
        int item_count = 0;  // layout items before the first child
        int floated_count = 0;
        int trailing_stretch = 0;
        double grow = 0;
        bool has_grow_child = false;
        bool is_row = false;
        std::string align;
        std::string justify;
        bool scrolls = false;
        int border = 0;
        int bottom_inset = 0;
        bool floated = false;
        bool is_sheet = false;
        bool is_modal_sheet = false;
        bool collapsed = false;
        QPointer<QVariantAnimation> collapse_anim;
        std::string float_parent;
        double bar_offset = 0;
        bool animating = false;
        QGraphicsOpacityEffect* bar_effect = nullptr;
        double own_opacity = 1.0;
        double opacity = 1.0;
        bool side_floated = false;
        VBoxWidget* scrim = nullptr;
        QGraphicsOpacityEffect* scrim_effect = nullptr;
        double side_offset = 0;
        double side_max_width = 0;
    };

    struct ModalEntry {
        QPointer<QWidget> dialog;
        QPointer<QWidget> backdrop;
    };

    explicit DesktopView(OApp& app);
    ~DesktopView() override;
    DesktopView(const DesktopView&) = delete;
    DesktopView& operator=(const DesktopView&) = delete;

    // Renders the whole tree once and returns the root widget, which the
    // caller owns; the view becomes a child object of it.
    QWidget* build();
    // The view living under a root returned by build(), or null.
    static DesktopView* of(QWidget* root);

    void apply_patches(const std::vector<Patch>& patches);
    void mount(const Patch& patch);
    void update_widget(const Patch& patch);
    void remove(const std::string& path);
    void schedule_render();
    void schedule_video_check();

    // Registry lookups.
    const DNode* find(const std::string& path) const;
    const std::map<std::string, DNode>& registry() const { return registry_; }
    const std::map<std::string, ModalEntry>& modals() const { return modals_; }
    const DNode* entry_for_widget(const QWidget* outer) const;
    QWidget* root() const;
    bool render_pending() const { return render_pending_; }

    // Opacity down the tree.
    void set_opacity(DNode& entry, const std::string& path, double own);
    double inherited_opacity(const std::string& path) const;
    static void apply_opacity(DNode& entry);

    // Floating layers and modal overlays.
    void layout_floats();

protected:
    // Refuses the window system's close of a modal window (see show_modal).
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Widget creation and layout.
    QWidget* create_widget(const RenderNode& node);
    QWidget* create_box(const RenderNode& node, DNode& entry);
    QWidget* create_media_widget(const RenderNode& node, DNode& entry);
    void add_caption(DNode& entry, const RenderNode& node);
    void watch_editor_focus(EditorWidget* editor, const std::string& path);
    // Icons, images, videos, Markdown and QR codes on update; the size step
    // returns false when the node is none of them (boxes take fixed sizes).
    void update_media(DNode& entry, const RenderNode& node);
    bool update_media_size(DNode& entry, const NodeStyle& style);
    static void apply_media_opacity(DNode& entry);
    QWidget* build_subtree(const RenderNode& node);
    // False when the widget went into no layout (parked hidden under the root).
    // A given layout position wins over the index.
    bool insert_child(QWidget* widget, const std::string& parent_path, int index,
                      const RenderNode& child, std::optional<int> position = std::nullopt);
    void place_child(DNode& parent, int position, QWidget* widget, const RenderNode& child);
    void park_orphan(QWidget* widget);
    QWidget* wrap_scroll(VBoxWidget* box, const NodeStyle& style);
    void watch_scroll_bar(QScrollBar* bar);
    QWidget* wrap_outer(DNode& entry, const NodeStyle& style, bool in_row);
    void refresh_justify(DNode& entry);
    void set_grow(const std::string& path, DNode& entry, double grow);
    void rewrap(DNode& entry, const RenderNode& node, const std::string& path);
    void rebuild_layout(DNode& entry, const NodeStyle& style);
    void update_box_layout(DNode& entry, const NodeStyle& style);
    void update_wrappers(DNode& entry, const RenderNode& node, const std::string& path);
    void update_caption(DNode& entry, const RenderNode& node);
    void animate_collapse(DNode& entry, const std::string& path, bool collapsed);
    int child_stretch(const DNode& parent, const QWidget* widget) const;
    DNode* parent_entry(const std::string& path);
    DNode* find_mut(const std::string& path);
    void mount_at(const Patch& patch, std::optional<int> position);
    // Shows in each editor a value the application wrote into the store,
    // even when its node text stayed the same and no patch came.
    void follow_editor_values();
    void render_now();
    // Where the node's outer widget stands in its parent's layout.
    std::optional<int> layout_position(const std::string& path);

    // Floating layers and modal overlays.
    void float_node(const RenderNode& node);
    // Floats, re-places or puts back the node by its "Overlay" on update.
    void update_float(DNode& entry, const RenderNode& node, const std::string& path);
    void float_bar(DNode& entry, const std::string& path, double offset);
    void float_side(DNode& entry, const std::string& path, double offset, double max_width);
    void unfloat(DNode& entry, const RenderNode& node, const std::string& path);
    void place_bar(DNode& entry, double fraction);
    void place_side(DNode& entry, double fraction);
    void sync_side_visibility(DNode& entry);
    void reserve_bottom(DNode& entry, int extra);
    int bar_height(const DNode& entry, int width) const;
    void animate_bar(const std::string& path, double from, double to);
    void animate_side(const std::string& path, double from, double to);
    void start_float_animation(const std::string& path, double from, double to, bool side);
    void on_float_relayout();
    void show_modal(const RenderNode& node);
    // Closes the modal windows of the path and of its descendants.
    void close_modals_under(const std::string& path);
    // Undoes what floating the node did to its parent before it is removed.
    void release_float(const std::string& path, DNode& entry);
    void update_video_visibility();
    void add_video(VideoWidget* video);
    // Drops the entry and every entry below it from the registry.
    void erase_registry_run(const std::string& path);

    // Event senders and window state.
    void on_node_clicked(const std::string& path);
    void on_editor_input(const std::string& path, const std::string& text);
    void on_combo_selected(const std::string& path, const std::string& value);
    void on_window_action(const std::string& intent);
    void on_root_resized(int width);
    void on_root_maximized(bool maximized);
    void on_async_done();
    void on_render_timer();
    void on_video_check_timer();
    void on_scroll_value_changed(QObject* bar, int value);
    void on_video_destroyed(VideoWidget* video);

    OApp* oapp_;
    ControlStates* control_states_;  // "Hover", "Pressed" and "Focus" of controls
    RootContainer* root_ = nullptr;
    bool render_pending_ = false;
    bool applying_ = false;  // inside apply_patches
    std::vector<VideoWidget*> videos_;
    bool video_check_pending_ = false;
    QVBoxLayout* root_layout_ = nullptr;
    std::map<std::string, DNode> registry_;
    std::map<std::string, ModalEntry> modals_;
    std::map<QObject*, int> scroll_values_;
};

// Creates the view for the store and returns its root widget (see
// DesktopView::build). The caller owns the widget.
QWidget* create_desktop_view(OApp& app);

}  // namespace Ostrel
