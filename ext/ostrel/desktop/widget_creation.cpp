// One node becomes its widget, wrapped for margins and maximum width and
// registered; boxes get their layout and children.

#include <QComboBox>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextEdit>
#include <QVBoxLayout>
#include <algorithm>
#include <string_view>

#include "ext/ostrel/desktop/box_layout.h"
#include "ext/ostrel/desktop/combo_widget.h"
#include "ext/ostrel/desktop/control_states.h"
#include "ext/ostrel/desktop/desktop_view.h"
#include "ext/ostrel/desktop/editor_widget.h"
#include "ext/ostrel/desktop/max_width_container.h"
#include "ext/ostrel/desktop/root_container.h"
#include "ext/ostrel/desktop/scroll_bar_style.h"
#include "ext/ostrel/desktop/vbox_widget.h"
#include "ext/ostrel/desktop/wrap_label.h"

namespace Ostrel {

namespace {

constexpr int kTextPixels = 28;
constexpr int kCaptionPixels = 18;
constexpr std::string_view kWindowPrefix = "window:";

bool is_box_kind(NodeKind kind) {
    switch (kind) {
        case NodeKind::Box:
        case NodeKind::Button:
        case NodeKind::CheckBox:
        case NodeKind::Link:
        case NodeKind::Host:
        case NodeKind::Scanner:
            return true;
        default:
            return false;
    }
}

bool is_window_intent(const std::string& intent) {
    // The bare prefix counts too: it acts on the window (doing nothing) and
    // never reaches the application.
    return intent.starts_with(kWindowPrefix);
}

}  // namespace

QWidget* DesktopView::create_widget(const RenderNode& node) {
    const NodeStyle& style = node.style;
    DNode entry;
    entry.kind = static_cast<int>(node.kind);
    QWidget* widget = nullptr;
    if (node.kind == NodeKind::Text) {
        WrapLabel* label = make_label(node, kTextPixels);
        label->setWordWrap(style.wrap);
        apply_fixed_size(label, style);
        entry.label = label;
        widget = label;
    } else if (node.kind == NodeKind::Editor) {
        auto* editor = new EditorWidget();
        editor->setObjectName(QString::fromStdString(node.name));
        editor->style = style;
        configure_editor(editor, style, style.placeholder, node.text, true);
        const std::string path = node.path;
        editor->on_change = [this, path](const std::string& text) { on_editor_input(path, text); };
        // The store's value, when it has one, is what the editor shows.
        if (auto value = oapp_->values.find(path); value != oapp_->values.end())
            editor->follow_value(value->second);
        apply_fixed_size(editor, style);
        watch_editor_focus(editor, path);
        entry.editor = editor;
        entry.box = editor;
        widget = editor;
    } else if (node.kind == NodeKind::ComboBox) {
        auto* combo = new ComboWidget();
        combo->setObjectName(QString::fromStdString(node.name));
        combo->style = style;
        configure_combo(combo, style, node.options, node.selected);
        const std::string path = node.path;
        combo->on_change = [this, path](const std::string& value) {
            on_combo_selected(path, value);
        };
        apply_fixed_size(combo, style);
        control_states_->watch_focus(combo->combo_box, path);
        entry.combo = combo;
        entry.box = combo;
        widget = combo;
    } else if (is_box_kind(node.kind)) {
        widget = create_box(node, entry);
    } else {
        widget = create_media_widget(node, entry);
    }
    entry.widget = widget;
    entry.grow = style.grow;

    QWidget* outer = wrap_outer(entry, style, false);
    if (style.collapsed) {
        collapse_height(widget);
        entry.collapsed = true;
    }
    entry.own_opacity = style.opacity;
    entry.opacity = style.opacity * inherited_opacity(node.path);
    if (entry.opacity < 1) apply_opacity(entry);
    registry_[node.path] = entry;
    return outer;
}

QWidget* DesktopView::create_box(const RenderNode& node, DNode& entry) {
    const NodeStyle& style = node.style;
    auto* box = new VBoxWidget();
    box->setObjectName(QString::fromStdString(node.name));
    box->style = style;
    apply_fixed_size(box, style);
    box->drag_intent = style.intent == "window:drag";
    box->resize_intent = style.intent == "window:resize";
    if (box->resize_intent) {
        box->setMouseTracking(true);
    } else {
        box->setCursor(Qt::ArrowCursor);
    }
    QWidget* content = style.scroll.empty() ? box : wrap_scroll(box, style);
    const BoxDirection direction = box_direction(style.direction);
    auto* layout = new QBoxLayout(direction.direction, content);
    apply_layout_margins(layout, style);
    entry.box = box;
    entry.layout = layout;
    entry.is_row = direction.is_row;
    entry.align = style.align;
    entry.justify = style.justify;
    entry.scrolls = !style.scroll.empty();
    entry.border = px(style.border_thickness);
    entry.bottom_inset = px(style.padding[3]) + entry.border;
    entry.has_grow_child = std::any_of(
        node.children.begin(), node.children.end(),
        [&](const RenderNode& child) { return is_growing_child(entry.is_row, child.style); });
    const auto [leading, trailing] =
        justify_stretches(entry.scrolls, entry.justify, entry.has_grow_child);
    layout->addStretch(leading);
    entry.item_count = 1;
    entry.trailing_stretch = trailing;

    if (node.kind == NodeKind::Button || node.kind == NodeKind::CheckBox) {
        const std::string intent = style.intent;
        const std::string path = node.path;
        if (is_window_intent(intent)) {
            box->on_click = [this, intent] { on_window_action(intent); };
        } else {
            box->on_click = [this, path] { on_node_clicked(path); };
        }
        box->setCursor(Qt::PointingHandCursor);
        control_states_->watch_pointer(box, path);
        if (!node.text.empty()) add_caption(entry, node);
    }
    return box;
}

void DesktopView::watch_editor_focus(EditorWidget* editor, const std::string& path) {
    control_states_->watch_focus(editor->line_edit, path);
    // The text edit of a multi-line editor may come with a later update.
    if (editor->text_edit != nullptr) control_states_->watch_focus(editor->text_edit, path);
}

void DesktopView::add_caption(DNode& entry, const RenderNode& node) {
    WrapLabel* caption = make_label(node, kCaptionPixels);
    caption->setAttribute(Qt::WA_TransparentForMouseEvents);
    entry.layout->insertWidget(1, caption, 0, align_flags(entry.is_row, entry.align));
    entry.label = caption;
    entry.item_count = 2;
}

QWidget* DesktopView::wrap_scroll(VBoxWidget* box, const NodeStyle& style) {
    auto* holder = new QVBoxLayout(box);
    holder->setContentsMargins(0, 0, 0, 0);
    auto* area = new QScrollArea();
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setStyleSheet(
        "QScrollArea, QScrollArea > QWidget > QWidget { background: transparent; }" +
        thin_scroll_bar_rules());
    area->viewport()->setAutoFillBackground(false);
    auto* content = new QWidget();
    content->setAutoFillBackground(false);
    area->setWidget(content);
    const bool vertical = style.scroll == "Vertical" || style.scroll == "Both";
    const bool horizontal = style.scroll == "Horizontal" || style.scroll == "Both";
    area->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    area->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    holder->addWidget(area);
    if (vertical) watch_scroll_bar(area->verticalScrollBar());
    return content;
}

QWidget* DesktopView::wrap_outer(DNode& entry, const NodeStyle& style, bool in_row) {
    QWidget* outer = entry.widget;
    entry.margin_layout = nullptr;
    if (has_margins(style)) {
        auto* wrapper = new QWidget();
        auto* margins = new QVBoxLayout(wrapper);
        margins->setContentsMargins(px(style.margins[0]), px(style.margins[1]),
                                    px(style.margins[2]), px(style.margins[3]));
        margins->setSpacing(0);
        margins->addWidget(outer);
        entry.margin_layout = margins;
        outer = wrapper;
    }
    if (style.max_width > 0 && style.overlay != "SideSheet") {
        auto* container = new MaxWidthContainer(outer, px(style.max_width));
        if (in_row) container->set_row_mode(true);
        outer = container;
    }
    entry.outer = outer;
    return outer;
}

QWidget* DesktopView::build_subtree(const RenderNode& node) {
    QWidget* outer = create_widget(node);
    for (size_t i = 0; i < node.children.size(); ++i) {
        const RenderNode& child = node.children[i];
        if (child.style.overlay == "Modal") {
            // A modal inside a larger subtree still opens as its own window.
            show_modal(child);
            continue;
        }
        QWidget* child_outer = build_subtree(child);
        if (node.path.empty()) {
            root_layout_->addWidget(child_outer);
            continue;
        }
        DNode* entry = find_mut(node.path);
        if (entry == nullptr || entry->layout == nullptr) {
            park_orphan(child_outer);
            continue;
        }
        const int index = static_cast<int>(i);
        const int position = index + entry->item_count - (index > 0 ? entry->floated_count : 0);
        // No trailing stretch yet: children go up to the end.
        place_child(*entry, std::clamp(position, entry->item_count, entry->layout->count()),
                    child_outer, child);
    }
    if (DNode* entry = find_mut(node.path); entry != nullptr && entry->layout != nullptr) {
        entry->layout->addStretch(entry->trailing_stretch);
    }
    return outer;
}

bool DesktopView::insert_child(QWidget* widget, const std::string& parent, int index,
                               const RenderNode& child, std::optional<int> position) {
    if (parent.empty()) {
        if (position) {
            root_layout_->insertWidget(std::clamp(*position, 0, root_layout_->count()), widget);
        } else {
            root_layout_->addWidget(widget);
        }
        return true;
    }
    DNode* entry = find_mut(parent);
    if (entry == nullptr || entry->layout == nullptr) {
        park_orphan(widget);
        return false;
    }
    // Floated and modal siblings are counted by the engine but stand in no
    // layout, so the position is clamped between the leading items and the
    // trailing stretch.
    const int wanted =
        position ? *position : index + entry->item_count - (index > 0 ? entry->floated_count : 0);
    const int last = std::max(entry->item_count, entry->layout->count() - 1);
    place_child(*entry, std::clamp(wanted, entry->item_count, last), widget, child);
    return true;
}

void DesktopView::place_child(DNode& parent, int position, QWidget* widget,
                              const RenderNode& child) {
    auto* container = dynamic_cast<MaxWidthContainer*>(widget);
    if (parent.is_row && container != nullptr) container->set_row_mode(true);
    const bool limited = child.style.max_width > 0;
    const int stretch = parent.is_row && limited ? 0 : std::max(0, px(child.style.grow));
    const Qt::Alignment alignment =
        limited ? Qt::Alignment() : align_flags(parent.is_row, parent.align);
    parent.layout->insertWidget(position, widget, stretch, alignment);
}

void DesktopView::park_orphan(QWidget* widget) {
    // A node whose parent is unknown or has no layout: kept hidden under the
    // root, never shown as a window of its own.
    widget->setParent(root_);
    widget->hide();
}

}  // namespace Ostrel
