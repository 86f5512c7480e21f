#pragma once

// The versions listing of the build tool read into table rows: its "R" and
// "E" lines, the fields each row shows, the status line and the pending
// count. Pure functions; the table's handlers are in versions_table.h.

#include <cstdint>
#include <string>
#include <vector>

#include "app/project/project_state.h"
#include "ext/ostrel/engine/list_entry.h"

namespace Scribenta {

// What one listing reported: its rows in order, and the texts of its errors.
struct VersionListing {
    std::vector<VersionRowUi> rows;
    std::vector<std::string> errors;
};

// on_versions_line: "R", TAB and exactly five TAB-separated fields add a row
// (included only for the field "1"); "E", TAB and some text add an error;
// every other line is ignored.
void read_versions_line(const std::string& line, VersionListing& listing);

// The rest of the full tag after tag_mm, its dot included ("1.4.2" with
// "1.4" gives ".2"); empty unless the tag begins with tag_mm + ".".
std::string version_patch_text(const VersionRowUi& row);

// The "versionRows" entries: "version-" + index, with the fields "tag_mm",
// "tag_patch", "released" and "status" (its display word).
std::vector<Ostrel::ListEntry> version_list_entries(const std::vector<VersionRowUi>& rows);

// The status line: the errors joined by spaces; without rows or errors, the
// hint to tag the repository.
std::string versions_message(const VersionListing& listing);

// The number of rows whose status is exactly "pending".
std::uint64_t pending_versions(const std::vector<VersionRowUi>& rows);

// The Build button's caption for `count` pending versions.
std::string pending_caption(std::uint64_t count);

// True when `label` may name a folder under the project's "versions" folder:
// one plain name (`is_plain_folder_name`) that holds no "..". Any other label
// could reach outside its own folder, so its output is never deleted.
bool is_version_folder_name(const std::string& label);

}  // namespace Scribenta
