// Theme files: the first top-level item is the theme; "_meta" names its
// publisher, uuid and type; every other member is a colour variable.

#include "ext/ostrel/engine/theme_info.h"

#include <exception>
#include <utility>

#include "ext/ostrel/engine/theme_json.h"

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
    // Errors come back as the result, never as an exception, so a broken
    // theme file cannot escape into the caller's event loop.
    try {
        nlohmann::ordered_json document;
        if (!parse_theme_document(text, document) || document.is_null()) return false;
        if (document.is_structured() && document.empty()) return false;
        ThemeInfo info;
        if (document.is_object()) {
            info = read_theme_info(document.begin().key(), document.begin().value());
        } else if (document.is_array()) {
            info = read_theme_info("0", document.front());
        } else {
            info = read_theme_info("", document);
        }
        out = std::move(info);  // cannot throw, so a failure leaves `out` as it was
        return true;
    } catch (const std::exception&) {
        return false;  // out of memory: the theme does not load
    }
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
