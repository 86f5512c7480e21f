#pragma once

#include <filesystem>
#include <string_view>

namespace Scribenta {

// Creates a file holding `text` when nothing stands at `path`: its missing
// folders first (a failure there shows only as the file not being made),
// then the file by exclusive creation, so an existing file, or one that
// appears meanwhile, is never truncated. True when the file was created.
bool create_new_file(const std::filesystem::path& path, std::string_view text);

}  // namespace Scribenta
