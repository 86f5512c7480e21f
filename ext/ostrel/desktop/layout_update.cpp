// Update patches: the node's widget stays and takes the new style, text,
// layout, wrappers, size, collapse and grow.

#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QVariantAnimation>
#include <algorithm>

#include "ext/ostrel/desktop/box_layout.h"
#include "ext/ostrel/desktop/combo_widget.h"
#include "ext/ostrel/desktop/desktop_view.h"
#include "ext/ostrel/desktop/editor_widget.h"
#include "ext/ostrel/desktop/max_width_container.h"
#include "ext/ostrel/desktop/vbox_widget.h"
#include "ext/ostrel/desktop/wrap_label.h"

namespace Ostrel {

namespace {

constexpr int kCollapseMs = 150;

// The scroll area a box wraps its content in (a direct child), or null.
QScrollArea* own_scroll_area(QWidget* box) {
    return box->findChild<QScrollArea*>(QString(), Qt::FindDirectChildrenOnly);
}

}  // namespace

void DesktopView::update_widget(const Patch& patch) {
    DNode* found = find_mut(patch.path);
    if (found == nullptr) return;
    DNode& entry = *found;
    const RenderNode& node = patch.node;
    const NodeStyle& style = node.style;
    entry.grow = style.grow;
    set_opacity(entry, patch.path, style.opacity);
    if (entry.box != nullptr) {
        entry.box->style = style;
        entry.box->update();
        if (entry.layout != nullptr) update_box_layout(entry, style);
    }
    update_wrappers(entry, node, patch.path);
    if (entry.editor != nullptr) {
        configure_editor(entry.editor, style, style.placeholder, node.text, false);
        watch_editor_focus(entry.editor, patch.path);
    }
    if (entry.combo != nullptr) configure_combo(entry.combo, style, node.options, node.selected);
    update_caption(entry, node);
    update_media(entry, node);
    if (!update_media_size(entry, style)) apply_fixed_size(entry.widget, style);
    if (entry.icon == nullptr && entry.editor == nullptr && entry.combo == nullptr &&
        entry.markdown == nullptr) {
        animate_collapse(entry, patch.path, style.collapsed);
    }
    set_grow(patch.path, entry, style.grow);
    update_float(entry, node, patch.path);
}

void DesktopView::update_caption(DNode& entry, const RenderNode& node) {
    const bool captioned = node.kind == NodeKind::Button || node.kind == NodeKind::CheckBox;
    if (entry.label == nullptr) {
        // A button made without text shows a caption that arrives later.
        if (captioned && entry.layout != nullptr && !node.text.empty()) add_caption(entry, node);
        return;
    }
    entry.label->setText(QString::fromStdString(node.text));
    entry.label->color = QString::fromStdString(node.style.text_color);
    restyle_label(entry.label);
}

void DesktopView::update_box_layout(DNode& entry, const NodeStyle& style) {
    if (!style.scroll.empty() != entry.scrolls) rebuild_layout(entry, style);
    if (QScrollArea* area = own_scroll_area(entry.box); area != nullptr && !style.scroll.empty()) {
        const bool vertical = style.scroll == "Vertical" || style.scroll == "Both";
        const bool horizontal = style.scroll == "Horizontal" || style.scroll == "Both";
        area->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
        area->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAsNeeded
                                                      : Qt::ScrollBarAlwaysOff);
        if (vertical) watch_scroll_bar(area->verticalScrollBar());
    }
    const BoxDirection direction = box_direction(style.direction);
    entry.layout->setDirection(direction.direction);
    entry.is_row = direction.is_row;
    apply_layout_margins(entry.layout, style);
    entry.border = px(style.border_thickness);
    entry.bottom_inset = px(style.padding[3]) + entry.border;
    entry.align = style.align;
    entry.justify = style.justify;
    entry.scrolls = !style.scroll.empty();
    for (int i = 0; i < entry.layout->count(); ++i) {
        QWidget* widget = entry.layout->itemAt(i)->widget();
        if (widget == nullptr) continue;
        if (auto* container = dynamic_cast<MaxWidthContainer*>(widget)) {
            if (container->in_row != entry.is_row) container->set_row_mode(entry.is_row);
            entry.layout->setAlignment(widget, Qt::Alignment());
            if (const DNode* child = entry_for_widget(widget)) {
                entry.layout->setStretch(i, entry.is_row ? 0 : std::max(0, px(child->grow)));
            }
        } else {
            entry.layout->setAlignment(widget, align_flags(entry.is_row, entry.align));
        }
    }
    refresh_justify(entry);
}

