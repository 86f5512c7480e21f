#pragma once

#include <string>
#include <utility>
#include <vector>

namespace Ostrel {

// An affine transform with the six numbers of SVG's matrix(a, b, c, d, e, f):
// a point (x, y) maps to (a·x + c·y + e, b·x + d·y + f).
struct Matrix2D {
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;

    // L × R: applied to a point, R acts first and L second.
    static Matrix2D multiply(const Matrix2D& L, const Matrix2D& R);
    // Rotation by angle degrees about (cx, cy), as SVG's rotate() turns.
    static Matrix2D rotation(double angle, double cx, double cy);
};

using Point2D = std::pair<double, double>;

// A polyline with the cumulative length at each point.
struct MotionPath {
    std::vector<Point2D> points;
    std::vector<double> lengths;

    void measure();
    // The point at a fraction (clamped to 0..1) of the total length. A path
    // whose lengths were never measured is read through a measured copy.
    Point2D point_at(double fraction) const;
};

// The product of the matrix, translate, scale and rotate functions in text.
Matrix2D parse_transform_list(const std::string& text);

// SVG path data flattened to a polyline (M, L, H, V, C, Q, Z; curves in 16 steps).
std::vector<Point2D> parse_path_data(const std::string& text);

// "matrix(a,b,c,d,e,f)" with each number printed as %.6g prints it.
std::string format_matrix(const Matrix2D& m);

}  // namespace Ostrel
