#pragma once

#include <filesystem>
#include <string>

namespace Scribenta {

// Makes `site_folder` a new site: creates it with its "content-fragments"
// and "images" folders and writes ".scribenta-site" from the fixed template
// (an empty title becomes "My Site"). Never replaces an existing site
// config; on failure one line of text goes to `error` and no config file,
// whole or partial, is left behind.
bool create_site(const std::filesystem::path& site_folder, const std::string& title,
                 std::string* error = nullptr);

}  // namespace Scribenta
