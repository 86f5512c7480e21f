#include "app/project/version_rows.h"

#include "config/slugs.h"
#include "config/versions.h"

namespace Scribenta {

namespace {

// Splits at every TAB: adjacent TABs give empty fields, a final TAB a final
// empty field.
std::vector<std::string> split_tabs(const std::string& text) {
    std::vector<std::string> fields;
    std::string::size_type start = 0;
    for (;;) {
        const auto tab = text.find('\t', start);
        if (tab == std::string::npos) {
            fields.push_back(text.substr(start));
            return fields;
        }
        fields.push_back(text.substr(start, tab - start));
        start = tab + 1;
    }
}

}  // namespace

void read_versions_line(const std::string& line, VersionListing& listing) {
    if (line.size() < 2 || line[1] != '\t') return;
    if (line[0] == 'R') {
        std::vector<std::string> f = split_tabs(line.substr(2));
        if (f.size() != 5) return;
        listing.rows.push_back(
            {std::move(f[0]), std::move(f[1]), std::move(f[2]), std::move(f[3]), f[4] == "1"});
    } else if (line[0] == 'E' && line.size() > 2) {
        listing.errors.push_back(line.substr(2));
    }
}

std::string version_patch_text(const VersionRowUi& row) {
    const std::string prefix = row.tag_mm + ".";
    if (!row.tag_patch.starts_with(prefix)) return "";
    return row.tag_patch.substr(row.tag_mm.size());
}

std::vector<Ostrel::ListEntry> version_list_entries(const std::vector<VersionRowUi>& rows) {
    std::vector<Ostrel::ListEntry> entries;
    entries.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const VersionRowUi& row = rows[i];
        entries.push_back({"version-" + std::to_string(i),
                           {{"tag_mm", row.tag_mm},
                            {"tag_patch", version_patch_text(row)},
                            {"released", row.released},
                            {"status", version_status_label(row.status)}}});
    }
    return entries;
}

std::string versions_message(const VersionListing& listing) {
    std::string message;
    for (const std::string& error : listing.errors) {
        if (!message.empty()) message += ' ';
        message += error;
    }
    if (listing.rows.empty() && message.empty()) {
        message = "No versions yet \u2014 tag the project's repo (X.Y.Z) to list them here.";
    }
    return message;
}

std::uint64_t pending_versions(const std::vector<VersionRowUi>& rows) {
    std::uint64_t count = 0;
    for (const VersionRowUi& row : rows) count += row.status == "pending" ? 1 : 0;
    return count;
}

std::string pending_caption(std::uint64_t count) {
    return count > 0 ? "Build " + std::to_string(count) + " Pending" : "Nothing Pending";
}

bool is_version_folder_name(const std::string& label) {
    // ".." anywhere is refused too: a label is major.minor and never holds it.
    return is_plain_folder_name(label) && label.find("..") == std::string::npos;
}

}  // namespace Scribenta
