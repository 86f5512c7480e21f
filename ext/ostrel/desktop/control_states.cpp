#include "ext/ostrel/desktop/control_states.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QWidget>

#include "ext/ostrel/engine/oapp.h"

namespace Ostrel {

namespace {

const std::string kHover = "Hover";
const std::string kPressed = "Pressed";
const std::string kFocus = "Focus";
const std::string kDisabled = "Disabled";

bool is_left_press(const QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick) return false;
    return static_cast<const QMouseEvent*>(event)->button() == Qt::LeftButton;
}

bool is_left_release(const QEvent* event) {
    return event->type() == QEvent::MouseButtonRelease &&
           static_cast<const QMouseEvent*>(event)->button() == Qt::LeftButton;
}

}  // namespace

ControlStates::ControlStates(OApp& app, std::function<void()> changed, QObject* parent)
    : QObject(parent), app_(&app), changed_(std::move(changed)) {}

ControlStates::~ControlStates() {
    // The store outlives the view: leave no pointer or focus word behind.
    watched_.clear();
    changed_ = nullptr;
    apply();
}

void ControlStates::watch_pointer(QWidget* widget, const std::string& path) {
    watch(widget, path, false);
}

void ControlStates::watch_focus(QWidget* widget, const std::string& path) {
    watch(widget, path, true);
}

void ControlStates::watch(QWidget* widget, const std::string& path, bool focus_only) {
    if (widget == nullptr) return;
    const auto [it, added] = watched_.try_emplace(widget);
    it->second.path = path;
    it->second.focus_only = focus_only;
    if (!added) return;
    widget->installEventFilter(this);
    connect(widget, &QObject::destroyed, this, [this](QObject* gone) {
        if (watched_.erase(gone) > 0) update();
    });
}

void ControlStates::watch_window(QWidget* root) {
    root_ = root;
    root->installEventFilter(this);
}

void ControlStates::clear_pointer() {
    for (auto& [object, entry] : watched_) {
        entry.hover = false;
        entry.pressed = false;
    }
    update();
}

void ControlStates::forget_under(const std::string& path) {
    const std::string prefix = path + "/";
    bool dropped = false;
    for (auto it = watched_.begin(); it != watched_.end();) {
        const std::string& own = it->second.path;
        if (own == path || own.compare(0, prefix.size(), prefix) == 0) {
            it = watched_.erase(it);
            dropped = true;
        } else {
            ++it;
        }
    }
    if (dropped) update();
}

void ControlStates::refresh() {
    apply();
}

ControlStates::Watched* ControlStates::watched(QObject* object) {
    const auto it = watched_.find(object);
    return it == watched_.end() ? nullptr : &it->second;
}

bool ControlStates::eventFilter(QObject* watched_object, QEvent* event) {
    switch (event->type()) {
        case QEvent::Enter:
        case QEvent::Leave:
        case QEvent::FocusIn:
        case QEvent::FocusOut:
        case QEvent::Hide:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
            break;
        default:
            return false;  // paints, moves and the like change no word
    }
    if (watched_object == root_) {
        if (event->type() == QEvent::Leave) clear_pointer();
        return false;
    }
    Watched* entry = watched(watched_object);
    if (entry == nullptr) return false;
    const Watched before = *entry;
    switch (event->type()) {
        case QEvent::Enter:
            entry->hover = !entry->focus_only;
            break;
        case QEvent::Leave:
            entry->hover = false;
            entry->pressed = false;
            break;
        case QEvent::FocusIn:
            entry->focus = entry->focus_only;
            break;
        case QEvent::FocusOut:
            // A combo box's popup or a context menu keeps the field focused.
            if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
                entry->focus = false;
            }
            break;
        case QEvent::Hide:
            entry->hover = false;
            entry->pressed = false;
            entry->focus = false;
            break;
        default:
            if (is_left_press(event)) {
                entry->pressed = !entry->focus_only;
            } else if (is_left_release(event)) {
                entry->pressed = false;
            }
            break;
    }
    if (entry->hover != before.hover || entry->pressed != before.pressed ||
        entry->focus != before.focus) {
        update();
    }
    return false;
}

bool ControlStates::disabled(const std::string& path) const {
    for (std::string at = path; !at.empty(); at = parent_path(at)) {
        const auto it = app_->node_states.find(at);
        if (it != app_->node_states.end() && it->second.count(kDisabled) > 0) return true;
    }
    return false;
}

ControlStates::Words ControlStates::wanted() const {
    Words words;
    for (const auto& [object, entry] : watched_) {
        if (entry.focus) words[entry.path].insert(kFocus);
        if (!entry.hover && !entry.pressed) continue;
        if (disabled(entry.path)) continue;
        // A held press shows as pressed alone: with both words active the
        // layers' ":Hover" variant would win over ":Pressed" by name order.
        words[entry.path].insert(entry.pressed ? kPressed : kHover);
    }
    return words;
}

bool ControlStates::apply() {
    Words wanted_now = wanted();
    bool changed = false;
    for (const auto& [path, words] : owned_) {
        const auto keep = wanted_now.find(path);
        const auto stored = app_->node_states.find(path);
        if (stored == app_->node_states.end()) continue;
        bool erased = false;
        for (const std::string& word : words) {
            if (keep != wanted_now.end() && keep->second.count(word) > 0) continue;
            if (stored->second.erase(word) > 0) erased = true;
        }
        // An entry that only held these words goes with them, so the store
        // looks as it did before the pointer came.
        if (erased && stored->second.empty()) app_->node_states.erase(stored);
        changed = changed || erased;
    }
    for (const auto& [path, words] : wanted_now) {
        for (const std::string& word : words) {
            if (app_->node_states[path].insert(word).second) changed = true;
        }
    }
    owned_ = std::move(wanted_now);
    return changed;
}

void ControlStates::update() {
    if (apply() && changed_) changed_();
}

}  // namespace Ostrel
