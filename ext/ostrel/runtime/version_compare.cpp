#include "ext/ostrel/runtime/version_compare.h"

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <vector>

namespace Ostrel {
namespace {

int sign(int v) {
    return (v > 0) - (v < 0);
}

// Splits at every '.'; empty pieces count, and an empty text is one piece.
std::vector<std::string_view> split_dots(std::string_view text) {
    std::vector<std::string_view> parts;
    for (;;) {
        const auto dot = text.find('.');
        parts.push_back(text.substr(0, dot));
        if (dot == std::string_view::npos) return parts;
        text.remove_prefix(dot + 1);
    }
}

// The value of a core part as a digit run: anything but digits counts as 0.
std::string_view core_value(std::string_view part) {
    return is_all_digits(part) ? part : std::string_view("0");
}

struct Normalised {
    std::string_view core;
    std::string_view pre_release;
};

Normalised normalise(std::string_view v) {
    if (!v.empty() && (v.front() == 'v' || v.front() == 'V')) v.remove_prefix(1);
    v = v.substr(0, v.find('+'));
    const auto dash = v.find('-');
    if (dash == std::string_view::npos) return {v, {}};
    return {v.substr(0, dash), v.substr(dash + 1)};
}

int compare_pre_release(std::string_view a, std::string_view b) {
    const auto ids_a = split_dots(a);
    const auto ids_b = split_dots(b);
    const std::size_t n = std::min(ids_a.size(), ids_b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const bool num_a = is_all_digits(ids_a[i]);
        const bool num_b = is_all_digits(ids_b[i]);
        int c = 0;
        if (num_a && num_b) {
            c = compare_decimal(ids_a[i], ids_b[i]);
        } else if (num_a != num_b) {
            c = num_a ? -1 : 1;  // numeric identifiers sort below the others
        } else {
            c = sign(ids_a[i].compare(ids_b[i]));
        }
        if (c != 0) return c;
    }
    if (ids_a.size() == ids_b.size()) return 0;
    return ids_a.size() < ids_b.size() ? -1 : 1;
}

}  // namespace

bool is_all_digits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int compare_decimal(std::string_view a, std::string_view b) {
    // Without leading zeros the longer run is the larger number, and runs of
    // one length compare digit by digit; no conversion, so no overflow.
    a.remove_prefix(std::min(a.find_first_not_of('0'), a.size()));
    b.remove_prefix(std::min(b.find_first_not_of('0'), b.size()));
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    return sign(a.compare(b));
}

int compare_version_core(std::string_view a, std::string_view b) {
    const auto parts_a = split_dots(a);
    const auto parts_b = split_dots(b);
    const std::size_t n = std::max(parts_a.size(), parts_b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const std::string_view pa = i < parts_a.size() ? core_value(parts_a[i]) : "0";
        const std::string_view pb = i < parts_b.size() ? core_value(parts_b[i]) : "0";
        if (const int c = compare_decimal(pa, pb); c != 0) return c;
    }
    return 0;
}

int compare_versions(std::string_view a, std::string_view b) {
    const Normalised na = normalise(a);
    const Normalised nb = normalise(b);
    if (const int c = compare_version_core(na.core, nb.core); c != 0) return c;
    if (na.pre_release.empty() && nb.pre_release.empty()) return 0;
    if (na.pre_release.empty()) return 1;
    if (nb.pre_release.empty()) return -1;
    return compare_pre_release(na.pre_release, nb.pre_release);
}

}  // namespace Ostrel
