#pragma once

// A registered theme: its identity and its colour variables.

#include <map>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "ext/ostrel/layers/layers.h"

namespace Ostrel {

struct ThemeInfo {
    std::string name;
    std::string publisher;
    std::string uuid;
    std::string type;
    std::map<std::string, Layers::LValue> variables;

    // The key under which the theme is registered and activated:
    // name + " (" + publisher + ")", else name + " (" + uuid + ")", else name.
    std::string display_name() const;
    const Layers::LValue* find_var(const std::string& var) const;
    // The variable's text when it holds a string, else "".
    std::string string_var(const std::string& var) const;
};

// One default theme variable.
struct ThemeVar {
    std::string name;
    Layers::LValue value;
};

Layers::LValue theme_var_from_json(const nlohmann::ordered_json& value);
ThemeInfo read_theme_info(const std::string& name, const nlohmann::ordered_json& value);
// Fills out and returns true when the text parses and has a first item.
bool parse_theme_json(const std::string& text, ThemeInfo& out);
// "Foreground", "Gradient", "Primary", "Secondary", "Tertiary" with their
// built-in values; built once.
const std::vector<ThemeVar>& default_theme_variables();

}  // namespace Ostrel
