#pragma once

// Layer trees for render tests, loaded into the process-wide registry. Each
// test uses its own top-level style names, so tests never see each other's
// styles.

#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

#include "ext/ostrel/engine/expansion.h"
#include "ext/ostrel/engine/oapp.h"
#include "ext/ostrel/layers/layers.h"

namespace Ostrel::render_test {

// Mounts one layer file's text at the root of the tree and binds its links.
inline void load_layers(const std::string& json) {
    const Layers::FileTextMap files{{"fixture.json", Layers::strip_json_blanks(json)}};
    testing::internal::CaptureStderr();
    Layers::mount_files(Layers::registry(), {}, files, "");
    const std::string errors = testing::internal::GetCapturedStderr();
    ASSERT_EQ(errors, "") << json;
    Layers::resolve_links(Layers::Registry::root(Layers::registry()));
}

// Styles named after the node types, for "->" bases: "RenderTypes/Text".
inline void load_type_styles() {
    static const bool loaded = [] {
        load_layers(R"({"RenderTypes": {"Text": {}, "Button": {}, "Icon": {}, "Image": {},
            "Video": {}, "Markdown": {}, "Check Box": {}, "Combo Box": {}, "Editor": {}}})");
        return true;
    }();
    (void)loaded;
}

inline Layers::LObject* layer_at(const std::string& path) {
    return Layers::find(Layers::registry(), path);
}

// The node at path below (or at) root, or null.
inline const RenderNode* node_at(const RenderNode& root, const std::string& path) {
    if (root.path == path) return &root;
    for (const RenderNode& child : root.children) {
        if (path.rfind(child.path, 0) != 0) continue;
        if (const RenderNode* found = node_at(child, path)) return found;
    }
    return nullptr;
}

inline std::vector<std::string> child_names(const RenderNode& node) {
    std::vector<std::string> names;
    for (const RenderNode& child : node.children) names.push_back(child.name);
    return names;
}

// Switches to a German locale (decimal comma) for the scope; skipped() tells
// whether none is installed.
class GermanLocale {
public:
    GermanLocale() {
        const char* previous = std::setlocale(LC_ALL, nullptr);
        saved_ = previous != nullptr ? previous : "C";
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8"}) {
            if (std::setlocale(LC_ALL, name) != nullptr) {
                active_ = true;
                return;
            }
        }
    }
    ~GermanLocale() { std::setlocale(LC_ALL, saved_.c_str()); }
    GermanLocale(const GermanLocale&) = delete;
    GermanLocale& operator=(const GermanLocale&) = delete;
    bool skipped() const { return !active_; }

private:
    std::string saved_;
    bool active_ = false;
};

}  // namespace Ostrel::render_test
