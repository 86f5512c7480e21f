// Floating layers: bars over the bottom of their parent box and side sheets
// at its right edge above a scrim, driven by the layers' offset fractions
// (0 fully in view, 1 fully out of view) and animated over 200 ms.

#include <QGraphicsOpacityEffect>
#include <QVBoxLayout>
#include <QVariantAnimation>
#include <algorithm>

#include "ext/ostrel/desktop/box_layout.h"
#include "ext/ostrel/desktop/desktop_view.h"
#include "ext/ostrel/desktop/max_width_container.h"
#include "ext/ostrel/desktop/root_container.h"
#include "ext/ostrel/desktop/vbox_widget.h"

namespace Ostrel {

namespace {

constexpr int kSheetMs = 200;
constexpr const char* kScrimFill = "#80000000";

bool is_bar_placement(const std::string& overlay) {
    return overlay == "PinnedBottom" || overlay == "BottomSheet" || overlay == "ModalSheet";
}

// The prefix before the last "/", or "" without one.
std::string float_parent_of(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// Takes a widget out of the layout of the widget holding it.
void detach_from_layout(QWidget* widget) {
    QWidget* holder = widget->parentWidget();
    if (holder != nullptr && holder->layout() != nullptr) holder->layout()->removeWidget(widget);
}

}  // namespace

void DesktopView::float_node(const RenderNode& node) {
    if (DNode* entry = find_mut(node.path)) {
        const std::string& overlay = node.style.overlay;
        if (overlay == "SideSheet") {
            float_side(*entry, node.path, node.style.offset_x, node.style.max_width);
        } else if (is_bar_placement(overlay)) {
            entry->is_sheet = overlay != "PinnedBottom";
            entry->is_modal_sheet = overlay == "ModalSheet";
            float_bar(*entry, node.path, node.style.offset_y);
        }
    }
    for (const RenderNode& child : node.children) float_node(child);
}

void DesktopView::float_bar(DNode& entry, const std::string& path, double offset) {
    const std::string parent_path_text = float_parent_of(path);
    DNode* parent = find_mut(parent_path_text);
    if (parent == nullptr || parent->box == nullptr || entry.outer == nullptr || entry.floated) {
        return;
    }
    entry.float_parent = parent_path_text;
    if (auto* container = dynamic_cast<MaxWidthContainer*>(entry.outer);
        container != nullptr && entry.is_sheet && container->in_row) {
        container->set_row_mode(false);
    }
    parent->box->on_resize = [this] { on_float_relayout(); };
    detach_from_layout(entry.outer);
    entry.outer->setParent(parent->box);
    if (entry.bar_effect == nullptr) {
        entry.bar_effect = new QGraphicsOpacityEffect(entry.outer);
        entry.outer->setGraphicsEffect(entry.bar_effect);
    }
    entry.outer->show();
    entry.outer->raise();
    entry.floated = true;
    entry.animating = false;
    ++parent->floated_count;
    place_bar(entry, offset);
    entry.outer->setVisible(offset < 1);
}

int DesktopView::bar_height(const DNode& entry, int width) const {
    QWidget* outer = entry.outer;
    int height = outer->hasHeightForWidth() ? outer->heightForWidth(width) : -1;
    if (height <= 0) height = outer->sizeHint().height();
    // A bar sized only by its height keeps within the size limits of its
    // widget (plus the margins around it), not the empty hint of its layout.
    int extra = 0;
    if (entry.margin_layout != nullptr) {
        const QMargins margins = entry.margin_layout->contentsMargins();
        extra = margins.top() + margins.bottom();
    }
    // As in Qt layouts, a widget's own minimum height replaces its minimum
    // hint, and the maximum wins over both.
    const int own_min = entry.widget->minimumHeight();
    const int widget_min = own_min > 0 ? own_min : entry.widget->minimumSizeHint().height();
    const int low = std::max(outer->minimumHeight(), widget_min + extra);
    const int high =
        std::min(outer->maximumHeight(),
                 std::min(entry.widget->maximumHeight(), QWIDGETSIZE_MAX - extra) + extra);
    return std::min(std::max(height, low), high);
}

void DesktopView::place_bar(DNode& entry, double fraction) {
    DNode* parent = find_mut(entry.float_parent);
    if (parent == nullptr || parent->box == nullptr || entry.outer == nullptr) return;
    const int b = parent->border;
    const int width = std::max(0, parent->box->width() - 2 * b);
    entry.outer->resize(width, bar_height(entry, width));
    // Placed and reserved by the height the bar actually got.
    const int height = entry.outer->height();
    entry.outer->move(b, parent->box->height() + static_cast<int>(height * fraction) - b - height);
    entry.outer->raise();
    entry.bar_offset = fraction;
    if (entry.bar_effect != nullptr) entry.bar_effect->setOpacity(1 - fraction);
    // Only a pinned bar pushes the content up; sheets cover it and leave the
    // space a pinned sibling reserved alone.
    if (!entry.is_sheet) reserve_bottom(entry, static_cast<int>((1 - fraction) * height));
}

void DesktopView::reserve_bottom(DNode& entry, int extra) {
    DNode* parent = find_mut(entry.float_parent);
    if (parent == nullptr || parent->layout == nullptr) return;
    const QMargins margins = parent->layout->contentsMargins();
    parent->layout->setContentsMargins(margins.left(), margins.top(), margins.right(),
                                       extra + parent->bottom_inset);
}

void DesktopView::float_side(DNode& entry, const std::string& path, double offset,
                             double max_width) {
    const std::string parent_path_text = float_parent_of(path);
    DNode* parent = find_mut(parent_path_text);
    if (parent == nullptr || parent->box == nullptr || entry.outer == nullptr ||
        entry.side_floated) {
        return;
    }
    entry.float_parent = parent_path_text;
    entry.side_max_width = max_width;
    parent->box->on_resize = [this] { on_float_relayout(); };
    detach_from_layout(entry.outer);
    entry.outer->setParent(parent->box);
    entry.outer->show();
    auto* scrim = new VBoxWidget(parent->box);
    scrim->style = NodeStyle();
    scrim->style.fill = kScrimFill;
    // A press on the scrim is a click on the sheet.
    scrim->on_click = [this, path] { on_node_clicked(path); };
    entry.scrim_effect = new QGraphicsOpacityEffect(scrim);
    scrim->setGraphicsEffect(entry.scrim_effect);
    scrim->show();
    entry.scrim = scrim;
    entry.side_floated = true;
    entry.animating = false;
    ++parent->floated_count;
    place_side(entry, offset);
    sync_side_visibility(entry);
}

void DesktopView::place_side(DNode& entry, double fraction) {
    DNode* parent = find_mut(entry.float_parent);
    if (parent == nullptr || parent->box == nullptr || entry.outer == nullptr) return;
    const int b = parent->border;
    const int inner_width = std::max(0, parent->box->width() - 2 * b);
    const int inner_height = std::max(0, parent->box->height() - 2 * b);
    const int sheet_width = entry.side_max_width > 0 && entry.side_max_width < inner_width
                                ? px(entry.side_max_width)
                                : inner_width;
    entry.outer->resize(sheet_width, inner_height);
    entry.outer->move(static_cast<int>(sheet_width * fraction) + inner_width + b - sheet_width, b);
    entry.side_offset = fraction;
    entry.outer->raise();
    if (entry.scrim != nullptr) {
        entry.scrim->setGeometry(b, b, inner_width, inner_height);
        entry.scrim->stackUnder(entry.outer);
        entry.scrim_effect->setOpacity(1 - fraction);
    }
}

void DesktopView::sync_side_visibility(DNode& entry) {
    const bool shown = entry.side_offset < 1;
    if (entry.scrim != nullptr) entry.scrim->setVisible(shown);
    if (entry.outer != nullptr) entry.outer->setVisible(shown);
}

void DesktopView::update_float(DNode& entry, const RenderNode& node, const std::string& path) {
    const NodeStyle& style = node.style;
    if (style.overlay == "SideSheet") {
        if (!entry.side_floated) {
            float_side(entry, path, style.offset_x, style.max_width);
            return;
        }
        entry.side_max_width = style.max_width;
        if (style.offset_x != entry.side_offset) {
            animate_side(path, entry.side_offset, style.offset_x);
        } else {
            place_side(entry, entry.side_offset);
        }
        return;
    }
    if (is_bar_placement(style.overlay)) {
        const bool was_pinned = entry.floated && !entry.is_sheet;
        entry.is_sheet = style.overlay != "PinnedBottom";
        if (was_pinned && entry.is_sheet) reserve_bottom(entry, 0);
        entry.is_modal_sheet = style.overlay == "ModalSheet";
        if (!entry.floated) {
            float_bar(entry, path, style.offset_y);
        } else if (style.offset_y != entry.bar_offset) {
            // Every bar placement slides to a new offset, bottom sheets too.
            animate_bar(path, entry.bar_offset, style.offset_y);
        }
        return;
    }
    if (entry.floated) unfloat(entry, node, path);
}

void DesktopView::animate_bar(const std::string& path, double from, double to) {
    start_float_animation(path, from, to, false);
}

void DesktopView::animate_side(const std::string& path, double from, double to) {
    start_float_animation(path, from, to, true);
}

void DesktopView::start_float_animation(const std::string& path, double from, double to,
                                        bool side) {
    DNode* entry = find_mut(path);
    if (entry == nullptr || entry->outer == nullptr) return;
    entry->outer->show();
    if (side && entry->scrim != nullptr) entry->scrim->show();
    entry->animating = true;
    auto* animation = new QVariantAnimation(root_);
    animation->setDuration(kSheetMs);
    animation->setEasingCurve(QEasingCurve::InOutQuad);
    animation->setStartValue(from);
    animation->setEndValue(to);
    connect(animation, &QVariantAnimation::valueChanged, this,
            [this, path, side](const QVariant& value) {
                DNode* current = find_mut(path);
                if (current == nullptr) return;
                if (side && current->side_floated) place_side(*current, value.toDouble());
                if (!side && current->floated) place_bar(*current, value.toDouble());
            });
    connect(animation, &QVariantAnimation::finished, this, [this, path, side, to] {
        DNode* current = find_mut(path);
        if (current == nullptr || !(side ? current->side_floated : current->floated)) return;
        current->animating = false;
        if (side) {
            place_side(*current, to);
            sync_side_visibility(*current);
        } else {
            place_bar(*current, to);
            current->outer->setVisible(current->bar_offset < 1);
        }
    });
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

void DesktopView::on_float_relayout() {
    layout_floats();
}

void DesktopView::layout_floats() {
    // Bars first: placing raises, so side sheets and their scrims stay on top.
    for (auto& [path, entry] : registry_) {
        if (entry.animating || entry.outer == nullptr || !entry.floated) continue;
        place_bar(entry, entry.bar_offset);
        entry.outer->setVisible(entry.bar_offset < 1);
    }
    for (auto& [path, entry] : registry_) {
        if (entry.animating || entry.outer == nullptr || !entry.side_floated) continue;
        place_side(entry, entry.side_offset);
        sync_side_visibility(entry);
    }
}

void DesktopView::unfloat(DNode& entry, const RenderNode& node, const std::string& path) {
    if (!entry.floated) return;
    if (!entry.is_sheet) reserve_bottom(entry, 0);
    entry.floated = false;
    entry.is_sheet = false;
    entry.is_modal_sheet = false;
    entry.animating = false;
    if (DNode* parent = find_mut(entry.float_parent)) {
        parent->floated_count = std::max(0, parent->floated_count - 1);
    }
    entry.float_parent.clear();
    entry.outer->setGraphicsEffect(nullptr);
    entry.bar_effect = nullptr;
    entry.outer->show();
    entry.bar_offset = 0;
    entry.outer->setParent(nullptr);
    const std::string parent = parent_path(path);
    if (parent.empty()) {
        root_layout_->addWidget(entry.outer);
    } else if (DNode* holder = find_mut(parent); holder != nullptr && holder->layout != nullptr) {
        place_child(*holder, holder->item_count, entry.outer, node);
    } else {
        park_orphan(entry.outer);
        return;
    }
    entry.outer->show();
}

void DesktopView::release_float(const std::string& path, DNode& entry) {
    (void)path;
    if (!entry.floated && !entry.side_floated) return;
    // The removed layer takes its scrim and its reserved space along, or a
    // dead scrim would block every click on its parent.
    if (entry.floated && !entry.is_sheet) reserve_bottom(entry, 0);
    if (DNode* parent = find_mut(entry.float_parent)) {
        parent->floated_count = std::max(0, parent->floated_count - 1);
    }
    if (entry.scrim != nullptr) {
        entry.scrim->hide();
        entry.scrim->deleteLater();
        entry.scrim = nullptr;
        entry.scrim_effect = nullptr;
    }
    entry.floated = false;
    entry.side_floated = false;
}

}  // namespace Ostrel
