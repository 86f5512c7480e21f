#include "config/build_manifest.h"

#include "config/config_paths.h"
#include "config/format_check.h"
#include "config/json_file.h"
#include "config/list_edit.h"

namespace Scribenta {
namespace fs = std::filesystem;

fs::path manifest_path(const fs::path& project_config, const std::string& source_root) {
    fs::path folder = project_config.parent_path();
    if (!source_root.empty()) folder /= source_root;
    return (folder / kManifestName).lexically_normal();
}

bool read_manifest_file(const fs::path& path, nlohmann::json& doc, std::string* error) {
    std::string message;
    switch (read_config(path, doc, &message)) {
        case ReadOutcome::Read:
            break;
        case ReadOutcome::CannotOpen:
            return set_error(error, std::string("No ") + kManifestName + " manifest at " +
                                        path.string() +
                                        " \u2014 the project's source root declares its own "
                                        "build block (readme/topics/includes) there");
        case ReadOutcome::ParseError:
            return set_error(error, "Invalid JSON in " + path.string() + ": " + message);
        case ReadOutcome::TooDeep:
            return set_error(error, path.string() + " " + message);
    }
    std::string format_error;
    if (!check_format(doc, &format_error)) {
        return set_error(error, path.string() + " " + format_error);
    }
    return true;
}

nlohmann::json read_manifest(const std::string& project_config, const std::string& source_root) {
    nlohmann::json doc;
    if (read_manifest_file(manifest_path(fs::path(project_config), source_root), doc) &&
        doc.is_object()) {
        return doc;
    }
    return nlohmann::json::object();
}

}  // namespace Scribenta
