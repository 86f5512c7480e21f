#include <algorithm>
#include <cmath>
#include <cstring>

#include "ext/ostrel/svg/geometry.h"
#include "ext/ostrel/svg/number_text.h"

namespace Ostrel {

namespace {

// One token of path data: a command letter, or a number (letter == 0).
struct PathToken {
    char letter = 0;
    double number = 0;
};

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// Length of the number token at pos (0 when none), as the pattern
// "-?\d*\.?\d+(?:[eE][-+]?\d+)?" matches there: the mantissa is all leading
// digits, or digits, "." and at least one digit; the exponent needs a digit.
size_t number_token_length(const std::string& s, size_t pos) {
    size_t i = pos;
    const size_t n = s.size();
    if (i < n && s[i] == '-') ++i;
    const size_t int_begin = i;
    while (i < n && is_digit(s[i])) ++i;
    size_t mantissa_end = std::string::npos;
    if (i + 1 < n && s[i] == '.' && is_digit(s[i + 1])) {
        i += 1;
        while (i < n && is_digit(s[i])) ++i;
        mantissa_end = i;
    } else if (i > int_begin) {
        mantissa_end = i;
    }
    if (mantissa_end == std::string::npos) return 0;
    i = mantissa_end;
    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < n && (s[j] == '-' || s[j] == '+')) ++j;
        if (j < n && is_digit(s[j])) {
            while (j < n && is_digit(s[j])) ++j;
            i = j;
        }
    }
    return i - pos;
}

std::vector<PathToken> tokenize_path(const std::string& s) {
    std::vector<PathToken> tokens;
    size_t pos = 0;
    while (pos < s.size()) {
        const char c = s[pos];
        if (c != '\0' && std::strchr("MmLlHhVvCcQqZz", c) != nullptr) {
            tokens.push_back({c, 0});
            ++pos;
            continue;
        }
        const size_t len = number_token_length(s, pos);
        if (len == 0) {
            ++pos;
            continue;
        }
        // Converted alone: strtod on the source could read past the token.
        const std::string text = s.substr(pos, len);
        const char* stop = nullptr;
        tokens.push_back({0, read_number(text.c_str(), &stop)});
        pos += len;
    }
    return tokens;
}

int numbers_needed(char command) {
    switch (command) {
        case 'M':
        case 'm':
        case 'L':
        case 'l':
            return 2;
        case 'H':
        case 'h':
        case 'V':
        case 'v':
            return 1;
        case 'C':
        case 'c':
            return 6;
        case 'Q':
        case 'q':
            return 4;
        default:
            return 0;
    }
}

}  // namespace

std::vector<Point2D> parse_path_data(const std::string& text) {
    const std::vector<PathToken> tokens = tokenize_path(text);
    std::vector<Point2D> out;
    char command = 0;
    double cx = 0, cy = 0;
    double sx = 0, sy = 0;
    size_t pos = 0;
    while (pos < tokens.size()) {
        if (tokens[pos].letter != 0) {
            command = tokens[pos].letter;
            ++pos;
            if (command == 'Z' || command == 'z') {
                out.emplace_back(sx, sy);
                cx = sx;
                cy = sy;
                continue;
            }
        }
        const int need = numbers_needed(command);
        if (need == 0 || tokens.size() - pos < static_cast<size_t>(need)) break;
        double v[6];
        bool letter_inside = false;
        for (int k = 0; k < need; ++k) {
            if (tokens[pos + k].letter != 0) letter_inside = true;
            v[k] = tokens[pos + k].number;
        }
        if (letter_inside) break;
        pos += need;

        const bool rel = command >= 'a';
        const double ox = rel ? cx : 0;
        const double oy = rel ? cy : 0;
        switch (command) {
            case 'M':
            case 'm':
                cx = v[0] + ox;
                cy = v[1] + oy;
                sx = cx;
                sy = cy;
                out.emplace_back(cx, cy);
                command = rel ? 'l' : 'L';
                break;
            case 'L':
            case 'l':
                cx = v[0] + ox;
                cy = v[1] + oy;
                out.emplace_back(cx, cy);
                break;
            case 'H':
            case 'h':
                cx = v[0] + ox;
                out.emplace_back(cx, cy);
                break;
            case 'V':
            case 'v':
                cy = v[0] + oy;
                out.emplace_back(cx, cy);
                break;
            case 'C':
            case 'c': {
                const double x0 = cx, y0 = cy;
                const double x1 = v[0] + ox, y1 = v[1] + oy;
                const double x2 = v[2] + ox, y2 = v[3] + oy;
                const double x3 = v[4] + ox, y3 = v[5] + oy;
                for (int j = 1; j <= 16; ++j) {
                    const double t = j / 16.0;
                    const double u = 1 - t;
                    const double k0 = u * u * u;
                    const double k1 = 3 * (u * u) * t;
                    const double k2 = 3 * u * (t * t);
                    const double k3 = t * t * t;
                    out.emplace_back(k0 * x0 + k1 * x1 + k2 * x2 + k3 * x3,
                                     k0 * y0 + k1 * y1 + k2 * y2 + k3 * y3);
                }
                cx = x3;
                cy = y3;
                break;
            }
            default: {  // Q, q
                const double x0 = cx, y0 = cy;
                const double x1 = v[0] + ox, y1 = v[1] + oy;
                const double x2 = v[2] + ox, y2 = v[3] + oy;
                for (int j = 1; j <= 16; ++j) {
                    const double t = j / 16.0;
                    const double u = 1 - t;
                    const double k0 = u * u;
                    const double k1 = 2 * u * t;
                    const double k2 = t * t;
                    out.emplace_back(k0 * x0 + k1 * x1 + k2 * x2, k0 * y0 + k1 * y1 + k2 * y2);
                }
                cx = x2;
                cy = y2;
                break;
            }
        }
    }
    return out;
}

void MotionPath::measure() {
    lengths.clear();
    lengths.reserve(points.size());
    for (size_t i = 0; i < points.size(); ++i) {
        if (i == 0) {
            lengths.push_back(0);
            continue;
        }
        const double dx = points[i].first - points[i - 1].first;
        const double dy = points[i].second - points[i - 1].second;
        lengths.push_back(lengths.back() + std::sqrt(dx * dx + dy * dy));
    }
}

Point2D MotionPath::point_at(double fraction) const {
    if (lengths.size() != points.size()) {
        MotionPath measured{points, {}};
        measured.measure();
        return measured.point_at(fraction);
    }
    if (points.empty()) return {0, 0};
    if (points.size() == 1 || !(lengths.back() > 0)) return points.front();
    const double clamped = std::clamp(fraction, 0.0, 1.0);
    const double target = lengths.back() * clamped;
    // The segment ends at the first point whose length is not below the
    // target (a target on a point belongs to the segment ending there).
    // Lengths never decrease, and none is NaN when the last is above 0, so a
    // binary search finds it.
    const auto end = std::lower_bound(lengths.begin() + 1, lengths.end() - 1, target);
    const size_t i = static_cast<size_t>(end - lengths.begin()) - 1;
    const double span = lengths[i + 1] - lengths[i];
    const double u = span > 0 ? (target - lengths[i]) / span : 0;
    return {points[i].first + u * (points[i + 1].first - points[i].first),
            points[i].second + u * (points[i + 1].second - points[i].second)};
}

}  // namespace Ostrel
