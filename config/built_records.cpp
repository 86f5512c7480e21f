#include "config/built_records.h"

#include <algorithm>
#include <system_error>

#include <nlohmann/json.hpp>

#include "config/format_check.h"
#include "config/json_file.h"
#include "config/list_edit.h"

namespace Scribenta {
namespace fs = std::filesystem;

namespace {

std::string string_member(const nlohmann::json& doc, const char* key) {
    if (!doc.is_object()) return {};
    auto it = doc.find(key);
    return it != doc.end() && it->is_string() ? it->get<std::string>() : std::string();
}

}  // namespace

bool read_built_record(const fs::path& version_folder, BuiltRecord& record, std::string* error) {
    const fs::path path = version_folder / kBuiltRecordName;
    // Only a regular file is a record (the reader opens nothing else): a FIFO
    // of that name would block the listing forever.
    nlohmann::json doc;
    std::string message;
    switch (read_config(path, doc, &message)) {
        case ReadOutcome::Read:
            break;
        case ReadOutcome::CannotOpen:
            return set_error(error, "No .scribenta-built in " + version_folder.string());
        case ReadOutcome::ParseError:
            return set_error(error, "Invalid JSON in " + path.string() + ": " + message);
        case ReadOutcome::TooDeep:
            return set_error(error, path.string() + " " + message);
    }
    std::string format_error;
    if (!check_format(doc, &format_error))
        return set_error(error, path.string() + " " + format_error);

    record.tag = string_member(doc, "tag");
    record.commit = string_member(doc, "commit");
    record.built = string_member(doc, "built");
    if (record.tag.empty()) return set_error(error, path.string() + " records no tag");
    return true;
}

std::vector<BuiltVersion> list_built_versions(const fs::path& project_folder) {
    std::vector<BuiltVersion> versions;
    const fs::path folder = project_folder / "versions";
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return versions;
    fs::directory_iterator it(folder, ec);
    // An error part-way through ends the walk; what was read so far stands.
    for (const fs::directory_iterator end; !ec && it != end; it.increment(ec)) {
        std::error_code status_ec;
        if (!fs::is_directory(it->status(status_ec))) continue;
        BuiltVersion version{it->path().filename().string(), {}};
        BuiltRecord record;
        if (read_built_record(it->path(), record)) version.tag = record.tag;
        versions.push_back(std::move(version));
    }
    std::sort(versions.begin(), versions.end(),
              [](const BuiltVersion& a, const BuiltVersion& b) { return a.name < b.name; });
    return versions;
}

}  // namespace Scribenta
