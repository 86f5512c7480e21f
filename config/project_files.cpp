#include "config/project_files.h"

#include <system_error>

#include "config/json_file.h"

namespace Scribenta {
namespace fs = std::filesystem;

bool load_site_config(const fs::path& site_config, nlohmann::ordered_json& site,
                      std::string* error) {
    if (load_json_file(site_config, site) && site.is_object()) return true;
    return set_error(error, "Cannot read site config: " + site_config.string());
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
