#include "config/project_files.h"

#include <system_error>

#include "config/json_file.h"
#include "config/list_edit.h"

namespace Scribenta {
namespace fs = std::filesystem;

bool load_config_object(const fs::path& path, nlohmann::ordered_json& doc,
                        const std::string& cannot_read, std::string* error) {
    std::string message;
    const ReadOutcome outcome = read_config(path, doc, &message);
    if (outcome == ReadOutcome::Read && doc.is_object()) return true;
    if (outcome == ReadOutcome::TooDeep) return set_error(error, path.string() + " " + message);
    return set_error(error, cannot_read + path.string());
}

bool load_site_config(const fs::path& site_config, nlohmann::ordered_json& site,
                      std::string* error) {
    return load_config_object(site_config, site, "Cannot read site config: ", error);
}

bool path_exists(const fs::path& path) {
    std::error_code ec;
    return fs::exists(path, ec) && !ec;
}

bool file_holds(const fs::path& path, const nlohmann::ordered_json& doc) {
    nlohmann::ordered_json on_disk;
    return load_json_file(path, on_disk) && on_disk == doc;
}

void restore_unless_intact(const fs::path& path, const nlohmann::ordered_json& doc) {
    if (!file_holds(path, doc)) save_json_file(path, doc);
}

}  // namespace Scribenta
