#include "ext/ostrel/svg/css_scan.h"

#include <algorithm>

#include "ext/ostrel/svg/number_text.h"

namespace Ostrel {

namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}
bool is_name_start(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool is_name_char(char c) {
    return is_name_start(c) || is_digit(c) || c == '-';
}

// A text made of head followed by tail[tail_from..], read in place.
struct JoinedText {
    const std::string& head;
    const std::string& tail;
    size_t tail_from;

    size_t size() const { return head.size() + tail.size() - tail_from; }
    char operator[](size_t i) const {
        return i < head.size() ? head[i] : tail[tail_from + i - head.size()];
    }
};

template <class Text>
bool has_word_at(const Text& s, size_t i, const char* word) {
    for (; *word != '\0'; ++word, ++i) {
        if (i >= s.size() || s[i] != *word) return false;
    }
    return true;
}

template <class Text>
bool match_header_at(const Text& s, size_t at, KeyframesHeader& out) {
    size_t i = at + 1;
    if (has_word_at(s, i, "-webkit-")) i += 8;
    if (!has_word_at(s, i, "keyframes")) return false;
    i += 9;
    const size_t blanks = i;
    while (i < s.size() && is_classic_space(s[i])) ++i;
    if (i == blanks || i >= s.size() || !is_name_start(s[i])) return false;
    const size_t name_begin = i;
    while (i < s.size() && is_name_char(s[i])) ++i;
    const size_t name_end = i;
    while (i < s.size() && is_classic_space(s[i])) ++i;
    if (i >= s.size() || s[i] != '{') return false;
    out = KeyframesHeader{at, name_begin, name_end, i};
    return true;
}

bool is_brace(char c) {
    return c == '{' || c == '}';
}

}  // namespace

bool find_keyframes_header(const std::string& s, size_t from, KeyframesHeader& out) {
    for (size_t at = s.find('@', from); at != std::string::npos; at = s.find('@', at + 1)) {
        if (match_header_at(s, at, out)) return true;
    }
    return false;
}

bool match_joined_keyframes_header(const std::string& head, const std::string& tail,
                                   size_t tail_from, size_t at, KeyframesHeader& out) {
    return match_header_at(JoinedText{head, tail, tail_from}, at, out);
}

// Counting braces forward from a "{" reaches zero at the "}" that closes the
// innermost "{" still open, so one stack pass finds every match.
BraceMatches::BraceMatches(const std::string& s) {
    std::vector<size_t> open;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '{') {
            open.push_back(opens_.size());
            opens_.push_back(i);
            closes_.push_back(std::string::npos);
        } else if (s[i] == '}' && !open.empty()) {
            closes_[open.back()] = i;
            open.pop_back();
        }
    }
}

size_t BraceMatches::close_of(size_t open) const {
    const auto it = std::lower_bound(opens_.begin(), opens_.end(), open);
    if (it == opens_.end() || *it != open) return std::string::npos;
    return closes_[static_cast<size_t>(it - opens_.begin())];
}

// Every start inside one run of non-brace characters ends that run at the
// same brace, so a run that is not followed by "{", then more non-brace
// characters and "}", holds no match and is skipped whole.
bool next_css_block(const std::string& s, size_t& pos, CssBlock& out) {
    const size_t n = s.size();
    while (pos < n) {
        if (is_brace(s[pos])) {
            ++pos;
            continue;
        }
        size_t run_end = pos;
        while (run_end < n && !is_brace(s[run_end])) ++run_end;
        if (run_end >= n || s[run_end] != '{') {
            pos = run_end;
            continue;
        }
        size_t body_end = run_end + 1;
        while (body_end < n && !is_brace(s[body_end])) ++body_end;
        if (body_end >= n || s[body_end] != '}') {
            pos = run_end;
            continue;
        }
        out = CssBlock{pos, run_end, run_end + 1, body_end};
        pos = body_end + 1;
        return true;
    }
    return false;
}

std::vector<CssBlock> all_css_blocks(const std::string& s) {
    std::vector<CssBlock> blocks;
    CssBlock block;
    size_t pos = 0;
    while (next_css_block(s, pos, block)) blocks.push_back(block);
    return blocks;
}

bool is_css_time_token(const std::string& token) {
    size_t i = 0;
    const size_t n = token.size();
    while (i < n && is_digit(token[i])) ++i;
    const bool has_int = i > 0;
    if (i < n && token[i] == '.') {
        const size_t frac = ++i;
        while (i < n && is_digit(token[i])) ++i;
        if (i == frac) return false;
    } else if (!has_int) {
        return false;
    }
    const std::string unit = token.substr(i);
    return unit == "ms" || unit == "s";
}

}  // namespace Ostrel
