#include <gtest/gtest.h>

#include "ext/ostrel/desktop/svg_recolor.h"

namespace Ostrel {
namespace {

TEST(RecolorSvg, FillsOfShapesTakeTheTint) {
    const struct {
        const char* name;
        QString svg;
        std::string colour;
        QString expected;
    } cases[] = {
        {"colour fill", R"(<svg><path d="M0" fill="#000"/></svg>)", "#fff",
         R"(<svg><path d="M0" fill="#fff"/></svg>)"},
        {"fill none kept", R"(<svg><path fill="none" stroke="#000"/></svg>)", "#fff",
         R"(<svg><path fill="none" stroke="#000"/></svg>)"},
        {"no fill attribute kept", R"(<svg><circle r="2"/><rect style="fill:#000"/></svg>)", "#fff",
         R"(<svg><circle r="2"/><rect style="fill:#000"/></svg>)"},
        {"every shape kind",
         R"(<rect fill="a"/><ellipse fill="b"/><circle fill="c"/><g fill="d"/>)", "red",
         R"(<rect fill="red"/><ellipse fill="red"/><circle fill="red"/><g fill="d"/>)"},
        {"empty colour", R"(<path fill="#000"/>)", "", R"(<path fill="#000"/>)"},
        {"excluded ids",
         R"(<!-- exclude="keep also" --><path id="keep" fill="#1"/><path id="also" fill="#2"/><path id="other" fill="#3"/>)",
         "#f",
         R"(<!-- exclude="keep also" --><path id="keep" fill="#1"/><path id="also" fill="#2"/><path id="other" fill="#f"/>)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(QString::fromUtf8(recolor_svg(c.svg, c.colour)), c.expected) << c.name;
    }
}

TEST(RecolorSvg, ReferencedGradientsTakeTheTintInBothForms) {
    const QString svg =
        "<svg><defs>"
        "<linearGradient id=\"g1\"><stop offset=\"0\" stop-color=\"#111\"/>"
        "<stop offset=\"1\" style=\"stop-color: #222; stop-opacity:1\"/></linearGradient>\n"
        "<radialGradient id=\"g2\"><stop stop-color=\"#333\"/></radialGradient>"
        "</defs><path fill=\"url(#g1)\"/><circle style=\"fill: url( #g1)\"/></svg>";
    const QString expected =
        "<svg><defs>"
        "<linearGradient id=\"g1\"><stop offset=\"0\" stop-color=\"#abc\"/>"
        "<stop offset=\"1\" style=\"stop-color: #abc; stop-opacity:1\"/></linearGradient>\n"
        "<radialGradient id=\"g2\"><stop stop-color=\"#333\"/></radialGradient>"
        "</defs><path fill=\"url(#g1)\"/><circle style=\"fill: url( #g1)\"/></svg>";
    EXPECT_EQ(QString::fromUtf8(recolor_svg(svg, "#abc")), expected);
    // A colour that looks like a back-reference is written as it is.
    EXPECT_EQ(
        recolor_gradients("<linearGradient id=\"x\"><stop stop-color=\"#0\"/></linearGradient>",
                          {"x"}, "\\2$1"),
        "<linearGradient id=\"x\"><stop stop-color=\"\\2$1\"/></linearGradient>");
}

}  // namespace
}  // namespace Ostrel
