#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace Scribenta {

// The record the build tool leaves in each version folder it generates.
inline constexpr const char* kBuiltRecordName = ".scribenta-built";

// The content of one ".scribenta-built" record; missing keys read as empty.
struct BuiltRecord {
    std::string tag;
    std::string commit;
    std::string built;
};

// One folder under a project's "versions" folder: its name and the tag of
// its record (empty when the record cannot be read).
struct BuiltVersion {
    std::string name;
    std::string tag;
};

// Reads `version_folder`/".scribenta-built". True when it parses, passes the
// format check and names a non-empty "tag"; otherwise one line of text goes
// to `error`. A root that is not an object, or a non-string "tag", "commit"
// or "built", reads as a missing key.
bool read_built_record(const std::filesystem::path& version_folder, BuiltRecord& record,
                       std::string* error = nullptr);

// Every folder (links to folders included) under `project_folder`/"versions",
// sorted by name in byte order, each with its record's tag. Empty when there
// is no such folder; never fails.
std::vector<BuiltVersion> list_built_versions(const std::filesystem::path& project_folder);

}  // namespace Scribenta
