#include "config/versions.h"

#include <algorithm>
#include <array>
#include <map>

#include "config/format_check.h"
#include "config/json_file.h"

namespace Scribenta {
using ordered_json = nlohmann::ordered_json;

namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// Reads one group of 1 to 9 digits at `pos`, leaving `pos` after it. Nine
// digits always fit a signed 32-bit integer.
bool read_group(const std::string& text, std::size_t& pos, std::int32_t& value) {
    std::size_t start = pos;
    value = 0;
    while (pos < text.size() && is_digit(text[pos])) {
        if (pos - start == 9) return false;
        value = value * 10 + (text[pos] - '0');
        ++pos;
    }
    return pos > start;
}

// A "label" (like a fact's "value") that is missing or not a string reads as
// empty, so such an element never matches a real label.
std::string label_of(const ordered_json& element) {
    return json_string(element, "label");
}

bool is_entry_for(const ordered_json& element, const std::string& label) {
    return element.is_object() && label_of(element) == label;
}

// Removes the matching elements of the array member `key`; a missing or
// non-array member is left alone.
template <typename Match>
void erase_matching(ordered_json& doc, const char* key, Match match) {
    auto it = doc.find(key);
    if (it == doc.end() || !it->is_array()) return;
    for (std::size_t i = it->size(); i-- > 0;) {
        if (match((*it)[i])) it->erase(i);
    }
}

bool read_project(const std::string& path, ordered_json& doc) {
    return load_json_file(path, doc) && doc.is_object();
}

bool write_project(const std::string& path, ordered_json& doc) {
    ensure_format_first(doc);
    return save_json_file(path, doc);
}

}  // namespace

bool parse_version_label(const std::string& text, VersionNumber& out) {
    std::array<std::int32_t, 3> groups{};
    std::size_t pos = 0;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        if (i > 0) {
            if (pos >= text.size() || text[pos] != '.') return false;
            ++pos;
        }
        if (!read_group(text, pos, groups[i])) return false;
    }
    if (pos != text.size()) return false;
    out = {groups[0], groups[1], groups[2]};
    return true;
}

bool version_newer(const std::string& a, const std::string& b) {
    VersionNumber va, vb;
    const bool a_ok = parse_version_label(a + ".0", va);
    const bool b_ok = parse_version_label(b + ".0", vb);
    if (a_ok != b_ok) return a_ok;
    if (!a_ok) return false;
    if (va.major != vb.major) return va.major > vb.major;
    return va.minor > vb.minor;
}

std::function<bool(const std::string&)> newer_label_predicate(std::string label) {
    return [label = std::move(label)](const std::string& other) {
        return version_newer(label, other);
    };
}

LatestVersion latest_version(const std::vector<VersionEntry>& versions,
                             const std::vector<BuiltVersion>& built) {
    auto built_named = [&](const std::string& name) {
        return std::find_if(built.begin(), built.end(),
                            [&](const BuiltVersion& b) { return b.name == name; });
    };
    auto keep_newer = [](const VersionEntry*& kept, const VersionEntry& entry) {
        if (!kept || version_newer(entry.label, kept->label)) kept = &entry;
    };

    const VersionEntry* newest = nullptr;
    const VersionEntry* newest_built = nullptr;
    for (const auto& entry : versions) {
        if (entry.label.empty()) continue;
        keep_newer(newest, entry);
        if (built_named(entry.label) != built.end()) keep_newer(newest_built, entry);
    }
    const VersionEntry* chosen = newest_built ? newest_built : newest;
    if (!chosen) return {};

    LatestVersion latest{chosen->label, chosen->label, chosen->release_date};
    auto folder = built_named(chosen->label);
    if (folder != built.end() && !folder->tag.empty()) latest.tag = folder->tag;
    return latest;
}

std::string version_status_label(const std::string& status) {
    static const std::map<std::string, std::string> words = {
        {"new", "New"},           {"excluded", "Excluded"}, {"pending", "Pending"},
        {"complete", "Complete"}, {"no-tag", "No Tag"},
    };
    auto it = words.find(status);
    return it == words.end() ? status : it->second;
}

bool exclude_version(const std::string& project_config_path, const std::string& label) {
    ordered_json doc;
    if (label.empty() || !read_project(project_config_path, doc)) return false;

    erase_matching(doc, "versions", [&](const ordered_json& e) { return is_entry_for(e, label); });

    auto& excluded = doc["versions_excluded"];
    if (!excluded.is_array()) excluded = ordered_json::array();
    if (std::find(excluded.begin(), excluded.end(), ordered_json(label)) == excluded.end()) {
        excluded.push_back(label);
    }
    return write_project(project_config_path, doc);
}

bool restore_version(const std::string& project_config_path, const std::string& label,
                     const std::string& release_date) {
    ordered_json doc;
    if (label.empty() || !read_project(project_config_path, doc)) return false;

    erase_matching(doc, "versions_excluded",
                   [&](const ordered_json& e) { return e == ordered_json(label); });

    auto& versions = doc["versions"];
    if (versions.is_null()) versions = ordered_json::array();
    if (!versions.is_array()) return false;

    auto declared = [&](const ordered_json& e) { return is_entry_for(e, label); };
    if (std::none_of(versions.begin(), versions.end(), declared)) {
        ordered_json entry = {{"label", label}, {"release_date", release_date}};
        copy_license_display(doc, entry);
        auto newer = newer_label_predicate(label);
        auto place = std::find_if(versions.begin(), versions.end(), [&](const ordered_json& e) {
            return e.is_object() && newer(label_of(e));
        });
        versions.insert(place, std::move(entry));
    }
    return write_project(project_config_path, doc);
}

void copy_license_display(const ordered_json& project, ordered_json& entry) {
    auto facts = project.find("facts");
    if (facts == project.end() || !facts->is_array()) return;
    std::string value;
    for (const auto& fact : *facts) {
        if (is_entry_for(fact, "License")) value = json_string(fact, "value");
    }
    if (!value.empty()) entry["license_display"] = value;
}

}  // namespace Scribenta
