#pragma once

#include <string>

#include "app/site/favicon_request.h"

namespace Scribenta {

// Draws the request's source into the favicon set: the five PNG files of
// `favicon_png_files` and "favicon.ico" (16, 32 and 48 pixels), in that
// order, into `out_dir`. Returns "" on success, else the first failure's
// text; checks run in the order source, colour, output folder, PNG files,
// ICO, and files written before a failure stay. Each file is replaced whole
// or not at all. Runs on the GUI thread.
std::string generate_favicons(const FaviconRequest& request);

// Puts `generate_favicons` into the process-wide hook, replacing whatever it
// held. Called once by the program entry.
void install_favicon_generator();

}  // namespace Scribenta