void DesktopView::refresh_justify(DNode& entry) {
    QBoxLayout* layout = entry.layout;
    if (layout == nullptr || layout->count() < 2) return;
    bool grow_child = false;
    for (int i = 0; i < layout->count(); ++i) {
        QWidget* widget = layout->itemAt(i)->widget();
        if (widget == nullptr || layout->stretch(i) <= 0) continue;
        auto* container = dynamic_cast<MaxWidthContainer*>(widget);
        if (container != nullptr && container->in_row) continue;
        grow_child = true;
        break;
    }
    entry.has_grow_child = grow_child;
    const auto [leading, trailing] = justify_stretches(entry.scrolls, entry.justify, grow_child);
    layout->setStretch(0, leading);
    layout->setStretch(layout->count() - 1, trailing);
    entry.trailing_stretch = trailing;
}

void DesktopView::set_grow(const std::string& path, DNode& entry, double grow) {
    DNode* parent = parent_entry(path);
    if (parent == nullptr || parent->layout == nullptr || entry.outer == nullptr) return;
    const int index = parent->layout->indexOf(entry.outer);
    if (index < 0) return;
    const bool container = dynamic_cast<MaxWidthContainer*>(entry.outer) != nullptr;
    parent->layout->setStretch(index, parent->is_row && container ? 0 : std::max(0, px(grow)));
    refresh_justify(*parent);
}

void DesktopView::update_wrappers(DNode& entry, const RenderNode& node, const std::string& path) {
    const NodeStyle& style = node.style;
    const bool want_margins = has_margins(style);
    const bool want_container = style.max_width > 0 && style.overlay != "SideSheet";
    auto* container = dynamic_cast<MaxWidthContainer*>(entry.outer);
    if (want_margins != (entry.margin_layout != nullptr) ||
        want_container != (container != nullptr)) {
        rewrap(entry, node, path);
        return;
    }
    if (entry.margin_layout != nullptr) {
        entry.margin_layout->setContentsMargins(px(style.margins[0]), px(style.margins[1]),
                                                px(style.margins[2]), px(style.margins[3]));
    }
    if (container != nullptr) container->set_max_width(px(style.max_width));
}

void DesktopView::rewrap(DNode& entry, const RenderNode& node, const std::string& path) {
    if (entry.floated || entry.widget == nullptr || entry.outer == nullptr) return;
    QBoxLayout* layout = nullptr;
    bool in_row = false;
    if (parent_path(path).empty()) {
        layout = root_layout_;
    } else if (DNode* parent = parent_entry(path); parent != nullptr) {
        layout = parent->layout;
        in_row = parent->is_row;
    }
    if (layout == nullptr) return;
    const int index = layout->indexOf(entry.outer);
    if (index < 0) return;
    const int stretch = layout->stretch(index);
    const Qt::Alignment alignment = layout->itemAt(index)->alignment();
    QWidget* old_outer = entry.outer;
    delete layout->takeAt(index);
    if (auto* container = dynamic_cast<MaxWidthContainer*>(old_outer)) container->release();
    entry.widget->setParent(nullptr);
    if (old_outer != entry.widget) {
        old_outer->setParent(nullptr);
        old_outer->deleteLater();
    }
    QWidget* outer = wrap_outer(entry, node.style, in_row);
    layout->insertWidget(index, outer, stretch, alignment);
    entry.widget->show();
    outer->show();
}

