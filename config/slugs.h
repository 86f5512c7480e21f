#pragma once

#include <string>

namespace Scribenta {

// Slugs: one or more runs of a-z and 0-9 joined by single hyphens.

// The slug form of free text: ASCII letters and digits kept (lower-cased),
// every run of other bytes between two kept ones turned into one hyphen.
// May be empty; a non-empty result always passes `is_valid_slug`.
std::string slugify(const std::string& text);

bool is_valid_slug(const std::string& slug);

// The slug rule in the user's words, with `example` as the sample slug.
std::string slug_rule_error(const std::string& example);

// True when `name` is one plain path component: not empty, not "." or "..",
// and free of "/", "\\" and NUL. Folder names built from slugs read out of
// configs must pass this before they touch the disk.
bool is_plain_folder_name(const std::string& name);

// The message for a derived folder name that fails `is_plain_folder_name`.
std::string folder_name_error(const std::string& name);

}  // namespace Scribenta
