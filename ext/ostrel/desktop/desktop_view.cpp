// The view's life, patch application, render scheduling, event strings and
// window state. Widget creation and layout live in widget_creation.cpp and
// layout_update.cpp.

#include "ext/ostrel/desktop/desktop_view.h"

#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include "ext/ostrel/desktop/control_states.h"
#include "ext/ostrel/desktop/editor_widget.h"
#include "ext/ostrel/desktop/root_container.h"

namespace Ostrel {

namespace {

bool starts_with(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

DesktopView::DesktopView(OApp& app)
    : oapp_(&app),
      control_states_(new ControlStates(
          app, [this] { schedule_render(); }, this)) {}

DesktopView::~DesktopView() {
    // The hook captures this view; a store that outlives it must not call it.
    oapp_->after_callback = nullptr;
}

QWidget* DesktopView::build() {
    root_ = new RootContainer();
    setParent(root_);
    root_layout_ = new QVBoxLayout(root_);
    root_layout_->setContentsMargins(0, 0, 0, 0);
    root_layout_->setSpacing(0);
    // The window's size is the user's: content never enlarges it. Content
    // sized by the viewport height would otherwise grow the window it is
    // measured from, render after render.
    root_layout_->setSizeConstraint(QLayout::SetNoConstraint);
    control_states_->watch_window(root_);
    apply_patches(oapp_->render());
    root_->on_resize = [this](int width) { on_root_resized(width); };
    root_->on_maximized = [this](bool maximized) { on_root_maximized(maximized); };
    oapp_->after_callback = [this] { on_async_done(); };
    return root_;
}

DesktopView* DesktopView::of(QWidget* root) {
    if (root == nullptr) return nullptr;
    for (QObject* child : root->children()) {
        if (auto* view = dynamic_cast<DesktopView*>(child)) return view;
    }
    return nullptr;
}

QWidget* DesktopView::root() const {
    return root_;
}

const DesktopView::DNode* DesktopView::find(const std::string& path) const {
    auto it = registry_.find(path);
    return it == registry_.end() ? nullptr : &it->second;
}

const DesktopView::DNode* DesktopView::entry_for_widget(const QWidget* outer) const {
    for (const auto& [path, entry] : registry_) {
        if (entry.outer == outer) return &entry;
    }
    return nullptr;
}

DesktopView::DNode* DesktopView::parent_entry(const std::string& path) {
    auto it = registry_.find(parent_path(path));
    return it == registry_.end() ? nullptr : &it->second;
}

void DesktopView::apply_patches(const std::vector<Patch>& patches) {
    applying_ = true;
    for (const Patch& patch : patches) {
        switch (patch.kind) {
            case PatchKind::Mount:
                mount_at(patch, std::nullopt);
                break;
            case PatchKind::Remove:
                remove(patch.path);
                break;
            case PatchKind::Update:
                update_widget(patch);
                break;
            case PatchKind::Replace: {
                // The engine sends index 0 with a replace; the new node takes
                // the old one's place among its siblings.
                const std::optional<int> position = layout_position(patch.path);
                remove(patch.path);
                mount_at(patch, position);
                break;
            }
            default:
                break;
        }
    }
    applying_ = false;
    follow_editor_values();
    layout_floats();
    schedule_video_check();
}

void DesktopView::follow_editor_values() {
    for (auto& [path, entry] : registry_) {
        if (entry.editor == nullptr) continue;
        if (auto value = oapp_->values.find(path); value != oapp_->values.end())
            entry.editor->follow_value(value->second);
    }
}

void DesktopView::mount(const Patch& patch) {
    mount_at(patch, std::nullopt);
}

void DesktopView::mount_at(const Patch& patch, std::optional<int> position) {
    if (patch.node.style.overlay == "Modal") {
        show_modal(patch.node);
        return;
    }
    QWidget* outer = build_subtree(patch.node);
    if (insert_child(outer, patch.parent_path, patch.index, patch.node, position)) {
        outer->setVisible(true);
    }
    float_node(patch.node);
    layout_floats();
    if (DNode* parent = find_mut(patch.parent_path)) refresh_justify(*parent);
}

std::optional<int> DesktopView::layout_position(const std::string& path) {
    DNode* entry = find_mut(path);
    if (entry == nullptr || entry->outer == nullptr) return std::nullopt;
    DNode* parent = parent_entry(path);
    QBoxLayout* layout = parent != nullptr ? parent->layout : nullptr;
    if (parent == nullptr && parent_path(path).empty()) layout = root_layout_;
    if (layout == nullptr) return std::nullopt;
    const int index = layout->indexOf(entry->outer);
    if (index < 0) return std::nullopt;
    return index;
}

DesktopView::DNode* DesktopView::find_mut(const std::string& path) {
    auto it = registry_.find(path);
    return it == registry_.end() ? nullptr : &it->second;
}

void DesktopView::remove(const std::string& path) {
    close_modals_under(path);
    auto it = registry_.find(path);
    if (it == registry_.end()) return;
    release_float(path, it->second);
    QWidget* outer = it->second.outer;
    erase_registry_run(path);
    if (outer != nullptr) {
        outer->setParent(nullptr);
        outer->deleteLater();
    }
    if (DNode* parent = parent_entry(path)) refresh_justify(*parent);
}

void DesktopView::erase_registry_run(const std::string& path) {
    control_states_->forget_under(path);
    registry_.erase(path);
    // Descendants form one run of keys beginning with path + "/"; a sibling
    // such as "P 2" sorts elsewhere and stays.
    const std::string prefix = path + "/";
    auto first = registry_.lower_bound(prefix);
    auto last = first;
    while (last != registry_.end() && starts_with(last->first, prefix)) ++last;
    registry_.erase(first, last);
}

void DesktopView::render_now() {
    if (applying_) {
        // A window-state change while patches are applied: render after them.
        schedule_render();
        return;
    }
    control_states_->refresh();
    apply_patches(oapp_->render());
}

void DesktopView::schedule_render() {
    if (render_pending_) return;
    render_pending_ = true;
    QTimer::singleShot(0, root_, [this] { on_render_timer(); });
}

void DesktopView::on_render_timer() {
    render_pending_ = false;
    render_now();
}

void DesktopView::on_async_done() {
    schedule_render();
}

void DesktopView::on_node_clicked(const std::string& path) {
    oapp_->dispatch_event(path, "click");
    render_now();
}

void DesktopView::on_editor_input(const std::string& path, const std::string& text) {
    oapp_->dispatch_event(path, "input:" + text);
    schedule_render();
}

void DesktopView::on_combo_selected(const std::string& path, const std::string& value) {
    oapp_->dispatch_event(path, "select:" + value);
    render_now();
}

void DesktopView::on_window_action(const std::string& intent) {
    QWidget* window = root_->window();
    if (intent == "window:minimize") {
        window->showMinimized();
    } else if (intent == "window:maximize") {
        if (window->isMaximized()) {
            window->showNormal();
        } else {
            window->showMaximized();
        }
    } else if (intent == "window:close") {
        window->close();
    }
}

void DesktopView::on_root_resized(int width) {
    for (auto& [path, modal] : modals_) {
        if (modal.backdrop) modal.backdrop->setGeometry(root_->rect());
    }
    const bool width_changed = oapp_->set_width_class(width);
    const bool height_changed = oapp_->set_viewport_height(root_->height());
    if (width_changed || height_changed) render_now();
    layout_floats();
}

void DesktopView::on_root_maximized(bool maximized) {
    if (oapp_->set_maximized(maximized)) render_now();
}

void DesktopView::watch_scroll_bar(QScrollBar* bar) {
    if (scroll_values_.count(bar) > 0) return;
    scroll_values_[bar] = bar->value();
    connect(bar, &QScrollBar::valueChanged, this,
            [this, bar](int value) { on_scroll_value_changed(bar, value); });
    connect(bar, &QObject::destroyed, this, [this](QObject* gone) { scroll_values_.erase(gone); });
}

void DesktopView::on_scroll_value_changed(QObject* bar, int value) {
    int& remembered = scroll_values_[bar];
    const int previous = remembered;
    remembered = value;
    if (previous == value) return;
    for (const auto& [path, entry] : registry_) {
        if (entry.floated && entry.animating) {
            // A sliding bar moves the content; that is no user scrolling.
            schedule_video_check();
            return;
        }
    }
    if (oapp_->on_scroll(static_cast<double>(value) - previous)) render_now();
    schedule_video_check();
}

void DesktopView::schedule_video_check() {
    if (video_check_pending_ || videos_.empty()) return;
    video_check_pending_ = true;
    QTimer::singleShot(50, root_, [this] { on_video_check_timer(); });
}

void DesktopView::on_video_check_timer() {
    video_check_pending_ = false;
    update_video_visibility();
}

QWidget* create_desktop_view(OApp& app) {
    auto* view = new DesktopView(app);
    return view->build();
}

}  // namespace Ostrel
