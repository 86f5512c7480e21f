#include <cmath>
#include <cstring>

#include "ext/ostrel/svg/geometry.h"
#include "ext/ostrel/svg/number_text.h"

namespace Ostrel {

Matrix2D Matrix2D::multiply(const Matrix2D& L, const Matrix2D& R) {
    Matrix2D m;
    m.a = L.a * R.a + L.c * R.b;
    m.b = L.b * R.a + L.d * R.b;
    m.c = L.a * R.c + L.c * R.d;
    m.d = L.b * R.c + L.d * R.d;
    m.e = L.a * R.e + L.c * R.f + L.e;
    m.f = L.b * R.e + L.d * R.f + L.f;
    return m;
}

Matrix2D Matrix2D::rotation(double angle, double cx, double cy) {
    const double r = angle * 3.141592653589793 / 180;
    const double co = std::cos(r);
    const double si = std::sin(r);
    Matrix2D m;
    m.a = co;
    m.b = si;
    m.c = -si;
    m.d = co;
    m.e = cx - co * cx + si * cy;
    m.f = cy - si * cx - co * cy;
    return m;
}

namespace {

const char* const kFunctionNames[] = {"matrix", "translate", "scale", "rotate"};

// Matches name\s*\(([^)]*)\) at pos, as the leftmost search of the pattern
// "(matrix|translate|scale|rotate)\s*\(([^)]*)\)" would; no name is a prefix
// of another, so at most one can match at a position. next_close caches the
// first ")" at or after the last search; positions only grow, so a text full
// of "(" without ")" is not searched to its end again for every one.
bool match_function_at(const std::string& text, size_t pos, int& which, size_t& args_begin,
                       size_t& args_end, size_t& next_close) {
    for (int k = 0; k < 4; ++k) {
        const size_t len = std::strlen(kFunctionNames[k]);
        if (text.compare(pos, len, kFunctionNames[k]) != 0) continue;
        size_t i = pos + len;
        while (i < text.size() && is_classic_space(text[i])) ++i;
        if (i >= text.size() || text[i] != '(') return false;
        if (next_close != std::string::npos && next_close < i + 1) {
            next_close = text.find(')', i + 1);
        }
        const size_t close = next_close;
        if (close == std::string::npos) return false;
        which = k;
        args_begin = i + 1;
        args_end = close;
        return true;
    }
    return false;
}

Matrix2D function_matrix(int which, const std::vector<double>& n) {
    Matrix2D t;
    if (n.empty()) return t;
    switch (which) {
        case 0:
            if (n.size() >= 6) t = Matrix2D{n[0], n[1], n[2], n[3], n[4], n[5]};
            break;
        case 1:
            t.e = n[0];
            t.f = n.size() >= 2 ? n[1] : 0;
            break;
        case 2:
            t.a = n[0];
            t.d = n.size() >= 2 ? n[1] : n[0];
            break;
        default:
            t = n.size() >= 3 ? Matrix2D::rotation(n[0], n[1], n[2])
                              : Matrix2D::rotation(n[0], 0, 0);
            break;
    }
    return t;
}

}  // namespace

Matrix2D parse_transform_list(const std::string& text) {
    Matrix2D m;
    size_t pos = 0;
    size_t next_close = text.find(')');
    while (pos < text.size()) {
        int which = 0;
        size_t args_begin = 0;
        size_t args_end = 0;
        if (!match_function_at(text, pos, which, args_begin, args_end, next_close)) {
            ++pos;
            continue;
        }
        const auto numbers = parse_number_list(text.substr(args_begin, args_end - args_begin));
        m = Matrix2D::multiply(m, function_matrix(which, numbers));
        pos = args_end + 1;
    }
    return m;
}

std::string format_matrix(const Matrix2D& m) {
    std::string out = "matrix(";
    const double values[] = {m.a, m.b, m.c, m.d, m.e, m.f};
    for (int i = 0; i < 6; ++i) {
        if (i > 0) out += ',';
        out += format_number(values[i]);
    }
    out += ')';
    return out;
}

}  // namespace Ostrel
