#pragma once

#include <filesystem>
#include <string>

#include <nlohmann/json.hpp>

namespace Scribenta {

// What `promote_rollback` needs to undo a promotion. It refers to values
// owned by the running promotion and lives only as long as it.
struct PromoteUndo {
    const std::filesystem::path& old_dir;        // the project folder, later the family folder
    const std::filesystem::path& member_dir;     // where the project folder was moved
    const std::filesystem::path& member_config;  // member_dir / ".scribenta-project"
    const nlohmann::ordered_json& project;       // the project config as read
    const std::filesystem::path& project_config_name;  // its file name, restored by the undo
};

// Turns a registered stand-alone project into a family with the project as
// its first member: the project folder moves to a sibling named
// <slug>-<member_slug>, a family config takes its old place, and the site's
// "projects" gains the family entry just before the member's. Either every
// step succeeds or the steps taken are undone.
bool promote_to_family(const std::filesystem::path& site_config,
                       const std::filesystem::path& project_config, const std::string& member_slug,
                       const std::string& family_label, std::string* out_family_config = nullptr,
                       std::string* out_member_config = nullptr, std::string* error = nullptr);

// Undoes the folder move of a promotion, optionally removing the family config
// first and writing the project config back afterwards. Every step ignores
// its own failure.
void promote_rollback(const PromoteUndo& undo, bool remove_family_config,
                      bool restore_project_config);

}  // namespace Scribenta
