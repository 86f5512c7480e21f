#include "ext/ostrel/layers/lstyle.h"

#include <atomic>
#include <limits>
#include <map>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "ext/ostrel/layers/bases.h"
#include "ext/ostrel/layers/build_limits.h"
#include "ext/ostrel/layers/grammar.h"
#include "ext/ostrel/layers/lattribute.h"
#include "ext/ostrel/layers/tree.h"

namespace Layers {

struct LStyle::Impl {
    LStyle* base = nullptr;
    std::string base_name;
    std::string publisher;
    nlohmann::ordered_json extras;
    std::filesystem::path source_path;
    std::map<std::string, LAttribute*, std::less<>> attribute_cache;
    std::uint64_t cache_revision = std::numeric_limits<std::uint64_t>::max();
    bool resolving = false;  // guards base resolution against cycles
    // The lookups of the last AttributeNames asked for.
    std::vector<LAttribute*> named_slots;
    std::uint64_t named_slots_list = 0;
    std::uint64_t named_slots_revision = std::numeric_limits<std::uint64_t>::max();
    std::unordered_map<std::string, LStyle*> child_index;
    std::uint64_t child_index_revision = std::numeric_limits<std::uint64_t>::max();

    LAttribute* find_attribute(const LObject& style, std::string_view name) {
        if (cache_revision != style.revision()) {
            attribute_cache.clear();
            for (auto& child : style.children()) {
                if (auto* attribute = dynamic_cast<LAttribute*>(child.get())) {
                    attribute_cache[attribute->name()] = attribute;
                }
            }
            cache_revision = style.revision();
        }
        auto it = attribute_cache.find(name);
        return it == attribute_cache.end() ? nullptr : it->second;
    }
};

LStyle::LStyle() : s_(std::make_unique<Impl>()) {}

LStyle::LStyle(const std::string& name) : LStyle() {
    set_name(name);
}

LStyle::LStyle(const std::string& name, const nlohmann::ordered_json& value,
               const std::filesystem::path& source_path)
    : LStyle() {
    s_->source_path = source_path;
    set_name(name);  // named before parsing so messages can say which style
    parse_style_json(this, value, source_path);
}

LStyle::~LStyle() = default;

// The whole string, not its text up to a zero byte: names may hold any bytes.
LAttribute* LStyle::attribute(const std::string& name) const {
    return s_->find_attribute(*this, name);
}

LAttribute* LStyle::attribute(const char* name) const {
    return name ? s_->find_attribute(*this, name) : nullptr;
}

const std::vector<LAttribute*>& LStyle::attributes_for(const AttributeNames& names) const {
    if (s_->named_slots_list != names.id() || s_->named_slots_revision != revision()) {
        s_->named_slots.clear();
        for (const std::string& name : names.names()) {
            s_->named_slots.push_back(s_->find_attribute(*this, name));
        }
        s_->named_slots_list = names.id();
        s_->named_slots_revision = revision();
    }
    return s_->named_slots;
}

namespace {
std::atomic<std::uint64_t> next_names_id{1};
}  // namespace

AttributeNames::AttributeNames(std::vector<std::string> names)
    : names_(std::move(names)), id_(next_names_id.fetch_add(1)) {}

LStyle* LStyle::child_style(const std::string& name) const {
    if (s_->child_index_revision != revision()) {
        s_->child_index.clear();
        for (auto& [child_name, child] : child_styles_by_name(const_cast<LStyle*>(this))) {
            s_->child_index.emplace(child_name, child);
        }
        s_->child_index_revision = revision();
    }
    auto it = s_->child_index.find(name);
    return it == s_->child_index.end() ? nullptr : it->second;
}

LStyle* LStyle::base() const {
    return s_->base;
}
void LStyle::set_base(LStyle* base) {
    s_->base = base;
}
std::string LStyle::base_name() const {
    return s_->base_name;
}
void LStyle::set_base_name(const std::string& base_name) {
    s_->base_name = base_name;
}
bool LStyle::needs_base() const {
    return !s_->base && !s_->base_name.empty();
}

const std::string& LStyle::publisher() const {
    return s_->publisher;
}
void LStyle::set_publisher(const std::string& publisher) {
    s_->publisher = publisher;
}
const nlohmann::ordered_json& LStyle::extras() const {
    return s_->extras;
}
nlohmann::ordered_json& LStyle::extras() {
    return s_->extras;
}
const std::filesystem::path& LStyle::source_path() const {
    return s_->source_path;
}
void LStyle::set_source_path(const std::filesystem::path& source_path) {
    s_->source_path = source_path;
}

std::string LStyle::style_path() const {
    std::string path = name();
    for (auto* up = dynamic_cast<LStyle*>(parent()); up; up = dynamic_cast<LStyle*>(up->parent())) {
        if (!up->name().empty()) path = up->name() + "/" + path;
    }
    return path;
}

void LStyle::resolve_bases(LStyle* style) {
    // `resolving` stops a style that is reached again while its own
    // resolution is under way (through its children's bases); the depth
    // bound stops a long chain of distinct styles from exhausting the stack.
    if (!style || style->bases_resolved_ || style->s_->resolving) return;
    static thread_local int depth = 0;
    if (depth >= kMaxResolveDepth) {
        report_once("Layers: bases nested deeper than " + std::to_string(kMaxResolveDepth) +
                    " levels are left unresolved");
        return;
    }
    ++depth;
    style->s_->resolving = true;
    LStyle* base = style->base();
    if (base && !base->bases_resolved_) resolve_bases(base);
    for (auto& [name, child] : child_styles_by_name(style)) resolve_bases(child);
    if (base) apply_base(style, base);
    style->bases_resolved_ = true;
    style->s_->resolving = false;
    --depth;
}

}  // namespace Layers
