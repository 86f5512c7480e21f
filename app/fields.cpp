#include "app/fields.h"

#include <filesystem>

#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

void set_field_text(Ostrel::OApp& app, const std::string& path, const std::string& text) {
    app.texts[path] = text;
    app.values[path] = text;
}

void SetHint::operator()(const std::string& text) const {
    app->texts[path] = text;
    app->set_visible(path, !text.empty());
}

std::string trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

int parse_int_or(const std::string& text, int fallback) {
    std::string rest = trim(text);
    if (rest.size() >= 2) {
        const char p = rest[rest.size() - 2];
        const char x = rest[rest.size() - 1];
        if ((p == 'p' || p == 'P') && (x == 'x' || x == 'X')) rest.resize(rest.size() - 2);
    }
    if (rest.empty() || rest.size() > 3) return fallback;
    int value = 0;
    for (const char c : rest) {
        if (c < '0' || c > '9') return fallback;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::string resolve_config_path(const std::string& base_folder, const std::string& source_root,
                                const std::string& text) {
    std::filesystem::path path(text);
    if (path.is_relative() && !source_root.empty())
        path = std::filesystem::path(source_root) / path;
    if (path.is_relative()) path = std::filesystem::path(base_folder) / path;
    return path.lexically_normal().string();
}

std::string named_source_file(const std::string& config_path, const std::string& source_root,
                              const std::string& text) {
    if (text.empty()) return {};
    return resolve_config_path(std::filesystem::path(config_path).parent_path().string(),
                               source_root, text);
}

}  // namespace Scribenta
