#include "ext/ostrel/layers/lobject.h"

#include <utility>

#include "ext/ostrel/layers/lstyle.h"
#include "ext/ostrel/layers/tree.h"

namespace Layers {

struct LObject::Impl {
    std::string name;
    std::vector<std::unique_ptr<LObject>> children;
    std::uint64_t revision = 0;
    LObject* parent = nullptr;
};

LObject::LObject() : d_(std::make_unique<Impl>()) {}

LObject::~LObject() {
    // Children go first to last; a dying attribute may still read its
    // later siblings, so they must stay in place until their turn.
    for (auto& child : d_->children) child.reset();
}

const std::string& LObject::name() const {
    return d_->name;
}
void LObject::set_name(const std::string& name) {
    d_->name = name;
}

std::vector<std::unique_ptr<LObject>>& LObject::children() {
    return d_->children;
}
const std::vector<std::unique_ptr<LObject>>& LObject::children() const {
    return d_->children;
}

std::uint64_t LObject::revision() const {
    return d_->revision;
}
LObject* LObject::parent() const {
    return d_->parent;
}

void LObject::add_child(std::unique_ptr<LObject> child) {
    if (!child) return;
    child->d_->parent = this;
    d_->children.push_back(std::move(child));
    ++d_->revision;
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
    while (!segments.empty()) {
        auto styles = child_styles_by_name(current);
        auto it = styles.find(segments.front());
        if (it == styles.end()) return nullptr;
        current = it->second;
        segments.pop_front();
    }
    return current;
}

}  // namespace Layers
