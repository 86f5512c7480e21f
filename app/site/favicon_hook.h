#pragma once

#include <functional>
#include <string>

#include "app/site/favicon_request.h"

namespace Scribenta {

// Writes the favicon set a request asks for; returns "" on success, else a
// one-line error text for the user.
using FaviconGenerator = std::function<std::string(const FaviconRequest&)>;

// The process-wide generator hook. It starts empty (no generator installed),
// is filled once at start-up and is read on the GUI thread afterwards; the
// site configurator reaches the generator only through it, so this library
// and its callers need no Qt.
FaviconGenerator& favicon_generator();

}  // namespace Scribenta
