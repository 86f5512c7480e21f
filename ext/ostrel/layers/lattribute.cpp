#include "ext/ostrel/layers/lattribute.h"

#include <algorithm>
#include <utility>

#include "ext/ostrel/layers/build_limits.h"
#include "ext/ostrel/layers/diagnostics.h"
#include "ext/ostrel/layers/internal.h"
#include "ext/ostrel/layers/lstyle.h"
#include "ext/ostrel/layers/tree.h"

namespace Layers {

namespace {

bool is_link_text(const nlohmann::ordered_json& value) {
    return value.is_string() && value.get_ref<const std::string&>().rfind("L:", 0) == 0;
}

}  // namespace

LAttribute::LAttribute(const std::string& name, const nlohmann::ordered_json& value) {
    BuildLevel level;
    set_name(name);  // named first so messages about the value can say whose it is
    set_value_from_json(value);
    if (!value.is_object()) return;
    for (auto& [key, member] : value.items()) {
        if (key == "->" || key == "link" || key == "link_relative") continue;
        if (key.empty()) {
            report_line("Layers: ignored empty variant key on attribute " + quoted(name));
            continue;
        }
        if (BuildLevel::next_too_deep()) {
            report_line("Layers: skipped variant " + quoted(key_for_message(key)) +
                        " of attribute " + quoted(name) + ": nested deeper than " +
                        std::to_string(kMaxNesting) + " levels");
            continue;
        }
        add_child(std::make_unique<LAttribute>(key.substr(1), member));
    }
}

LAttribute::~LAttribute() {
    // Dependents keep the value they showed; then leave our own target.
    auto dependents = a_.dependents;
    for (LAttribute* dependent : dependents) dependent->unlink();
    if (a_.link && a_.link->target_) a_.link->target_->remove_dependent(this);
}

void LAttribute::set_value_from_json(const nlohmann::ordered_json& value) {
    if (value.is_object()) {
        std::string texts[2];
        const char* keys[2] = {"link", "link_relative"};
        for (int i = 0; i < 2; ++i) {
            auto it = value.find(keys[i]);
            if (it == value.end()) continue;
            if (!it->is_string()) {
                report_line(std::string("Layers: ignored non-string ") + quoted(keys[i]) +
                            " on attribute " + quoted(name()));
                continue;
            }
            texts[i] = strip_link_prefix(it->get<std::string>());
        }
        if (!texts[0].empty() || !texts[1].empty()) {
            if (a_.link && a_.link->target_) a_.link->target_->remove_dependent(this);
            a_.link = std::make_unique<AttributeLink>(texts[0], texts[1]);
        }
        auto own = value.find("->");
        if (own != value.end() && !own->is_object()) set_value_from_json(*own);
        return;
    }
    if (is_link_text(value)) {
        if (a_.link && a_.link->target_) a_.link->target_->remove_dependent(this);
        a_.link = std::make_unique<AttributeLink>(value.get<std::string>().substr(2), "");
    } else if (value.is_string()) {
        a_.value = value.get<std::string>();
    } else if (value.is_number()) {
        a_.value = value.get<double>();
    } else if (value.is_boolean()) {
        a_.value = value.get<bool>();
    } else if (value.is_array() && !value.empty() && value.front().is_string()) {
        std::vector<std::string> list;
        for (auto& element : value) {
            if (!element.is_string()) {
                report_line("Layers: ignored list with a non-string element on attribute " +
                            quoted(name()));
                return;
            }
            list.push_back(element.get<std::string>());
        }
        a_.value = std::move(list);
    }
}

AttributeLink* LAttribute::link() const {
    return a_.link.get();
}
const LValue& LAttribute::value() const {
    return a_.value;
}

const LValue& LAttribute::effective_value() const {
    const LAttribute* at = this;
    while (at->a_.link && at->a_.link->target_) at = at->a_.link->target_;
    return at->a_.value;
}

const std::vector<LAttribute*>& LAttribute::dependents() const {
    return a_.dependents;
}

void LAttribute::add_dependent(LAttribute* dependent) {
    auto& list = a_.dependents;
    if (std::find(list.begin(), list.end(), dependent) == list.end()) list.push_back(dependent);
}

void LAttribute::remove_dependent(LAttribute* dependent) {
    auto& list = a_.dependents;
    list.erase(std::remove(list.begin(), list.end(), dependent), list.end());
}

std::map<std::string, LAttribute*> LAttribute::collect_variants(bool inherit) const {
    std::map<std::string, LAttribute*> variants;
    for (auto& child : children()) {
        if (auto* variant = dynamic_cast<LAttribute*>(child.get())) {
            variants[variant->name()] = variant;
        }
    }
    if (!inherit) return variants;
    auto* style = dynamic_cast<LStyle*>(parent());
    if (!style || !style->base()) return variants;
    if (LAttribute* inherited = style->base()->attribute(name())) {
        for (auto& entry : inherited->collect_variants(true)) variants.insert(entry);
    }
    return variants;
}

void LAttribute::rebuild_variant_index() const {
    a_.variants.clear();
    a_.variant_stamps.clear();
    a_.variant_stamps.push_back({this, revision()});
    if (auto* style = dynamic_cast<LStyle*>(parent())) {
        for (LStyle* base = style->base(); base; base = base->base()) {
            a_.variant_stamps.push_back({base, base->revision()});
            LAttribute* inherited = base->attribute(name());
            if (!inherited) break;
            a_.variant_stamps.push_back({inherited, inherited->revision()});
        }
    }
    for (auto& [variant_name, variant] : collect_variants(true)) {
        a_.variants.push_back({variant, split_at(variant_name, ':')});
    }
}

LAttribute* LAttribute::state_variant(const std::vector<std::string>& active) const {
    bool stale = a_.variant_stamps.empty();
    for (const Stamp& stamp : a_.variant_stamps) {
        if (stamp.object->revision() != stamp.revision) {
            stale = true;
            break;
        }
    }
    if (stale) rebuild_variant_index();

    LAttribute* choice = nullptr;
    std::size_t best = 0;
    for (const VariantEntry& entry : a_.variants) {
        if (entry.words.size() <= best) continue;
        bool all_active = std::all_of(entry.words.begin(), entry.words.end(), [&](auto& word) {
            return std::find(active.begin(), active.end(), word) != active.end();
        });
        if (all_active) {
            choice = entry.variant;
            best = entry.words.size();
        }
    }
    return choice;
}

void LAttribute::set_value(const LValue& value) {
    if (a_.link && a_.link->target_) a_.link->target_->set_value(value);
    if (!a_.link && a_.value == value) return;
    a_.value = value;
}

void LAttribute::set_link(const AttributeLink* link) {
    if (!link) return;
    // Copied first: `link` may be this attribute's own record, which unlink frees.
    auto copy = std::make_unique<AttributeLink>(*link);
    a_.value = LValue{};
    unlink();
    a_.link = std::move(copy);
    LAttribute* target = a_.link->target_;
    if (target && link_chain_reaches(target, this)) {
        report_line("Layers: cyclic link " + quoted("L:" + a_.link->path_) + " on attribute " +
                    quoted(full_path(*this)));
        a_.link->target_ = nullptr;
    } else if (target) {
        target->add_dependent(this);
    }
}

void LAttribute::unlink() {
    if (!a_.link || !a_.link->target_) return;
    LAttribute* target = a_.link->target_;
    a_.value = target->effective_value();
    target->remove_dependent(this);
    a_.link.reset();
}

void LAttribute::clone_into(LObject* destination) const {
    if (!destination || !take_copy()) return;
    auto owned = std::make_unique<LAttribute>(name(), nlohmann::ordered_json());
    LAttribute* copy = owned.get();
    auto variants = collect_variants(false);  // taken before the copy can join them
    destination->add_child(std::move(owned));
    copy->a_.value = a_.value;
    if (a_.link) {
        copy->a_.value = LValue{};
        copy->a_.link = std::make_unique<AttributeLink>(*a_.link);
        if (LAttribute* target = copy->a_.link->target_) target->add_dependent(copy);
    }
    for (auto& [variant_name, variant] : variants) variant->clone_into(copy);
}

}  // namespace Layers
