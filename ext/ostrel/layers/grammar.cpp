#include "ext/ostrel/layers/grammar.h"

#include <memory>

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

void read_publisher(LStyle* style, const Json& object) {
    auto meta = object.find("_meta");
    if (meta == object.end() || !meta->is_object()) return;
    auto publisher = meta->find("_publisher");
    if (publisher == meta->end()) return;
    if (!publisher->is_string()) {
        report_line("Layers: ignored non-string \"_publisher\" on style " + quoted(style->name()));
        return;
    }
    style->set_publisher(publisher->get<std::string>());
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
        style->extras()[key] = value;
        return;
    }
    if (auto slash = key.find('/'); slash != std::string::npos) {
        Json nested = Json::object();
        nested[key.substr(slash + 1)] = value;
        style->add_child(std::make_unique<LStyle>(key.substr(0, slash), nested, source_path));
        return;
    }
    if (is_style_reference(value)) {
        define_child_styles(style, key, value);
    } else if (!value.is_object()) {
        define_attributes(style, key, value);
    } else if (auto own = value.find("->"); own != value.end()) {
        if (is_style_reference(*own)) {
            define_child_styles(style, key, value);
        } else {
            define_attributes(style, key, value);
        }
    } else {
        // Both an attribute (its state variants) and a child style.
        if (has_state_key(value)) define_attributes(style, key, value);
        define_child_styles(style, key, value);
    }
}

}  // namespace

void parse_style_json(LStyle* style, const Json& value, const std::filesystem::path& source_path) {
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
    for (const std::string& name : expand_key_alternatives(key)) {
        style->add_child(std::make_unique<LAttribute>(name, value));
    }
}

void define_child_styles(LStyle* style, const std::string& key, const Json& value) {
    for (const std::string& name : expand_key_alternatives(key)) {
        style->add_child(std::make_unique<LStyle>(name, value, style->source_path()));
    }
}

std::vector<std::string> expand_key_alternatives(const std::string& key) {
    auto open = key.find('(');
    if (open == std::string::npos) return {key};
    auto close = key.find(')', open);
    if (close == std::string::npos) return {key};
    const std::string prefix = key.substr(0, open);
    const std::string suffix = key.substr(close + 1);
    const std::string inner = key.substr(open + 1, close - open - 1);
    std::vector<std::string> result;
    std::size_t start = 0;
    while (true) {
        auto comma = inner.find(',', start);
        std::string piece =
            inner.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        for (auto& name : expand_key_alternatives(prefix + piece + suffix)) {
            result.push_back(std::move(name));
        }
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return result;
}

}  // namespace Layers
