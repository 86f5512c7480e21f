#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace Scribenta {

// Removers: each deletes entries from a list in a configuration file and
// rewrites the file whole, its key order kept. True when the file was
// rewritten; false when nothing was written (unreadable file, root not an
// object, list missing or of another type, position out of range, failed
// write). No key is ever created or replaced.

// The element at `position` of the top-level list `list_key`.
bool remove_array_item(const std::string& config_path, const char* list_key, std::size_t position);

// The topic at `position` of a manifest's "build"."topics"; "format": 1 is
// put first when it is missing.
bool remove_build_topic(const std::string& manifest_path, std::size_t position);

// The policy at `position` of "policies", with every "footer_links" entry to
// its page ("/" + slug + ".html").
bool remove_policy(const std::string& site_config_path, std::size_t position);

// Every "projects" entry whose normalised config path is one of
// `config_paths`, in one rewrite; false when none matched.
bool remove_site_projects(const std::string& site_config_path,
                          const std::vector<std::string>& config_paths);

}  // namespace Scribenta
