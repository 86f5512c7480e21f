#include "ext/ostrel/layers/grammar.h"

#include <memory>
#include <optional>
#include <string_view>

#include "ext/ostrel/layers/build_limits.h"
#include "ext/ostrel/layers/diagnostics.h"
#include "ext/ostrel/layers/lattribute.h"
#include "ext/ostrel/layers/lstyle.h"

namespace Layers {

namespace {

using Json = nlohmann::ordered_json;

bool is_style_reference(const Json& value) {
    return value.is_string() && value.get_ref<const std::string&>().rfind("S:", 0) == 0;
}

bool has_state_key(const Json& object) {
    for (auto& [key, member] : object.items()) {
        if (!key.empty() && (key[0] == ':' || key[0] == '?')) return true;
    }
    return false;
}

void read_meta_publisher(LStyle* style, const Json& meta) {
    if (!meta.is_object()) return;
    auto publisher = meta.find("_publisher");
    if (publisher == meta.end()) return;
    if (!publisher->is_string()) {
        report_line("Layers: ignored non-string \"_publisher\" on style " + quoted(style->name()));
        return;
    }
    style->set_publisher(publisher->get<std::string>());
}

void read_publisher(LStyle* style, const Json& object) {
    auto meta = object.find("_meta");
    if (meta != object.end()) read_meta_publisher(style, *meta);
}

// Whether arrays and objects nest more than `limit` levels deep, found
// without recursion: copying such a value would recurse once per level.
bool nests_deeper_than(const Json& value, int limit) {
    std::vector<std::pair<const Json*, int>> pending{{&value, 0}};
    while (!pending.empty()) {
        auto [at, depth] = pending.back();
        pending.pop_back();
        if (!at->is_structured()) continue;
        if (depth >= limit) return true;
        for (const Json& element : *at) pending.emplace_back(&element, depth + 1);
    }
    return false;
}

// Why a member is skipped, on one line.
void report_skipped(const LStyle* style, const std::string& key, const std::string& why) {
    report_line("Layers: skipped member " + quoted(key_for_message(key)) + " of style " +
                quoted(style->name()) + ": " + why);
}

std::string too_deep_text() {
    return "nested deeper than " + std::to_string(kMaxNesting) + " levels";
}

// Build costs, counted the way the rules below build: styles and attributes
// made from a value, saturating just past `cap`. Levels past the nesting
// limit are not built, so they cost nothing.
std::size_t add_capped(std::size_t a, std::size_t b, std::size_t cap) {
    return a + b > cap ? cap + 1 : a + b;
}

std::size_t times_capped(std::size_t n, std::size_t each, std::size_t cap) {
    return each != 0 && n > (cap + 1) / each ? cap + 1 : n * each;
}

std::size_t attribute_cost(const Json& value, std::size_t cap, int depth) {
    if (depth > kMaxNesting) return 0;
    std::size_t total = 1;
    if (!value.is_object()) return total;
    for (auto& [key, member] : value.items()) {
        if (key.empty() || key == "->" || key == "link" || key == "link_relative") continue;
        total = add_capped(total, attribute_cost(member, cap, depth + 1), cap);
        if (total > cap) break;
    }
    return total;
}

std::size_t style_cost(const Json& value, std::size_t cap, int depth);

std::size_t member_cost(const std::string& key, const Json& value, std::size_t cap, int depth) {
    if (key.empty() || key == "->" || key[0] == '~' || depth > kMaxNesting) return 0;
    if (auto slash = key.find('/'); slash != std::string::npos) {
        return add_capped(1, member_cost(key.substr(slash + 1), value, cap, depth + 1), cap);
    }
    std::size_t each = 1;
    if (is_style_reference(value) || !value.is_object()) {
        each = 1;
    } else if (auto own = value.find("->"); own != value.end()) {
        each = is_style_reference(*own) ? style_cost(value, cap, depth)
                                        : attribute_cost(value, cap, depth);
    } else {
        each = add_capped(has_state_key(value) ? attribute_cost(value, cap, depth) : 0,
                          style_cost(value, cap, depth), cap);
    }
    return times_capped(expand_key_alternatives(key).size(), each, cap);
}

std::size_t style_cost(const Json& value, std::size_t cap, int depth) {
    std::size_t total = 1;
    if (!value.is_object()) return total;
    for (auto& [key, member] : value.items()) {
        total = add_capped(total, member_cost(key, member, cap, depth + 1), cap);
        if (total > cap) break;
    }
    return total;
}

// The names a member makes, or none when it must be skipped: a key that
// stands for too many names, or one whose copies of the value would exceed
// the file's budget.
std::vector<std::string> member_names(LStyle* style, const std::string& key, const Json& value,
                                      bool as_style, bool as_attribute) {
    std::vector<std::string> names = expand_key_alternatives(key);
    if (names.empty()) {
        report_skipped(style, key,
                       "its key alternatives pass the limit of " +
                           std::to_string(kMaxKeyAlternatives) + " names or " +
                           std::to_string(kMaxKeyGroups) + " groups");
        return names;
    }
    if (names.size() == 1) return names;
    // Copies are what can grow past the file's own size: count them first.
    constexpr std::size_t cap = kMaxBuiltObjects;
    std::size_t each = 0;
    if (as_style) each = add_capped(each, style_cost(value, cap, 1), cap);
    if (as_attribute) each = add_capped(each, attribute_cost(value, cap, 1), cap);
    if (!fits_build_budget(times_capped(names.size(), each, cap))) {
        report_skipped(style, key,
                       "its key alternatives would make more than " +
                           std::to_string(kMaxBuiltObjects) + " styles and attributes");
        names.clear();
    }
    return names;
}

void add_attributes(LStyle* style, const std::vector<std::string>& names, const Json& value) {
    for (const std::string& name : names) {
        style->add_child(std::make_unique<LAttribute>(name, value));
    }
}

void add_child_styles(LStyle* style, const std::vector<std::string>& names, const Json& value) {
    for (const std::string& name : names) {
        style->add_child(std::make_unique<LStyle>(name, value, style->source_path()));
    }
}

void parse_member(LStyle* style, const std::string& key, const Json& value,
                  const std::filesystem::path& source_path);

// A "/" key: a child named by its head holding the rest as its one member,
// built in place rather than from a copied one-member object, so that a long
// path costs no copies of its value.
void parse_path_member(LStyle* style, const std::string& key, std::size_t slash, const Json& value,
                       const std::filesystem::path& source_path) {
    auto child = std::make_unique<LStyle>(key.substr(0, slash));
    child->set_source_path(source_path);
    {
        BuildLevel level;
        const std::string rest = key.substr(slash + 1);
        if (rest == "_meta") read_meta_publisher(child.get(), value);
        parse_member(child.get(), rest, value, source_path);
    }
    style->add_child(std::move(child));
}

void parse_member(LStyle* style, const std::string& key, const Json& value,
                  const std::filesystem::path& source_path) {
    if (key.empty()) return;
    if (key == "->") {
        if (!value.is_string()) {
            report_line("Layers: ignored non-string \"->\" on style " + quoted(style->name()));
            return;
        }
        style->set_base_name(strip_style_prefix(value.get<std::string>()));
        return;
    }
    if (key[0] == '~') {
        if (nests_deeper_than(value, kMaxNesting)) {
            report_skipped(style, key, too_deep_text());
            return;
        }
        style->extras()[key] = value;
        return;
    }
    // Every other member makes a child style or an attribute one level down.
    if (BuildLevel::next_too_deep()) {
        report_skipped(style, key, too_deep_text());
        return;
    }
    if (auto slash = key.find('/'); slash != std::string::npos) {
        parse_path_member(style, key, slash, value, source_path);
        return;
    }
    bool as_style = false;
    bool as_attribute = false;
    if (is_style_reference(value)) {
        as_style = true;
    } else if (!value.is_object()) {
        as_attribute = true;
    } else if (auto own = value.find("->"); own != value.end()) {
        as_style = is_style_reference(*own);
        as_attribute = !as_style;
    } else {
        // Both an attribute (its state variants) and a child style.
        as_attribute = has_state_key(value);
        as_style = true;
    }
    const std::vector<std::string> names = member_names(style, key, value, as_style, as_attribute);
    if (as_attribute) add_attributes(style, names, value);
    if (as_style) add_child_styles(style, names, value);
}

}  // namespace

void parse_style_json(LStyle* style, const Json& value, const std::filesystem::path& source_path) {
    std::optional<FileBuildScope> own_scope;
    if (!FileBuildScope::active()) own_scope.emplace();
    BuildLevel level;
    style->set_base_name("");
    style->set_publisher("");
    style->extras() = Json();
    if (value.is_string()) {
        style->set_base_name(strip_style_prefix(value.get<std::string>()));
        return;
    }
    if (!value.is_object()) return;
    read_publisher(style, value);
    for (auto& [key, member] : value.items()) parse_member(style, key, member, source_path);
}

std::string strip_style_prefix(const std::string& text) {
    if (text.size() >= 2 && text.compare(0, 2, "S:") == 0) return text.substr(2);
    return text;
}

void define_attributes(LStyle* style, const std::string& key, const Json& value) {
    add_attributes(style, member_names(style, key, value, false, true), value);
}

void define_child_styles(LStyle* style, const std::string& key, const Json& value) {
    add_child_styles(style, member_names(style, key, value, true, false), value);
}

// Groups are expanded depth first, first alternative first, from an explicit
// stack: a key of many groups must not recurse once per group. Past the
// limits the key stands for nothing; the work is bounded as well, since each
// pending text may be as long as the key.
std::vector<std::string> expand_key_alternatives(const std::string& key) {
    if (key.find('(') == std::string::npos) return {key};
    constexpr std::size_t kMaxWork = std::size_t{16} << 20;  // bytes of pending text
    struct Pending {
        std::string text;
        int groups;
    };
    std::vector<std::string> result;
    std::vector<Pending> stack;
    stack.push_back({key, 0});
    std::size_t work = 0;
    while (!stack.empty()) {
        Pending item = std::move(stack.back());
        stack.pop_back();
        const auto open = item.text.find('(');
        const auto close = open == std::string::npos ? open : item.text.find(')', open);
        if (close == std::string::npos) {
            if (result.size() == kMaxKeyAlternatives) return {};
            result.push_back(std::move(item.text));
            continue;
        }
        if (item.groups == kMaxKeyGroups) return {};
        const std::string_view text(item.text);
        const std::string_view prefix = text.substr(0, open);
        const std::string_view suffix = text.substr(close + 1);
        const std::string_view inner = text.substr(open + 1, close - open - 1);
        // Pushed last piece first, so the first piece is expanded first.
        std::size_t end = inner.size();
        while (true) {
            const auto comma = end == 0 ? std::string_view::npos : inner.rfind(',', end - 1);
            const std::size_t begin = comma == std::string_view::npos ? 0 : comma + 1;
            std::string expanded;
            expanded.reserve(prefix.size() + (end - begin) + suffix.size());
            expanded.append(prefix).append(inner.substr(begin, end - begin)).append(suffix);
            work += expanded.size() + 1;
            if (work > kMaxWork) return {};
            stack.push_back({std::move(expanded), item.groups + 1});
            if (comma == std::string_view::npos) break;
            end = comma;
        }
    }
    return result;
}

}  // namespace Layers
