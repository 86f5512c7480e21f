#include "ext/ostrel/engine/style_resolution.h"

#include <string>
#include <utility>
#include <vector>

#include "ext/ostrel/engine/style_fields.h"

namespace Ostrel {

namespace {

// The value an attribute resolves to for the words:
//  - an active state variant stands in for the attribute and is read with no
//    words, so a variant's own variants are never consulted;
//  - a bound link continues at its target with the same words;
//  - an unbound link with a relative path is tried against the context
//    style (read with no words);
//  - otherwise the attribute's own (effective) value.
// Bound links never form cycles, but relative paths are looked up afresh
// against the context style and may; the hop limit keeps such a cycle from
// hanging the render (the last attribute reached gives its own value).
const Layers::LValue* resolved_value(Layers::LAttribute* attribute, const Words& words,
                                     Layers::LStyle* context) {
    static const Words kNoWords;
    constexpr int kMaxHops = 256;
    const Words* active = &words;
    for (int hops = 0; hops < kMaxHops; ++hops) {
        if (!active->empty()) {
            if (Layers::LAttribute* variant = attribute->state_variant(*active)) {
                attribute = variant;
                active = &kNoWords;
                continue;
            }
        }
        const Layers::AttributeLink* link = attribute->link();
        if (link == nullptr) break;
        if (Layers::LAttribute* target = link->target()) {
            attribute = target;
            continue;
        }
        if (link->relative_path().empty()) break;
        Layers::LAttribute* relative = link->resolve_against(context);
        if (relative == nullptr) break;
        attribute = relative;
        active = &kNoWords;
    }
    return &attribute->effective_value();
}

template <typename T>
const T* resolved_as(Layers::LAttribute* attribute, const Words& words, Layers::LStyle* context) {
    if (attribute == nullptr) return nullptr;
    return std::get_if<T>(resolved_value(attribute, words, context));
}

}  // namespace

double style_fields::number_or_zero(Layers::LAttribute* attribute, const Words& words) {
    const double* number = resolve_number_value(attribute, words, nullptr);
    return number != nullptr ? *number : 0;
}

const double* resolve_number_value(Layers::LAttribute* attribute, const Words& words,
                                   Layers::LStyle* context) {
    return resolved_as<double>(attribute, words, context);
}

const std::string* resolve_string_value(Layers::LAttribute* attribute, const Words& words,
                                        Layers::LStyle* context) {
    return resolved_as<std::string>(attribute, words, context);
}

const std::vector<std::string>* resolve_list_value(Layers::LAttribute* attribute,
                                                   const Words& words, Layers::LStyle* context) {
    return resolved_as<std::vector<std::string>>(attribute, words, context);
}

std::string join_list(const std::vector<std::string>& items) {
    std::string joined;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) joined += ',';
        joined += items[i];
    }
    return joined;
}

namespace {

void resolve_fill_attribute(Layers::LAttribute* attribute, const Words& words, std::string& colour,
                            bool& gradient) {
    if (attribute == nullptr) return;
    if (const auto* stops = resolve_list_value(attribute, words, nullptr)) {
        colour = join_list(*stops);
        gradient = true;
    } else if (const auto* plain = resolve_string_value(attribute, words, nullptr)) {
        colour = *plain;
        gradient = false;
    }
}

// Every attribute name a node style reads, each with its own slot number.
// Slots follow the field tables in order: numbers, numbers-if-present, the
// three quads, strings, flags, then the two fills.
constexpr std::size_t kQuadSlots = style_fields::kQuads.size() * 4;
constexpr std::size_t kNumberSlot = 0;
constexpr std::size_t kIfPresentSlot = kNumberSlot + style_fields::kNumbers.size();
constexpr std::size_t kQuadSlot = kIfPresentSlot + style_fields::kNumbersIfPresent.size();
constexpr std::size_t kStringSlot = kQuadSlot + kQuadSlots;
constexpr std::size_t kFlagSlot = kStringSlot + style_fields::kStrings.size();
constexpr std::size_t kFillSlot = kFlagSlot + style_fields::kFlags.size();
constexpr std::size_t kBorderFillSlot = kFillSlot + 1;

// The names in slot order; a style keeps its lookups of this list until its
// attributes change, so a render finds a node's attributes without searching.
const Layers::AttributeNames& slot_names() {
    static const Layers::AttributeNames names = [] {
        using namespace style_fields;
        std::vector<std::string> made;
        for (const auto& f : kNumbers) made.emplace_back(f.attribute);
        for (const auto& f : kNumbersIfPresent) made.emplace_back(f.attribute);
        for (const auto& q : kQuads) {
            for (const char* name : q.attributes) made.emplace_back(name);
        }
        for (const auto& f : kStrings) made.emplace_back(f.attribute);
        for (const auto& f : kFlags) made.emplace_back(f.attribute);
        made.emplace_back("Fill");
        made.emplace_back("Border.Fill");
        return Layers::AttributeNames(std::move(made));
    }();
    return names;
}

}  // namespace

void resolve_fill(Layers::LStyle* style, const std::string& name, const Words& words,
                  std::string& colour, bool& gradient) {
    if (style == nullptr) return;
    resolve_fill_attribute(style->attribute(name), words, colour, gradient);
}

NodeStyle resolve_node_props(Layers::LStyle* style, const Words& words) {
    NodeStyle out;
    resolve_node_props_into(out, style, words);
    return out;
}

void resolve_node_props_into(NodeStyle& out, Layers::LStyle* style, const Words& words) {
    using namespace style_fields;
    if (style == nullptr) return;
    const std::vector<Layers::LAttribute*>& slots = style->attributes_for(slot_names());

    resolve_fill_attribute(slots[kFillSlot], words, out.fill, out.fill_gradient);
    resolve_fill_attribute(slots[kBorderFillSlot], words, out.border_fill, out.border_gradient);
    for (std::size_t i = 0; i < kNumbers.size(); ++i) {
        out.*kNumbers[i].member = number_or_zero(slots[kNumberSlot + i], words);
    }
    for (std::size_t i = 0; i < kNumbersIfPresent.size(); ++i) {
        if (Layers::LAttribute* present = slots[kIfPresentSlot + i]) {
            out.*kNumbersIfPresent[i].member = number_or_zero(present, words);
        }
    }
    for (std::size_t q = 0; q < kQuads.size(); ++q) {
        for (std::size_t i = 0; i < 4; ++i) {
            (out.*kQuads[q].member)[i] = number_or_zero(slots[kQuadSlot + q * 4 + i], words);
        }
    }
    for (std::size_t i = 0; i < kStrings.size(); ++i) {
        const std::string* text = resolve_string_value(slots[kStringSlot + i], words, nullptr);
        if (text != nullptr) out.*kStrings[i].member = *text;
    }
    for (std::size_t i = 0; i < kFlags.size(); ++i) {
        const double* number = resolve_number_value(slots[kFlagSlot + i], words, nullptr);
        if (number != nullptr) out.*kFlags[i].member = *number != 0;
    }
    out.media_source = out.source;
}

}  // namespace Ostrel
