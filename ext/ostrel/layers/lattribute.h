#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "ext/ostrel/layers/lobject.h"
#include "ext/ostrel/layers/lvalue.h"

namespace Layers {

class LAttribute;
class LStyle;

// An attribute's link: an absolute path bound once to a target, and a
// relative path resolved against a style given at each lookup.
class AttributeLink {
public:
    AttributeLink(std::string path, std::string relative_path);

    std::string path() const { return path_; }
    std::string relative_path() const { return relative_path_; }
    LAttribute* target() const { return target_; }

    // Finds and binds the target of `path` for the owner; false when none
    // was found (or binding would close a cycle of links).
    bool resolve(LAttribute* owner);
    // The attribute `relative_path` names from `style`; binds nothing.
    LAttribute* resolve_against(LStyle* style) const;

private:
    friend class LAttribute;
    std::string path_;
    std::string relative_path_;
    LAttribute* target_ = nullptr;
};

// A named value on a style; its children are its state variants.
class LAttribute : public LObject {
public:
    LAttribute(const std::string& name, const nlohmann::ordered_json& value);
    ~LAttribute() override;

    void set_value_from_json(const nlohmann::ordered_json& value);

    LAttribute* as_attribute() override { return this; }
    const LAttribute* as_attribute() const override { return this; }

    AttributeLink* link() const;
    // The own value (what a reader sees when no link is bound).
    const LValue& value() const;
    // The own value of the last attribute reached through bound links.
    const LValue& effective_value() const;
    // The attributes whose link is bound to this one.
    const std::vector<LAttribute*>& dependents() const;

    // Binds this attribute's link and those of its variants.
    void resolve_link();

    // The variant whose words are all active and that has the most words;
    // of equally many, the first in byte order of names. Null when none.
    LAttribute* state_variant(const std::vector<std::string>& active) const;
    std::map<std::string, LAttribute*> collect_variants(bool inherit) const;
    void rebuild_variant_index() const;

    // Writes along the bound chain too; the theme code uses this.
    void set_value(const LValue& value);
    // Replaces the link with a copy of `link`; null changes nothing.
    void set_link(const AttributeLink* link);
    // Detaches a bound link, keeping the value it showed.
    void unlink();
    // Appends a copy (value, link, variants) as the destination's last child.
    void clone_into(LObject* destination) const;

private:
    friend class AttributeLink;  // binding keeps the dependents lists right
    void add_dependent(LAttribute* dependent);
    void remove_dependent(LAttribute* dependent);

    struct VariantEntry {
        LAttribute* variant;
        std::vector<std::string> words;
    };
    struct Stamp {
        const LObject* object;
        std::uint64_t revision;
    };
    // Held in place rather than behind a pointer: every render reads the
    // value and variants of every attribute a node names.
    struct Fields {
        std::vector<LAttribute*> dependents;
        std::unique_ptr<AttributeLink> link;
        LValue value;
        std::vector<VariantEntry> variants;
        std::vector<Stamp> variant_stamps;
    };
    mutable Fields a_;  // the variant index is rebuilt by const lookups
};

// The text without its first occurrence of "L:".
std::string strip_link_prefix(const std::string& text);

// Binds every link below the style (attributes by name, then child styles).
void resolve_links(LStyle* style);

}  // namespace Layers
