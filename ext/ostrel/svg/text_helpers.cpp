#include "ext/ostrel/svg/text_helpers.h"

#include "ext/ostrel/svg/number_text.h"

namespace Ostrel {

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

}  // namespace

std::string trim_blanks(const std::string& s) {
    size_t begin = 0;
    size_t end = s.size();
    while (begin < end && is_blank(s[begin])) ++begin;
    while (end > begin && is_blank(s[end - 1])) --end;
    return s.substr(begin, end - begin);
}

std::vector<std::string> split_trimmed(const std::string& s, char sep) {
    std::vector<std::string> out;
    size_t begin = 0;
    while (begin <= s.size()) {
        size_t end = s.find(sep, begin);
        if (end == std::string::npos) end = s.size();
        std::string piece = trim_blanks(s.substr(begin, end - begin));
        if (!piece.empty()) out.push_back(std::move(piece));
        begin = end + 1;
    }
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
