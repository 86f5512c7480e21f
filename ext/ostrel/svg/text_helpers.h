#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace Ostrel {

// Space, tab, CR and LF: what trim_blanks removes.
inline bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// s without leading and trailing space, tab, CR and LF.
std::string trim_blanks(const std::string& s);

// The same, as a view into s.
inline std::string_view trim_blank_view(std::string_view s) {
    size_t begin = 0;
    size_t end = s.size();
    while (begin < end && is_blank(s[begin])) ++begin;
    while (end > begin && is_blank(s[end - 1])) --end;
    return s.substr(begin, end - begin);
}

// The trimmed, non-empty pieces of s between occurrences of sep.
std::vector<std::string> split_trimmed(const std::string& s, char sep);

// The same pieces handed to each as views into text, without copies.
template <typename Each>
void for_each_trimmed_piece(std::string_view text, char sep, Each each) {
    size_t begin = 0;
    while (begin <= text.size()) {
        size_t end = text.find(sep, begin);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view piece = trim_blank_view(text.substr(begin, end - begin));
        if (!piece.empty()) each(piece);
        begin = end + 1;
    }
}

// A CSS or SMIL time ("2.5s", "300ms", "300") in milliseconds; 0 without a number.
double parse_css_time_ms(const std::string& s);

}  // namespace Ostrel
