#pragma once

#include <deque>
#include <map>
#include <memory>
#include <string>

#include "ext/ostrel/layers/lstyle.h"

namespace Layers {

// The process-wide owner of the layer tree.
struct Registry {
    Registry();
    ~Registry();
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;

    static LStyle* root(Registry& registry);

    // Declared after the root, so pending styles are destroyed first.
    std::unique_ptr<LStyle> root_style;
    // Styles keyed by full "/" path that wait for their parent path to exist.
    std::map<std::string, std::unique_ptr<LStyle>> pending;
};

// Created on the first call; lives until the process ends.
Registry& registry();

// The style at a "/" path from the root (LStyle), or null.
LObject* find(Registry& registry, const std::string& path);
LObject* find_segments(Registry& registry, std::deque<std::string> segments);

}  // namespace Layers
