#pragma once

// The icon and image folders the runtime sets once at start-up, and lookups
// in them. GUI thread only.

#include <QString>
#include <string>
#include <vector>

namespace Ostrel {

// Replace the folders searched, first to last.
void set_icon_dirs(std::vector<std::string> dirs);
void set_image_dirs(std::vector<std::string> dirs);

// dir + "/" + name of the first icon folder where that file exists, else "".
std::string resolve_icon_path(const std::string& file_name);
// The text of the first dir + "/" + name + ".svg" that opens, else "".
QString read_icon_svg(const std::string& name);
std::string icon_svg_text(const std::string& name);
// A relative source found in the image folders (first match), or an absolute
// one that exists; else "".
QString resolve_image_path(const std::string& source);

}  // namespace Ostrel
