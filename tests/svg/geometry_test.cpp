#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "ext/ostrel/svg/geometry.h"
#include "ext/ostrel/svg/number_text.h"
#include "tests/svg/svg_describe.h"

namespace {

using namespace Ostrel;

struct TextCase {
    std::string input;
    std::string expected;
};

TEST(TransformList, ComposesFunctionsIntoOneMatrix) {
    const std::vector<TextCase> cases = {
        {"", "matrix(1,0,0,1,0,0)"},
        {"translate(10) scale(2)", "matrix(2,0,0,2,10,0)"},
        {"scale(2, 3) translate(1px, 1px)", "matrix(2,0,0,3,2,3)"},
        {"rotate(90)", "matrix(6.12323e-17,1,-1,6.12323e-17,0,0)"},
        {"rotate(90, 10)", "matrix(6.12323e-17,1,-1,6.12323e-17,0,0)"},
        {"rotate(90 10 10)", "matrix(6.12323e-17,1,-1,6.12323e-17,20,-6.12323e-16)"},
        {"rotate(45deg)", "matrix(0.707107,0.707107,-0.707107,0.707107,0,0)"},
        {"matrix(1,2,3,4,5)", "matrix(1,0,0,1,0,0)"},
        {"matrix(1 2 3 4 5 6 7)", "matrix(1,2,3,4,5,6)"},
        {"translate()", "matrix(1,0,0,1,0,0)"},
        {"translate(1e-5, 1234567)", "matrix(1,0,0,1,1e-05,1.23457e+06)"},
        {"skewX(30)", "matrix(1,0,0,1,0,0)"},
        {"skewX(30) translate(4 5)", "matrix(1,0,0,1,4,5)"},
        {"myscale(2)", "matrix(2,0,0,2,0,0)"},
        {"Scale(2)", "matrix(1,0,0,1,0,0)"},
        {"scale \t(3)", "matrix(3,0,0,3,0,0)"},
        {"scale(2", "matrix(1,0,0,1,0,0)"},
        {"scale(2 translate(5)", "matrix(2,0,0,5,0,0)"},
        {"scale(2 scale(3 scale(4) scale(5", "matrix(2,0,0,3,0,0)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(format_matrix(parse_transform_list(c.input)), c.expected) << c.input;
    }
}

TEST(TransformList, OpenParenthesesWithoutCloseEndTheSearchQuickly) {
    // Each "(" used to search the rest of the text again for its ")".
    std::string text;
    for (int i = 0; i < 400000; ++i) text += "scale(2 ";
    EXPECT_EQ(format_matrix(parse_transform_list(text)), "matrix(1,0,0,1,0,0)");
    EXPECT_EQ(format_matrix(parse_transform_list(text + ")")), "matrix(2,0,0,2,0,0)");
}

TEST(TransformList, RotationTurnsAboutItsCentre) {
    // The centre is a fixed point; x turns towards y.
    const Matrix2D m = Matrix2D::rotation(90, 12, 12);
    EXPECT_NEAR(m.a * 12 + m.c * 12 + m.e, 12, 1e-12);
    EXPECT_NEAR(m.b * 12 + m.d * 12 + m.f, 12, 1e-12);
    EXPECT_NEAR(m.a * 13 + m.c * 12 + m.e, 12, 1e-12);
    EXPECT_NEAR(m.b * 13 + m.d * 12 + m.f, 13, 1e-12);
}

TEST(NumberList, ReadsEveryNumberAsStrtodDoes) {
    struct Case {
        std::string input;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"10,20 -5e1", "10 20 -50"},
        {"1-2", "1 -2"},
        {"rotate(45deg)", "45"},
        {"0x10 +3", "16 3"},
        {"1e 2", "1 2"},
        {". 5", "5"},
        {"   ", ""},
        {"inf -nan", "inf -nan"},
        {std::string("1\0 2", 4), "1"},
        {std::string("1 \0 2", 5), "1"},
        {std::string(" \0 2", 4), ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(svg_test::numbers(parse_number_list(c.input)), c.expected) << c.input;
    }
}

TEST(FormatNumber, PrintsAsPercentSixG) {
    const std::vector<std::pair<double, std::string>> cases = {
        {0.5, "0.5"},
        {1, "1"},
        {1234567, "1.23457e+06"},
        {0.00001, "1e-05"},
        {-0.0, "-0"},
        {0.0001, "0.0001"},
        {123456, "123456"},
        {3.14159265, "3.14159"},
        {-2.5e-300, "-2.5e-300"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(format_number(value), text) << value;

    // The same digits as printf itself, over a spread of magnitudes.
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-12, 12);
    for (int i = 0; i < 5000; ++i) {
        const double v = mantissa(rng) * std::pow(10.0, exponent(rng));
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.6g", v);
        ASSERT_EQ(format_number(v), buf);
    }
}

TEST(PathData, FlattensToPoints) {
    const std::vector<TextCase> cases = {
        {"M 0 0 L 10 0 10 10", "(0,0) (10,0) (10,10)"},
        {"m 1 1 2 2", "(1,1) (3,3)"},
        {"M1,1 H5 V4 h-1 v-1", "(1,1) (5,1) (5,4) (4,4) (4,3)"},
        {"M 1 1 L 5 1 L 5 5 z l 1 1", "(1,1) (5,1) (5,5) (1,1) (2,2)"},
        {"5 5 L 1 1", ""},
        {"M 0 0 Z 5 5", "(0,0) (0,0)"},
        {"M0 0 L 1", "(0,0)"},
        {"M0 0 L 1 M 2 2", "(0,0)"},
        {"M0 0 L+1-2.5.5e1", "(0,0) (1,-2.5)"},
        // An arc's letter is skipped: its numbers continue the line before it.
        {"M0 0 L10 0 A 5 5 0 0 1 20 0", "(0,0) (10,0) (5,5) (0,0) (1,20)"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(svg_test::points(parse_path_data(c.input)), c.expected) << c.input;
    }
}

TEST(PathData, CurvesAddSixteenPointsEndingOnTheEndPoint) {
    struct Case {
        std::string input;
        size_t count;
        std::string middle;  // the 8th point of the last curve
        std::string last;
    };
    const std::vector<Case> cases = {
        {"M 0 0 C 0 10 10 10 10 0", 17, "(5,7.5)", "(10,0)"},
        {"M 10 10 c 0 10 10 10 10 0", 17, "(15,17.5)", "(20,10)"},
        // A second relative curve is relative to the end of the first.
        {"M 10 10 c 0 10 10 10 10 0 c 0 10 10 10 10 0", 33, "(25,17.5)", "(30,10)"},
        {"M 0 0 Q 8 8 16 0", 17, "(8,4)", "(16,0)"},
        {"M 0.1 0.3 C 0.7 1.9 2.3 0.9 3.3 0.7", 17, "(1.55,1.175)", "(3.3,0.7)"},
    };
    for (const auto& c : cases) {
        const auto pts = parse_path_data(c.input);
        ASSERT_EQ(pts.size(), c.count) << c.input;
        EXPECT_EQ(svg_test::points({pts[c.count - 9]}), c.middle) << c.input;
        EXPECT_EQ(svg_test::points({pts.back()}), c.last) << c.input;
    }
    const auto exact = parse_path_data("M 0.1 0.3 C 0.7 1.9 2.3 0.9 3.3 0.7");
    EXPECT_EQ(exact.back().first, 3.3);
    EXPECT_EQ(exact.back().second, 0.7);
}

TEST(MotionPath, MeasuresAndFindsPointsAlongIt) {
    MotionPath path{{{0, 0}, {10, 0}, {10, 10}}, {}};
    path.measure();
    EXPECT_EQ(path.lengths, (std::vector<double>{0, 10, 20}));
    const std::vector<std::pair<double, std::string>> cases = {
        {-0.5, "(0,0)"},  {0, "(0,0)"},   {0.25, "(5,0)"},  {0.5, "(10,0)"},
        {0.75, "(10,5)"}, {1, "(10,10)"}, {1.5, "(10,10)"},
    };
    for (const auto& [fraction, expected] : cases) {
        EXPECT_EQ(svg_test::points({path.point_at(fraction)}), expected) << fraction;
    }

    MotionPath same{{{3, 3}, {3, 3}, {3, 3}}, {}};
    same.measure();
    MotionPath single{{{4, 2}}, {}};
    single.measure();
    MotionPath empty;
    empty.measure();
    EXPECT_TRUE(empty.lengths.empty());
    for (double f : {0.0, 0.5, 1.0}) {
        EXPECT_EQ(svg_test::points({same.point_at(f)}), "(3,3)");
        EXPECT_EQ(svg_test::points({single.point_at(f)}), "(4,2)");
        EXPECT_EQ(svg_test::points({empty.point_at(f)}), "(0,0)");
    }
}

TEST(MotionPath, RepeatedPointsGiveSegmentsOfNoLength) {
    MotionPath path{{{0, 0}, {0, 0}, {10, 0}, {10, 0}, {10, 10}}, {}};
    path.measure();
    EXPECT_EQ(path.lengths, (std::vector<double>{0, 0, 10, 10, 20}));
    const std::vector<std::pair<double, std::string>> cases = {
        {0, "(0,0)"}, {0.25, "(5,0)"}, {0.5, "(10,0)"}, {0.75, "(10,5)"}, {1, "(10,10)"},
    };
    for (const auto& [fraction, expected] : cases) {
        EXPECT_EQ(svg_test::points({path.point_at(fraction)}), expected) << fraction;
    }
}

TEST(MotionPath, UnmeasuredPathIsReadThroughAMeasuredCopy) {
    MotionPath path{{{0, 0}, {10, 0}, {10, 10}}, {}};
    EXPECT_EQ(svg_test::points({path.point_at(0.75)}), "(10,5)");
    EXPECT_TRUE(path.lengths.empty());
    path.lengths = {0};  // stale: measured before points were added
    EXPECT_EQ(svg_test::points({path.point_at(0.25)}), "(5,0)");
}

}  // namespace
