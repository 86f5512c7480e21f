#include "ext/ostrel/svg/text_helpers.h"

#include "ext/ostrel/svg/number_text.h"

namespace Ostrel {

std::string trim_blanks(const std::string& s) {
    return std::string(trim_blank_view(s));
}

std::vector<std::string> split_trimmed(const std::string& s, char sep) {
    std::vector<std::string> out;
    for_each_trimmed_piece(s, sep, [&](std::string_view piece) { out.emplace_back(piece); });
    return out;
}

double parse_css_time_ms(const std::string& s) {
    const std::string t = trim_blanks(s);
    const char* stop = nullptr;
    const double number = read_number(t.c_str(), &stop);
    if (t.size() > 2 && t.compare(t.size() - 2, 2, "ms") == 0) return number;
    if (!t.empty() && t.back() == 's') return number * 1000;
    return number;
}

}  // namespace Ostrel
