#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace Layers {

class LAttribute;
class LStyle;

// Base of every node of the layer tree. An object owns its children; the
// parent pointer is set only by add_child.
class LObject {
public:
    LObject();
    virtual ~LObject();
    LObject(const LObject&) = delete;
    LObject& operator=(const LObject&) = delete;

    // Cheap type tests for hot loops: a failing dynamic_cast walks the class
    // hierarchy, and renders test every child of every node.
    virtual LStyle* as_style() { return nullptr; }
    virtual const LStyle* as_style() const { return nullptr; }
    virtual LAttribute* as_attribute() { return nullptr; }
    virtual const LAttribute* as_attribute() const { return nullptr; }

    // The accessors are inline: every render reads them for every node.
    const std::string& name() const { return name_; }
    void set_name(const std::string& name) { name_ = name; }

    // Writable: base application reorders child styles in place.
    std::vector<std::unique_ptr<LObject>>& children() { return children_; }
    const std::vector<std::unique_ptr<LObject>>& children() const { return children_; }

    // Incremented by add_child and children_reordered; caches compare
    // against it.
    std::uint64_t revision() const { return revision_; }
    // To be called after the children were reordered in place.
    void children_reordered() { ++revision_; }
    LObject* parent() const { return parent_; }

    void add_child(std::unique_ptr<LObject> child);

    // "App/Button/Fill" for an attribute, "App/Button/Fill.Hover" for a variant.
    static std::string full_path(const LObject& object);

    // The style at a "/" path below `from`, or null; an empty path finds nothing.
    static LStyle* find_path(LStyle* from, const std::string& path);
    static LStyle* find_path(LStyle* from, std::deque<std::string> segments);

private:
    std::string name_;
    std::vector<std::unique_ptr<LObject>> children_;
    std::uint64_t revision_ = 0;
    LObject* parent_ = nullptr;
};

}  // namespace Layers
