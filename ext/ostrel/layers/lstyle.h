#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "ext/ostrel/layers/lobject.h"

namespace Layers {

class LAttribute;

// A fixed list of attribute names that a reader looks up together, such as
// every attribute a rendered node reads. Each list has its own identity, so
// a style can keep the lookups of one list between calls.
class AttributeNames {
public:
    explicit AttributeNames(std::vector<std::string> names);
    const std::vector<std::string>& names() const { return names_; }
    std::uint64_t id() const { return id_; }

private:
    std::vector<std::string> names_;
    std::uint64_t id_;
};

// A named node on screen: attributes and child styles in document order,
// optionally derived from a base style.
class LStyle : public LObject {
public:
    LStyle();                                  // the unnamed root
    explicit LStyle(const std::string& name);  // styles made for mount paths
    // Built from a layer-file value by the style grammar, then named.
    LStyle(const std::string& name, const nlohmann::ordered_json& value,
           const std::filesystem::path& source_path);
    ~LStyle() override;

    // The direct child attribute with exactly that name (the later of equal
    // names), through a cache refreshed when `revision` changes; or null.
    LAttribute* attribute(const std::string& name) const;
    LAttribute* attribute(const char* name) const;
    // The attribute for each of the names, in their order (null where the
    // style has none); kept for the last list asked for until the style's
    // children change.
    const std::vector<LAttribute*>& attributes_for(const AttributeNames& names) const;

    LStyle* as_style() override { return this; }
    const LStyle* as_style() const override { return this; }

    LStyle* base() const;
    void set_base(LStyle* base);
    std::string base_name() const;
    void set_base_name(const std::string& base_name);
    // No base yet and a non-empty base name.
    bool needs_base() const;

    const std::string& publisher() const;
    void set_publisher(const std::string& publisher);
    // Null, or an object of the members whose key begins with "~".
    const nlohmann::ordered_json& extras() const;
    nlohmann::ordered_json& extras();
    const std::filesystem::path& source_path() const;
    void set_source_path(const std::filesystem::path& source_path);

    bool bases_resolved() const { return bases_resolved_; }
    void set_bases_resolved(bool resolved) { bases_resolved_ = resolved; }

    // The style's name preceded by the names of its named enclosing styles.
    std::string style_path() const;

    // The child style `child_styles_by_name` holds under `name` (the last
    // one of that name from this style's file), or null. Kept until the
    // children change, so a path lookup costs no scan of every child.
    LStyle* child_style(const std::string& name) const;

    // Applies bases depth first (base first, then children, then own base).
    // Past 1024 nested resolutions the deeper styles are left unresolved,
    // with one line on standard error.
    static void resolve_bases(LStyle* style);

private:
    struct Impl;
    std::unique_ptr<Impl> s_;
    bool bases_resolved_ = false;
};

}  // namespace Layers
