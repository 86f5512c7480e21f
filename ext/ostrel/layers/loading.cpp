#include "ext/ostrel/layers/loading.h"

#include <algorithm>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>

#include "ext/ostrel/layers/bases.h"
#include "ext/ostrel/layers/build_limits.h"
#include "ext/ostrel/layers/diagnostics.h"
#include "ext/ostrel/layers/registry.h"
#include "ext/ostrel/layers/tree.h"

namespace Layers {

namespace fs = std::filesystem;

namespace {

using Json = nlohmann::ordered_json;

// The narrow path between double quotes, with quotes and backslashes escaped.
std::string quoted_path(const fs::path& path) {
    std::string out = "\"";
    for (char c : path.string()) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + "\"";
}

void report_directory(const fs::path& directory, const std::string& what) {
    report_line("Layers::read_json_tree: " + what + ": " + directory.string());
}

bool is_layer_file(const fs::path& path) {
    const std::string name = path.filename().string();
    return path.extension() == ".json" && !name.empty() && name[0] != '_';
}

// `open` holds the directories being walked, so a symbolic link back to one
// of them is not followed round for ever.
void walk(const fs::path& directory, std::set<fs::path>& open, FileTextMap& result) {
    std::error_code ec;
    const fs::path identity = fs::canonical(directory, ec);
    if (ec) {
        report_directory(directory, "Could not read directory");
        return;
    }
    if (!open.insert(identity).second) {
        report_directory(directory, "Skipped directory loop");
        return;
    }
    fs::directory_iterator it(directory, ec);
    if (ec) report_directory(directory, "Could not read directory");
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const fs::path path = it->path();
        std::error_code status_ec;
        const fs::file_status status = fs::status(path, status_ec);
        if (fs::is_directory(status)) {
            FileTextMap nested;
            walk(path, open, nested);
            result.insert(nested.begin(), nested.end());
        } else if (fs::is_regular_file(status)) {
            if (is_layer_file(path)) result[path] = load_json_file(path);
        } else if (status_ec && status.type() != fs::file_type::not_found) {
            report_line("Layers::read_json_tree: Could not read entry: " + path.string());
        }
    }
    if (ec) report_directory(directory, "Could not read directory");
    open.erase(identity);
}

// The top-level members of a layer file as (key, value) items.
std::vector<std::pair<std::string, const Json*>> top_level_items(const Json& document) {
    std::vector<std::pair<std::string, const Json*>> items;
    if (document.is_object()) {
        for (auto& [key, value] : document.items()) items.emplace_back(key, &value);
    } else if (document.is_array()) {
        for (std::size_t i = 0; i < document.size(); ++i) {
            items.emplace_back(std::to_string(i), &document[i]);
        }
    } else if (!document.is_null()) {
        items.emplace_back("", &document);
    }
    return items;
}

void place_pending(Registry& registry) {
    auto& pending = registry.pending;
    for (auto it = pending.begin(); it != pending.end();) {
        auto segments = split_segments(it->first, '/');
        if (segments.size() < 2) {
            ++it;
            continue;
        }
        const std::string leaf = segments.back();
        segments.pop_back();
        auto* parent = dynamic_cast<LStyle*>(find_segments(registry, segments));
        if (!parent) {
            ++it;
            continue;
        }
        auto existing = child_styles_by_name(parent);
        auto found = existing.find(leaf);
        if (found != existing.end()) {
            merge_style(found->second, it->second.get());
        } else {
            it->second->set_name(leaf);
            parent->add_child(std::move(it->second));
        }
        it = pending.erase(it);
    }
}

}  // namespace

void load_directory(Registry& registry, const std::string& directory,
                    const std::string& mount_name) {
    const fs::path path(directory);
    mount_files(registry, path, read_json_tree(path), mount_name);
}

FileTextMap read_json_tree(const fs::path& directory) {
    FileTextMap result;
    std::set<fs::path> open;
    walk(directory, open, result);
    return result;
}

std::string load_json_file(const fs::path& path) {
    std::ifstream in(path);
    if (!in.is_open()) {
        std::cerr << "Layers::load_json_file"
                  << ": Could not read file: " << path.string() << std::endl;
        return "";
    }
    std::ostringstream content;
    content << in.rdbuf();
    return strip_json_blanks(content.str());
}

ParsedFileMap parse_json_files(const FileTextMap& files) {
    ParsedFileMap parsed;
    for (auto& [path, text] : files) {
        // Arrays and objects that start deeper than this are left out while
        // parsing: copying a value, as the ordered object does when it grows,
        // recurses once per level, and the styles stop far above it anyway.
        constexpr int kMaxJsonDepth = 4 * kMaxNesting;
        bool clipped = false;
        const auto clip = [&](int depth, Json::parse_event_t event, Json&) {
            if (depth < kMaxJsonDepth || (event != Json::parse_event_t::object_start &&
                                          event != Json::parse_event_t::array_start)) {
                return true;
            }
            clipped = true;
            return false;
        };
        try {
            parsed[path] = Json::parse(text, clip, true, false);
            if (clipped) {
                report_line("Layers: skipped values nested deeper than " +
                            std::to_string(kMaxJsonDepth) + " levels in " + quoted_path(path));
            }
        } catch (const Json::exception& error) {
            // Besides syntax errors the parser throws for numbers out of
            // range; either way the file is reported and left out.
            std::cerr << "JSON Parse Error in " << quoted_path(path) << ": " << error.what()
                      << std::endl;
        }
    }
    return parsed;
}

void mount_files(Registry& registry, const fs::path& /*directory*/, const FileTextMap& files,
                 const std::string& mount_name) {
    const ParsedFileMap parsed = parse_json_files(files);
    LStyle* root = Registry::root(registry);
    LStyle* mount = root;
    if (!mount_name.empty()) {
        mount = LObject::find_path(root, mount_name);
        if (!mount) {
            auto created = std::make_unique<LStyle>(mount_name);
            mount = created.get();
            root->add_child(std::move(created));
        }
    }
    const NewStyleSet built = build_file_styles(registry, parsed, mount);
    CopyScope copies;  // one budget for everything this mount copies
    for (LStyle* style : built) resolve_base_references(registry, style);
    for (LStyle* style : built) LStyle::resolve_bases(style);
    place_pending(registry);
}

NewStyleSet build_file_styles(Registry& registry, const ParsedFileMap& files, LStyle* mount) {
    NewStyleSet built;
    LStyle* root = Registry::root(registry);
    for (auto& [path, document] : files) {
        // One budget per file: a hostile file spends only its own.
        FileBuildScope scope;
        for (auto& [key, value] : top_level_items(document)) {
            auto style = std::make_unique<LStyle>(key, *value, fs::path());
            LStyle* raw = style.get();
            built.push_back(raw);
            if (key.find('/') == std::string::npos) {
                mount->add_child(std::move(style));
                continue;
            }
            const std::string name = mount == root ? key : mount->name() + "/" + key;
            style->set_name(name);
            auto& slot = registry.pending[name];
            if (slot) {
                // The later definition wins; the one it replaces is freed
                // here and must not be visited by this mount again.
                built.erase(std::remove(built.begin(), built.end(), slot.get()), built.end());
            }
            slot = std::move(style);
        }
    }
    return built;
}

}  // namespace Layers
