#include "ext/ostrel/layers/lattribute.h"

#include <utility>

#include "ext/ostrel/layers/diagnostics.h"
#include "ext/ostrel/layers/internal.h"
#include "ext/ostrel/layers/lstyle.h"
#include "ext/ostrel/layers/registry.h"
#include "ext/ostrel/layers/tree.h"

namespace Layers {

namespace {

LStyle* nearest_style(LObject* object) {
    for (LObject* up = object ? object->parent() : nullptr; up; up = up->parent()) {
        if (auto* style = dynamic_cast<LStyle*>(up)) return style;
    }
    return nullptr;
}

LAttribute* attribute_named(LStyle* style, const std::string& name) {
    auto attributes = attributes_by_name(style);
    auto it = attributes.find(name);
    return it == attributes.end() ? nullptr : it->second;
}

// Where `path` points for this owner, bound or not.
LAttribute* find_link_target(const std::string& path, LAttribute* owner) {
    if (path.empty()) return nullptr;
    auto segments = split_segments(path, '/');
    if (segments.empty()) return nullptr;
    const std::string name = segments.back();
    segments.pop_back();
    if (segments.empty()) {
        return owner ? attribute_named(dynamic_cast<LStyle*>(owner->parent()), name) : nullptr;
    }
    LStyle* style = nullptr;
    if (LStyle* enclosing = nearest_style(owner)) {
        auto* top = dynamic_cast<LStyle*>(top_level_style(enclosing));
        style = LObject::find_path(top, segments);
    }
    if (!style) style = dynamic_cast<LStyle*>(find_segments(registry(), segments));
    return style ? attribute_named(style, name) : nullptr;
}

}  // namespace

bool link_chain_reaches(const LAttribute* start, const LAttribute* owner) {
    for (const LAttribute* at = start; at;) {
        if (at == owner) return true;
        AttributeLink* link = at->link();
        at = link ? link->target() : nullptr;
    }
    return false;
}

AttributeLink::AttributeLink(std::string path, std::string relative_path)
    : path_(std::move(path)), relative_path_(std::move(relative_path)) {}

bool AttributeLink::resolve(LAttribute* owner) {
    LAttribute* found = find_link_target(path_, owner);
    // Binding into a chain that leads back to the owner would make every
    // read and write of it endless.
    if (!found || link_chain_reaches(found, owner)) return false;
    // Bound again elsewhere, the owner's own link must leave the old target's
    // dependents, or that target would later unlink or touch a freed owner.
    if (owner && owner->link() == this && target_ != found) {
        if (target_) target_->remove_dependent(owner);
        found->add_dependent(owner);
    }
    target_ = found;
    return true;
}

LAttribute* AttributeLink::resolve_against(LStyle* style) const {
    if (!style) return nullptr;
    auto segments = split_at(relative_path_, '/');
    std::size_t i = 0;
    LStyle* current = style;
    for (; i < segments.size() && segments[i] == ".."; ++i) {
        current = parent_style(current);
        if (!current) return nullptr;
    }
    while (i < segments.size() && segments[i] == ".") ++i;
    if (i == segments.size()) return nullptr;
    std::string rest = segments[i];
    for (++i; i < segments.size(); ++i) rest += "/" + segments[i];
    return current->attribute(rest);
}

std::string strip_link_prefix(const std::string& text) {
    auto at = text.find("L:");
    if (at == std::string::npos) return text;
    return text.substr(0, at) + text.substr(at + 2);
}

void resolve_links(LStyle* style) {
    if (!style) return;
    for (auto& [name, attribute] : attributes_by_name(style)) attribute->resolve_link();
    for (auto& [name, child] : child_styles_by_name(style)) resolve_links(child);
}

}  // namespace Layers

namespace Layers {

void LAttribute::resolve_link() {
    if (AttributeLink* own = link()) {
        const std::string path = own->path();
        if (!own->resolve(this) && !path.empty()) {
            const bool cyclic = find_link_target(path, this) != nullptr;
            report_line(std::string(cyclic ? "Layers: cyclic link " : "Layers: unresolved link ") +
                        quoted("L:" + path) + " on attribute " + quoted(full_path(*this)));
        }
        if (LAttribute* target = own->target()) target->add_dependent(this);
    }
    for (auto& [name, variant] : collect_variants(false)) variant->resolve_link();
}

}  // namespace Layers