void DesktopView::rebuild_layout(DNode& entry, const NodeStyle& style) {
    VBoxWidget* box = entry.box;
    std::vector<QWidget*> kept;
    while (QLayoutItem* item = entry.layout->takeAt(0)) {
        if (QWidget* widget = item->widget()) {
            widget->setParent(nullptr);
            kept.push_back(widget);
        }
        delete item;
    }
    QScrollArea* area = own_scroll_area(box);
    if (area != nullptr) scroll_values_.erase(area->verticalScrollBar());
    delete entry.layout;
    entry.layout = nullptr;
    delete area;
    delete box->layout();

    const bool scrolls = !style.scroll.empty();
    QWidget* content = scrolls ? wrap_scroll(box, style) : box;
    const BoxDirection direction = box_direction(style.direction);
    auto* layout = new QBoxLayout(direction.direction, content);
    apply_layout_margins(layout, style);
    entry.layout = layout;
    entry.is_row = direction.is_row;
    const auto [leading, trailing] =
        justify_stretches(scrolls, style.justify, entry.has_grow_child);
    layout->addStretch(leading);
    entry.item_count = 1;
    for (QWidget* widget : kept) {
        auto* container = dynamic_cast<MaxWidthContainer*>(widget);
        const DNode* child = entry_for_widget(widget);
        const int stretch = (container != nullptr && entry.is_row) || child == nullptr
                                ? 0
                                : std::max(0, px(child->grow));
        const Qt::Alignment alignment =
            container != nullptr ? Qt::Alignment() : align_flags(entry.is_row, style.align);
        layout->addWidget(widget, stretch, alignment);
        // The caption stays in front of the children.
        if (widget == entry.label) entry.item_count = 2;
        widget->show();
    }
    layout->addStretch(trailing);
    entry.trailing_stretch = trailing;
    if (QScrollArea* fresh = own_scroll_area(box)) fresh->show();
}

void DesktopView::animate_collapse(DNode& entry, const std::string& path, bool collapsed) {
    QWidget* widget = entry.widget;
    if (widget == nullptr) return;
    // The sizing rule ran just before: these are the heights an expanded
    // node keeps (fixed, viewport or free).
    const int rule_min = widget->minimumHeight();
    const int rule_max = widget->maximumHeight();
    if (collapsed == entry.collapsed) {
        if (!entry.collapse_anim && collapsed) collapse_height(widget);
        return;
    }
    entry.collapsed = collapsed;
    if (entry.collapse_anim) entry.collapse_anim->stop();
    entry.collapse_anim = nullptr;
    widget->setMaximumHeight(rule_max);
    const int hint = std::min(std::max(widget->sizeHint().height(), rule_min), rule_max);
    const int start = collapsed ? hint : 0;
    const int end = collapsed ? 0 : hint;
    widget->setMinimumHeight(start);
    widget->setMaximumHeight(start);
    auto* animation = new QVariantAnimation(widget);
    animation->setDuration(kCollapseMs);
    animation->setEasingCurve(QEasingCurve::InOutQuad);
    animation->setStartValue(start);
    animation->setEndValue(end);
    connect(animation, &QVariantAnimation::valueChanged, widget, [this, widget](const QVariant& v) {
        widget->setMinimumHeight(v.toInt());
        widget->setMaximumHeight(v.toInt());
        layout_floats();
    });
    connect(animation, &QVariantAnimation::finished, widget,
            [this, path, widget, animation, rule_min, rule_max] {
                DNode* current = find_mut(path);
                if (current == nullptr || current->widget != widget) return;
                if (current->collapse_anim == animation) current->collapse_anim = nullptr;
                if (current->collapsed) {
                    collapse_height(widget);
                } else {
                    widget->setMinimumHeight(rule_min);
                    widget->setMaximumHeight(rule_max);
                }
                layout_floats();
            });
    entry.collapse_anim = animation;
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

double DesktopView::inherited_opacity(const std::string& path) const {
    const size_t slash = path.rfind('/');
    if (path.empty() || slash == std::string::npos) return 1.0;
    auto it = registry_.find(path.substr(0, slash));
    return it == registry_.end() ? 1.0 : it->second.opacity;
}

void DesktopView::set_opacity(DNode& entry, const std::string& path, double own) {
    entry.own_opacity = own;
    const double effective = own * inherited_opacity(path);
    if (effective == entry.opacity) return;
    entry.opacity = effective;
    apply_opacity(entry);
    // Key order puts every parent before its descendants: one pass suffices.
    const std::string prefix = path + "/";
    for (auto it = registry_.lower_bound(prefix);
         it != registry_.end() && it->first.compare(0, prefix.size(), prefix) == 0; ++it) {
        const double product = it->second.own_opacity * inherited_opacity(it->first);
        if (product == it->second.opacity) continue;
        it->second.opacity = product;
        apply_opacity(it->second);
    }
}

void DesktopView::apply_opacity(DNode& entry) {
    if (entry.box != nullptr && entry.box->opacity != entry.opacity) {
        entry.box->opacity = entry.opacity;
        entry.box->update();
    }
    if (entry.label != nullptr && entry.label->opacity != entry.opacity) {
        entry.label->opacity = entry.opacity;
        restyle_label(entry.label);
    }
    apply_media_opacity(entry);
}

}  // namespace Ostrel
