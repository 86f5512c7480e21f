#include "ext/ostrel/engine/style_resolution.h"

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

void resolve_fill(Layers::LStyle* style, const std::string& name, const Words& words,
                  std::string& colour, bool& gradient) {
    if (style == nullptr) return;
    Layers::LAttribute* attribute = style->attribute(name);
    if (attribute == nullptr) return;
    if (const auto* stops = resolve_list_value(attribute, words, nullptr)) {
        colour = join_list(*stops);
        gradient = true;
    } else if (const auto* plain = resolve_string_value(attribute, words, nullptr)) {
        colour = *plain;
        gradient = false;
    }
}

NodeStyle resolve_node_props(Layers::LStyle* style, const Words& words) {
    using namespace style_fields;
    NodeStyle out;
    if (style == nullptr) return out;
    auto attribute = [&](const char* name) { return style->attribute(name); };

    resolve_fill(style, "Fill", words, out.fill, out.fill_gradient);
    resolve_fill(style, "Border.Fill", words, out.border_fill, out.border_gradient);
    for (const auto& f : kNumbers) out.*f.member = number_or_zero(attribute(f.attribute), words);
    for (const auto& f : kNumbersIfPresent) {
        if (Layers::LAttribute* present = attribute(f.attribute)) {
            out.*f.member = number_or_zero(present, words);
        }
    }
    for (const auto& q : kQuads) {
        for (std::size_t i = 0; i < q.attributes.size(); ++i) {
            (out.*q.member)[i] = number_or_zero(attribute(q.attributes[i]), words);
        }
    }
    for (const auto& f : kStrings) {
        const std::string* text = resolve_string_value(attribute(f.attribute), words, nullptr);
        if (text != nullptr) out.*f.member = *text;
    }
    for (const auto& f : kFlags) {
        const double* number = resolve_number_value(attribute(f.attribute), words, nullptr);
        if (number != nullptr) out.*f.member = *number != 0;
    }
    out.media_source = out.source;
    return out;
}

}  // namespace Ostrel
