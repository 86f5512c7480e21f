#pragma once

// "file://" addresses for the URL-opening service.

#include <string>

namespace Scribenta {

// The address of a local file or folder, as Qt's local-file URL gives it: the
// path made absolute, then every byte outside the characters a URL path may
// hold percent-encoded ("#", "?", "%", spaces and non-ASCII included), so
// the address names exactly that path.
std::string local_file_url(const std::string& path);

}  // namespace Scribenta
