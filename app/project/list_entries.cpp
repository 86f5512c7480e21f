#include "app/project/list_entries.h"

#include <cctype>
#include <charconv>

#include "config/list_remove.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

namespace {

std::string dependency_question(const std::string& name) {
    return "Remove dependency '" + name + "'?";
}
std::string fact_question(const std::string& name) {
    return "Remove fact '" + name + "'?";
}
std::string download_question(const std::string& name) {
    return "Remove the " + name + " download? The file itself (if any) stays where it is.";
}

bool starts_with_nocase(const std::string& text, const std::string& prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
    }
    return true;
}

}  // namespace

const ListSpec& dependency_list() {
    static const ListSpec spec{
        "depCards",          "dep-", "requires", "this dependency", "Remove Dependency",
        dependency_question, true};
    return spec;
}

const ListSpec& fact_list() {
    static const ListSpec spec{"factRows",    "fact-",       "facts", "this fact",
                               "Remove Fact", fact_question, false};
    return spec;
}

const ListSpec& download_list() {
    static const ListSpec spec{"downloadCards",   "download-",       "downloads", "this download",
                               "Remove Download", download_question, true};
    return spec;
}

std::optional<std::size_t> row_index(const std::string& row, const std::string& prefix) {
    if (row.size() <= prefix.size() || row.compare(0, prefix.size(), prefix) != 0) return {};
    const char* first = row.data() + prefix.size();
    const char* last = row.data() + row.size();
    std::size_t index = 0;
    // from_chars takes no sign, blank or base prefix for an unsigned type.
    const auto [end, error] = std::from_chars(first, last, index);
    if (error != std::errc() || end != last) return {};
    return index;
}

bool is_web_address(const std::string& url) {
    return starts_with_nocase(url, "http://") || starts_with_nocase(url, "https://");
}

void RemoveListItemConfirmed::operator()() const {
    if (!flush_edits.config_list_unchanged(std::string("/") + array_key, drawn)) return;
    if (remove_array_item(edits->config_path, array_key, index)) reload();
}

void ListRowAction::operator()(const std::string&, const std::string& row,
                               const std::string& action) const {
    const auto index = row_index(row, spec->row_prefix);
    const std::size_t size = cards ? cards->size() : labels->size();
    if (!index || *index >= size) return;
    if (action == "activate") {
        if (!spec->opens_address || !cards) return;
        const std::string& url = (*cards)[*index].url;
        if (is_web_address(url) && ctx.app->open_url_service) ctx.app->open_url_service(url);
    } else if (action == "remove") {
        if (!ctx.config_open()) return;
        std::string name = cards ? (*cards)[*index].name : (*labels)[*index];
        if (name.empty()) name = spec->default_name;
        ctx.show_confirm(spec->confirm_title, spec->question(name), "Remove",
                         RemoveListItemConfirmed{ctx.flush_edits, ctx.edits, ctx.reload(),
                                                 spec->array_key, *index, ctx.edits->drawn});
    }
}

}  // namespace Scribenta
