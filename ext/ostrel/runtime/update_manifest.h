#pragma once

// Reading the update manifest: a JSON object with the string "version"
// (required), the strings "notes_url" and "download_page", and "platforms",
// an object from platform key to an object with the string "url".

#include <string>
#include <string_view>

#include "ext/ostrel/runtime/services.h"

namespace Ostrel {

// True for an absolute "http://" or "https://" address (scheme in any case)
// with something after the scheme. Only such addresses from a manifest are
// ever handed to the browser.
bool is_web_address(std::string_view url);

// Fills the version, the notes and download addresses of `result` from the
// manifest text. Addresses that are not web addresses count as missing.
// Returns false, with `result.error` set, when the text is not a JSON object
// or names no version.
bool parse_update_manifest(const std::string& body, const std::string& platform_key,
                           UpdateResult& result);

}  // namespace Ostrel
