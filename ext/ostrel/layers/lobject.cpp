#include "ext/ostrel/layers/lobject.h"

#include <utility>

#include "ext/ostrel/layers/lstyle.h"
#include "ext/ostrel/layers/tree.h"

namespace Layers {

LObject::LObject() = default;

LObject::~LObject() {
    // Children go first to last; a dying attribute may still read its
    // later siblings, so they must stay in place until their turn.
    for (auto& child : children_) child.reset();
}

void LObject::add_child(std::unique_ptr<LObject> child) {
    if (!child) return;
    child->parent_ = this;
    children_.push_back(std::move(child));
    ++revision_;
}

std::string LObject::full_path(const LObject& object) {
    LObject* parent = object.parent();
    if (!parent) return object.name();
    if (auto* style = dynamic_cast<LStyle*>(parent)) {
        return style->style_path() + "/" + object.name();
    }
    return full_path(*parent) + "." + object.name();
}

LStyle* LObject::find_path(LStyle* from, const std::string& path) {
    return find_path(from, split_segments(path, '/'));
}

LStyle* LObject::find_path(LStyle* from, std::deque<std::string> segments) {
    if (!from || segments.empty()) return nullptr;
    LStyle* current = from;
    for (const std::string& segment : segments) {
        current = current->child_style(segment);
        if (!current) return nullptr;
    }
    return current;
}

}  // namespace Layers
