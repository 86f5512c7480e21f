#include "app/project/new_file.h"

#include <system_error>

#include "config/safe_write.h"

namespace Scribenta {

bool create_new_file(const std::filesystem::path& path, std::string_view text) {
    std::error_code ec;
    if (std::filesystem::exists(std::filesystem::symlink_status(path, ec))) return false;
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), ec);
    return safe_create_file(path, text);
}

}  // namespace Scribenta
