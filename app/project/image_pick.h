#pragma once

#include <filesystem>
#include <string>

#include "ext/ostrel/runtime/services.h"

namespace Scribenta {

// The pick request of the project's image pickers (logo, dependency and
// platform icons): an image file, starting in the site's "images" folder
// when it exists, else in the configuration's folder. `images` receives
// the site's images folder, where the pick is copied.
Ostrel::PickRequest site_image_request(const std::string& config_path, const std::string& title,
                                       std::filesystem::path& images);

}  // namespace Scribenta
