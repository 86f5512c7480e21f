#pragma once

// Linear scans for the few CSS shapes the animation collector reads. They
// find what a leftmost regular-expression search would find, without the
// per-character recursion that overflows the stack on large style sheets.

#include <cstddef>
#include <string>
#include <vector>

namespace Ostrel {

// "@keyframes name {" or "@-webkit-keyframes name {".
struct KeyframesHeader {
    size_t begin = 0;       // the "@"
    size_t name_begin = 0;  // the name: [A-Za-z_][A-Za-z0-9_-]*
    size_t name_end = 0;
    size_t brace = 0;  // the "{" that ends the header
};

// The first header that starts at or after from.
bool find_keyframes_header(const std::string& s, size_t from, KeyframesHeader& out);

// Whether a header starts at the "@" at offset at of head + tail[tail_from..],
// a text that a removal joined; offsets in out are into that joined text.
bool match_joined_keyframes_header(const std::string& head, const std::string& tail,
                                   size_t tail_from, size_t at, KeyframesHeader& out);

// The "}" that balances each "{" of a text, counting every brace. Found in
// one pass, so that nested or unclosed blocks cost no rescans.
class BraceMatches {
public:
    explicit BraceMatches(const std::string& s);
    // The "}" that balances the "{" at open; npos when none does.
    size_t close_of(size_t open) const;

private:
    std::vector<size_t> opens_;   // ascending
    std::vector<size_t> closes_;  // closes_[i] balances opens_[i]
};

// "selector{declarations}" with no brace in either part.
struct CssBlock {
    size_t selector_begin = 0, selector_end = 0;
    size_t body_begin = 0, body_end = 0;
};

// The next block at or after pos; pos moves past it.
bool next_css_block(const std::string& s, size_t& pos, CssBlock& out);

// Every block of s in order. A block holds no brace and a body lies between
// braces, so the blocks inside a body are exactly these blocks within it.
std::vector<CssBlock> all_css_blocks(const std::string& s);

// A whole token of digits with an optional fraction, then "ms" or "s".
bool is_css_time_token(const std::string& token);

}  // namespace Ostrel
