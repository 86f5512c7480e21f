#include "ext/ostrel/layers/registry.h"

#include <utility>

#include "ext/ostrel/layers/tree.h"

namespace Layers {

Registry::Registry() : root_style(std::make_unique<LStyle>()) {}
Registry::~Registry() = default;

LStyle* Registry::root(Registry& registry) {
    return registry.root_style.get();
}

Registry& registry() {
    static Registry instance;
    return instance;
}

LObject* find(Registry& registry, const std::string& path) {
    return LObject::find_path(Registry::root(registry), path);
}

LObject* find_segments(Registry& registry, std::deque<std::string> segments) {
    return LObject::find_path(Registry::root(registry), std::move(segments));
}

}  // namespace Layers
