#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace Scribenta {

// Replaces the file at `path` with `text` without ever leaving it short or
// half-written: the text goes to a temporary file in the target's folder
// (a symbolic link is followed to its target), is flushed and closed with
// every step checked, and is renamed over the target, which keeps its
// permission bits; an existing file the process may not write is refused.
// When the folder takes no new entries (a writable file in a read-only
// folder), the same bytes are written over the file in place instead, every
// step checked; a failure part-way is reported and may leave the file short.
// On any other failure the temporary file is removed, the original is left
// exactly as it was, and a one-line reason is stored in `error` when it is
// not null.
bool safe_write_file(const std::filesystem::path& path, std::string_view text,
                     std::string* error = nullptr);

// Like `safe_write_file`, for a file that must not exist yet: fails, leaving
// the existing entry alone, when `path` names anything (a link included).
bool safe_create_file(const std::filesystem::path& path, std::string_view text,
                      std::string* error = nullptr);

}  // namespace Scribenta
