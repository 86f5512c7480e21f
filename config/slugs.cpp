#include "config/slugs.h"

namespace Scribenta {

namespace {

bool is_slug_char(char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

bool is_ascii_alnum(char c) {
    return is_slug_char(c) || (c >= 'A' && c <= 'Z');
}

}  // namespace

std::string slugify(const std::string& text) {
    std::string slug;
    bool pending_hyphen = false;
    for (char c : text) {
        if (!is_ascii_alnum(c)) {
            pending_hyphen = true;
            continue;
        }
        if (pending_hyphen && !slug.empty()) slug += '-';
        slug += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        pending_hyphen = false;
    }
    return slug;
}

bool is_valid_slug(const std::string& slug) {
    if (slug.empty() || slug.front() == '-' || slug.back() == '-') return false;
    char previous = '\0';
    for (char c : slug) {
        if (c == '-' ? previous == '-' : !is_slug_char(c)) return false;
        previous = c;
    }
    return true;
}

std::string slug_rule_error(const std::string& example) {
    return "Slug must be lowercase letters and digits in dash-separated runs (like \"" + example +
           "\").";
}

bool is_plain_folder_name(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    return name.find_first_of(std::string("/\\\0", 3)) == std::string::npos;
}

std::string folder_name_error(const std::string& name) {
    return "Cannot use '" + name + "' as a project folder name.";
}

}  // namespace Scribenta
