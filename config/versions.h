#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "config/built_records.h"

namespace Scribenta {

// A parsed "major.minor.patch" text.
struct VersionNumber {
    std::int32_t major = 0;
    std::int32_t minor = 0;
    std::int32_t patch = 0;
};

// One element of a project's "versions" as the project form reads it.
struct VersionEntry {
    std::string label;
    std::string release_date;
};

// The version the project form shows as the latest; all empty when none.
struct LatestVersion {
    std::string label;
    std::string tag;
    std::string release_date;
};

// Exactly three groups of 1 to 9 ASCII digits joined by single dots.
// `out` is written only on success.
bool parse_version_label(const std::string& text, VersionNumber& out);

// True when label `a` (major.minor) is a newer release line than `b`. A
// label that parses is newer than one that does not; equal numbers are not
// newer.
bool version_newer(const std::string& a, const std::string& b);

// `version_newer` with its first label fixed.
std::function<bool(const std::string&)> newer_label_predicate(std::string label);

// The newest labelled entry that has a built folder of the same name, else
// the newest labelled entry; its tag is the built folder's non-empty tag,
// else its label. Among equal labels the first entry wins.
LatestVersion latest_version(const std::vector<VersionEntry>& versions,
                             const std::vector<BuiltVersion>& built);

// The display word of a build tool status ("no-tag" is "No Tag"); unknown
// words come back unchanged.
std::string version_status_label(const std::string& status);

// Removes every declared entry with `label` from "versions" and lists the
// label once in "versions_excluded". False, with the file untouched, for an
// empty label, an unreadable file or a root that is not an object, or when
// the rewrite fails.
bool exclude_version(const std::string& project_config_path, const std::string& label);

// Takes `label` out of "versions_excluded" and, unless it is declared
// already, inserts a new entry into the newest-first "versions" before the
// first older (or unparsable) entry. Fails as `exclude_version` does, and
// also when "versions" is neither missing, null nor an array.
bool restore_version(const std::string& project_config_path, const std::string& label,
                     const std::string& release_date);

// Sets the entry's "license_display" from the value of the project's last
// "License" fact, when that value is not empty.
void copy_license_display(const nlohmann::ordered_json& project, nlohmann::ordered_json& entry);

}  // namespace Scribenta
