#include "ext/ostrel/layers/bases.h"

#include <set>
#include <unordered_map>

#include "ext/ostrel/layers/build_limits.h"
#include "ext/ostrel/layers/diagnostics.h"
#include "ext/ostrel/layers/grammar.h"
#include "ext/ostrel/layers/internal.h"
#include "ext/ostrel/layers/lattribute.h"
#include "ext/ostrel/layers/registry.h"
#include "ext/ostrel/layers/tree.h"

namespace Layers {

namespace {

bool is_empty(const LValue& value) {
    return std::holds_alternative<std::monostate>(value);
}

std::vector<LObject*> child_snapshot(LObject* object) {
    std::vector<LObject*> children;
    for (auto& child : object->children()) children.push_back(child.get());
    return children;
}

// Sets the base unless that would close a chain of bases (false), or unless
// the base's chain is longer than kMaxBaseChain (left out, with one line):
// every check walks the chain, so unbounded chains would make loading
// quadratic. The walk itself stops there too.
bool set_base_acyclic(LStyle* style, LStyle* base) {
    std::size_t length = 0;
    for (const LStyle* at = base; at; at = at->base()) {
        if (at == style) return false;
        if (++length > kMaxBaseChain) {
            report_line("Layers: base chain longer than " + std::to_string(kMaxBaseChain) +
                        " left out on style " + quoted(style->style_path()));
            return true;  // not a cycle: no second message
        }
    }
    style->set_base(base);
    return true;
}

// Refills the positions that child styles hold with `order`, leaving
// attributes where they are.
void reorder_child_styles(LStyle* style, const std::vector<LStyle*>& order) {
    auto& children = style->children();
    std::unordered_map<LObject*, std::unique_ptr<LObject>> taken;
    std::vector<std::size_t> positions;
    for (std::size_t i = 0; i < children.size(); ++i) {
        if (dynamic_cast<LStyle*>(children[i].get())) positions.push_back(i);
    }
    if (positions.size() != order.size()) return;
    for (std::size_t i : positions) {
        LObject* key = children[i].get();
        taken[key] = std::move(children[i]);
    }
    for (std::size_t k = 0; k < positions.size(); ++k) {
        children[positions[k]] = std::move(taken[order[k]]);
    }
    style->children_reordered();
}

void overwrite_attribute(LAttribute* destination, LAttribute* incoming) {
    if (incoming->link()) {
        destination->set_link(incoming->link());
    } else if (!is_empty(incoming->effective_value())) {
        destination->set_value(incoming->effective_value());
    }
}

void merge_recorded(LStyle* destination, LStyle* incoming, CopyRecord& record) {
    record.counterpart[incoming] = destination;
    const auto children = child_snapshot(incoming);
    for (LObject* child : children) {
        auto* attribute = dynamic_cast<LAttribute*>(child);
        if (!attribute) continue;
        LAttribute* existing = destination->attribute(attribute->name());
        if (!existing) {
            attribute->clone_into(destination);
            continue;
        }
        overwrite_attribute(existing, attribute);
        auto existing_variants = existing->collect_variants(true);
        for (auto& [name, variant] : attribute->collect_variants(true)) {
            auto found = existing_variants.find(name);
            if (found == existing_variants.end()) {
                variant->clone_into(existing);
            } else {
                overwrite_attribute(found->second, variant);
            }
        }
    }
    for (LObject* child : children) {
        auto* style = dynamic_cast<LStyle*>(child);
        if (!style) continue;
        auto named = child_styles_by_name(destination);
        auto found = named.find(style->name());
        if (found != named.end()) {
            merge_recorded(found->second, style, record);
        } else {
            clone_style_recorded(style, destination, &record);
        }
    }
}

}  // namespace

bool base_chain_reaches(const LStyle* start, const LStyle* style) {
    for (const LStyle* at = start; at; at = at->base()) {
        if (at == style) return true;
    }
    return false;
}

bool is_self_or_enclosing(const LStyle* style, const LStyle* candidate) {
    for (const LStyle* at = style; at; at = dynamic_cast<const LStyle*>(at->parent())) {
        if (at == candidate) return true;
    }
    return false;
}

void resolve_base_references(Registry& registry, LStyle* style) {
    if (!style) return;
    if (style->needs_base()) {
        const std::string name = style->base_name();
        auto* top = dynamic_cast<LStyle*>(top_level_style(style));
        LStyle* candidate = LObject::find_path(top, name);
        if (!candidate || is_self_or_enclosing(style, candidate)) {
            candidate = LObject::find_path(Registry::root(registry), name);
        }
        if (candidate && !is_self_or_enclosing(style, candidate) &&
            !set_base_acyclic(style, candidate)) {
            report_line("Layers: cyclic base " + quoted("S:" + name) + " on style " +
                        quoted(style->style_path()));
        }
    }
    for (auto& [name, child] : child_styles_by_name(style)) {
        resolve_base_references(registry, child);
    }
}

void apply_base(LStyle* self, LStyle* base) {
    // A base that encloses the style would be copied into itself.
    if (!self || !base || is_self_or_enclosing(self, base)) return;
    // Past the copy budget only the base itself is recorded.
    if (copies_spent()) {
        if (!self->base()) set_base_acyclic(self, base);
        return;
    }

    const auto own_attributes = attributes_by_name(self);
    for (auto& [name, inherited] : attributes_by_name(base)) {
        auto found = own_attributes.find(name);
        if (found == own_attributes.end()) {
            inherited->clone_into(self);
            continue;
        }
        LAttribute* own = found->second;
        if (is_empty(own->effective_value()) && !own->link()) {
            if (inherited->link()) {
                own->set_link(inherited->link());
            } else {
                own->set_value(inherited->effective_value());
            }
        }
        const auto own_variants = own->collect_variants(true);
        for (auto& [variant_name, variant] : inherited->collect_variants(true)) {
            if (!own_variants.count(variant_name)) variant->clone_into(own);
        }
    }

    // Styles matching the base's children come first, in the base's order,
    // each once; then every other own style in child order, so same-named
    // children are neither doubled nor dropped.
    const auto own_styles = child_styles_by_name(self);
    const auto own_before = collect_descendants(self, false);
    std::vector<LStyle*> order;
    std::set<LStyle*> noted;
    for (LStyle* inherited : collect_descendants(base, false)) {
        LStyle* result = nullptr;
        auto found = own_styles.find(inherited->name());
        if (found != own_styles.end()) {
            result = found->second;
            apply_base(result, inherited);
        } else {
            const std::size_t before = self->children().size();
            clone_style(inherited, self);
            if (self->children().size() == before) continue;  // left out: copies spent
            result = static_cast<LStyle*>(self->children().back().get());
        }
        if (noted.insert(result).second) order.push_back(result);
    }
    for (LStyle* own : own_before) {
        if (noted.insert(own).second) order.push_back(own);
    }
    reorder_child_styles(self, order);

    if (!self->base()) set_base_acyclic(self, base);
}

void merge_style(LStyle* destination, LStyle* incoming) {
    if (!destination || !incoming || destination == incoming) return;
    CopyRecord record;
    merge_recorded(destination, incoming, record);
    // Copies must not keep bases inside the incoming style, which the
    // loader frees right after merging: move them onto the counterparts.
    for (LStyle* clone : record.clones) {
        auto it = record.counterpart.find(clone->base());
        if (it == record.counterpart.end()) continue;
        if (!set_base_acyclic(clone, it->second)) clone->set_base(nullptr);
    }
}

}  // namespace Layers
