#pragma once

// Linear scans for the few CSS shapes the animation collector reads. They
// find what a leftmost regular-expression search would find, without the
// per-character recursion that overflows the stack on large style sheets.

#include <cstddef>
#include <string>

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

// The "}" that balances the "{" at open, counting every brace; npos when none.
size_t matching_brace(const std::string& s, size_t open);

// "selector{declarations}" with no brace in either part.
struct CssBlock {
    size_t selector_begin = 0, selector_end = 0;
    size_t body_begin = 0, body_end = 0;
};

// The next block at or after pos; pos moves past it.
bool next_css_block(const std::string& s, size_t& pos, CssBlock& out);

// A whole token of digits with an optional fraction, then "ms" or "s".
bool is_css_time_token(const std::string& token);

}  // namespace Ostrel
