#pragma once

// Completions of the file pickers of the add dialogs.

#include <filesystem>
#include <memory>
#include <string>

#include "app/edit_queue.h"
#include "ext/ostrel/runtime/services.h"

namespace Ostrel {
class OApp;
}

namespace Scribenta {

// The pick of one image file of the site, hidden files not shown, starting
// in the site's `images` folder when anything is there (even a dangling
// link), else in `site`.
Ostrel::PickRequest site_image_pick(const std::filesystem::path& site, const std::string& title,
                                    const std::string& filter);

// on_icon_picked: copies the chosen icon into the site's images folder and
// makes it the dialog's icon ("/images/" + file name, its name in the hint).
// A cancelled pick, no shown configuration or a failed copy changes nothing.
struct IconPicked {
    Ostrel::OApp* app = nullptr;
    std::shared_ptr<const EditState> edits;  // tells whether a configuration is shown
    std::shared_ptr<std::string> icon;       // the dialog's icon value
    std::string hint_path;
    std::string images_folder;
    void operator()(const std::string& chosen) const;
};

// on_source_file_picked: writes the chosen file into the dialog's file field
// relative to `base_folder` (forward slashes) and marks the field as edited
// by hand, so later slug edits no longer rewrite it. `file_edited` is the
// dialog's flag, usually an aliasing pointer into its flags record.
struct SourceFilePicked {
    Ostrel::OApp* app = nullptr;
    std::shared_ptr<bool> file_edited;
    std::string field_path;
    std::string base_folder;
    void operator()(const std::string& chosen) const;
};

}  // namespace Scribenta
