#include <memory>

#include "ext/ostrel/layers/build_limits.h"
#include "ext/ostrel/layers/grammar.h"
#include "ext/ostrel/layers/internal.h"
#include "ext/ostrel/layers/lattribute.h"
#include "ext/ostrel/layers/lstyle.h"

namespace Layers {

void clone_style_recorded(LStyle* source, LStyle* parent, CopyRecord* record) {
    if (!source || !parent || !take_copy()) return;
    // Built apart and appended last, so copying a style into one of its own
    // descendants cannot meet the copy while it grows.
    auto copy = std::make_unique<LStyle>(source->name());
    copy->set_source_path(source->source_path());
    copy->extras() = source->extras();
    copy->set_base(source->base());
    copy->set_base_name(source->base_name());
    copy->set_bases_resolved(source->bases_resolved());
    if (!source->publisher().empty()) copy->set_publisher(source->publisher());

    std::vector<LObject*> children;
    for (auto& child : source->children()) children.push_back(child.get());
    for (LObject* child : children) {
        if (auto* attribute = dynamic_cast<LAttribute*>(child)) attribute->clone_into(copy.get());
    }
    for (LObject* child : children) {
        if (auto* style = dynamic_cast<LStyle*>(child)) {
            clone_style_recorded(style, copy.get(), record);
        }
    }
    if (record) {
        record->counterpart[source] = copy.get();
        record->clones.push_back(copy.get());
    }
    parent->add_child(std::move(copy));
}

void clone_style(LStyle* source, LStyle* parent) {
    clone_style_recorded(source, parent, nullptr);
}

}  // namespace Layers
