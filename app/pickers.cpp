#include "app/pickers.h"

#include <filesystem>

#include "app/fields.h"
#include "config/config_paths.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

void IconPicked::operator()(const std::string& chosen) const {
    if (chosen.empty() || edits->config_path.empty()) return;
    if (copy_into_directory(images_folder, chosen).empty()) return;
    const std::string name = std::filesystem::path(chosen).filename().string();
    *icon = "/images/" + name;
    app->texts[hint_path] = name;
}

void SourceFilePicked::operator()(const std::string& chosen) const {
    if (chosen.empty()) return;
    set_field_text(*app, field_path, relative_path_string(base_folder, chosen));
    *file_edited = true;
}

}  // namespace Scribenta
