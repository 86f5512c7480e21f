#pragma once

#include <string>

namespace Scribenta {

// Reads a whole regular file (symbolic links followed) into `text`. False,
// with `text` untouched, for anything else: a missing entry, a folder, a
// device or a pipe (which could block the GUI thread forever), or a read
// that stops short.
bool read_text_file(const std::string& path, std::string& text);

}  // namespace Scribenta
