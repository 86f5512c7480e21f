#include "config/home_sections.h"

#include <algorithm>
#include <cstdint>
#include <system_error>
#include <utility>

#include "config/json_file.h"
#include "config/list_edit.h"
#include "config/safe_write.h"
#include "config/slugs.h"

namespace Scribenta {
namespace fs = std::filesystem;
using ordered_json = nlohmann::ordered_json;

namespace {

// The section list of a site document, or null when there is none to read.
const nlohmann::json* section_list(const nlohmann::json& doc) {
    if (!doc.is_object()) return nullptr;
    auto home = doc.find("home");
    if (home == doc.end() || !home->is_object()) return nullptr;
    auto sections = home->find("sections");
    return sections != home->end() && sections->is_array() ? &*sections : nullptr;
}

std::string string_member(const nlohmann::json& obj, const char* key) {
    auto it = obj.find(key);
    return it != obj.end() && it->is_string() ? it->get<std::string>() : std::string();
}

}  // namespace

std::vector<std::string> home_section_types(const std::string& site_config_path) {
    nlohmann::json doc;
    std::vector<std::string> types;
    if (read_config(fs::path(site_config_path), doc) != ReadOutcome::Read) return types;
    if (const auto* sections = section_list(doc)) {
        for (const auto& section : *sections) {
            if (section.is_object()) types.push_back(string_member(section, "type"));
        }
    }
    return types;
}

std::string unique_home_section_id(const std::string& site_config_path, const std::string& base) {
    // A file that stops part-way still tells the ids read before the break.
    nlohmann::json doc;
    read_config(fs::path(site_config_path), doc);
    std::vector<std::string> used;
    if (const auto* sections = section_list(doc)) {
        for (const auto& section : *sections) {
            if (section.is_object()) used.push_back(string_member(section, "id"));
        }
    }
    const std::string stem = base.empty() ? "section" : base;
    std::string candidate = stem;
    for (int n = 2; std::find(used.begin(), used.end(), candidate) != used.end(); ++n) {
        candidate = stem + "-" + std::to_string(n);
    }
    return candidate;
}

std::string create_home_fragment(const fs::path& site_folder, const std::string& id) {
    // The id becomes a file name: one that names another folder ("../x",
    // "a/b") would write outside "content-fragments".
    if (!is_plain_folder_name(id)) return {};
    const std::string rel = "content-fragments/" + id + "_home.html";
    const fs::path file = site_folder / rel;
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);  // a failure shows in the write below
    // An existing fragment keeps its content: a reused id reuses the section.
    if (!fs::exists(file, ec)) {
        const std::string placeholder =
            "<section>\n  <div class=\"section_content slim\">\n    <p>New custom section "
            "\u2014 edit " +
            rel + ".</p>\n  </div>\n</section>\n";
        if (!safe_write_file(file, placeholder)) return {};
    }
    return "/" + rel;
}

bool add_home_section_to_config(const std::string& site_config_path, const ordered_json& section) {
    return edit_config_file(site_config_path, EditTexts{}, nullptr, [&](ordered_json& root) {
        ensure_array_member(ensure_object_member(root, "home"), "sections").push_back(section);
        return true;
    });
}

bool move_home_section(const std::string& site_config_path, std::size_t index, int delta) {
    ordered_json doc;
    if (!read_json_file(site_config_path, doc)) return false;
    ordered_json& sections = doc["home"]["sections"];
    // The index is tested first so the signed sum below cannot overflow.
    if (index >= sections.size()) return false;
    const std::int64_t count = static_cast<std::int64_t>(sections.size());
    const std::int64_t target = static_cast<std::int64_t>(index) + delta;
    if (target < 0 || target >= count) return false;
    std::swap(sections[index], sections[static_cast<std::size_t>(target)]);
    return write_json_file(site_config_path, doc);
}

}  // namespace Scribenta
