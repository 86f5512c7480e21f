// Theme files: the first top-level item is the theme; "_meta" names its
// publisher, uuid and type; every other member is a colour variable.

#include "ext/ostrel/engine/theme_info.h"

namespace Ostrel {

std::string ThemeInfo::display_name() const {
    if (!publisher.empty()) return name + " (" + publisher + ")";
    if (!uuid.empty()) return name + " (" + uuid + ")";
    return name;
}

const Layers::LValue* ThemeInfo::find_var(const std::string& var) const {
    const auto found = variables.find(var);
    return found == variables.end() ? nullptr : &found->second;
}

std::string ThemeInfo::string_var(const std::string& var) const {
    const Layers::LValue* value = find_var(var);
    if (value == nullptr) return "";
    const auto* text = std::get_if<std::string>(value);
    return text == nullptr ? std::string() : *text;
}

Layers::LValue theme_var_from_json(const nlohmann::ordered_json& value) {
    if (value.is_array()) {
        std::vector<std::string> strings;
        for (const auto& element : value) {
            if (element.is_string()) strings.push_back(element.get<std::string>());
        }
        return strings;
    }
    if (value.is_string()) return value.get<std::string>();
    if (value.is_boolean()) return value.get<bool>();
    if (value.is_number()) return value.get<double>();
    return std::monostate{};
}

namespace {

std::string meta_string(const nlohmann::ordered_json& meta, const char* key) {
    const auto found = meta.find(key);
    if (found == meta.end() || !found->is_string()) return "";
    return found->get<std::string>();
}

}  // namespace

ThemeInfo read_theme_info(const std::string& name, const nlohmann::ordered_json& value) {
    ThemeInfo info;
    info.name = name;
    if (!value.is_object()) return info;
    for (const auto& [key, member] : value.items()) {
        if (key == "_meta") {
            if (member.is_object()) {
                info.publisher = meta_string(member, "publisher");
                info.uuid = meta_string(member, "uuid");
                info.type = meta_string(member, "type");
            }
            continue;
        }
        info.variables[key] = theme_var_from_json(member);
    }
    return info;
}

bool parse_theme_json(const std::string& text, ThemeInfo& out) {
    // The parser reports errors through its result, never by throwing, so a
    // broken theme file cannot escape into the caller's event loop. Arrays
    // and objects that start deeper than any theme's few levels are left
    // out: the ordered object copies its values as it grows, which recurses
    // once per level, and a theme thousands of levels deep would overflow
    // the stack.
    constexpr int kMaxThemeDepth = 64;
    const auto clip = [](int depth, nlohmann::ordered_json::parse_event_t event,
                         nlohmann::ordered_json&) {
        return depth < kMaxThemeDepth ||
               (event != nlohmann::ordered_json::parse_event_t::object_start &&
                event != nlohmann::ordered_json::parse_event_t::array_start);
    };
    const nlohmann::ordered_json document =
        nlohmann::ordered_json::parse(text, clip, /*allow_exceptions=*/false);
    if (document.is_discarded()) return false;
    if (document.is_object()) {
        if (document.empty()) return false;
        const auto first = document.begin();
        out = read_theme_info(first.key(), first.value());
        return true;
    }
    if (document.is_array()) {
        if (document.empty()) return false;
        out = read_theme_info("0", document.front());
        return true;
    }
    if (document.is_null()) return false;
    out = read_theme_info("", document);
    return true;
}

const std::vector<ThemeVar>& default_theme_variables() {
    // A function-local static is built once, safely against concurrent first use.
    static const std::vector<ThemeVar> defaults = {
        {"Foreground", std::string("#e3e3e3")},
        {"Gradient", std::vector<std::string>{"0:#3a3c42", "1:#42454d"}},
        {"Primary", std::string("#36393f")},
        {"Secondary", std::string("#2f3136")},
        {"Tertiary", std::string("#25272b")},
    };
    return defaults;
}

}  // namespace Ostrel
