#include <gtest/gtest.h>
#include <QImage>
#include <QPainter>

#include "ext/ostrel/desktop/box_painting.h"
#include "ext/ostrel/desktop/vbox_widget.h"
#include "ext/ostrel/desktop/wrap_label.h"
#include "tests/desktop/harness.h"

namespace Ostrel {
namespace {

using desktop_test::qt_app;

TEST(ParseFill, OffsetsAndColoursInTextOrder) {
    const GradientStops stops = parse_fill("0:#ff0000, bad ,,1 : #0000ff");
    ASSERT_EQ(stops.size(), 2u);
    EXPECT_EQ(stops[0].first, 0.0);
    EXPECT_EQ(stops[0].second, QColor(255, 0, 0));
    EXPECT_EQ(stops[1].first, 1.0);
    EXPECT_EQ(stops[1].second, QColor(0, 0, 255));
}

TEST(RoundedRectPath, CornersFollowTheFourRadii) {
    NodeStyle style;
    style.radii = {10, 0, 0, 20};  // top left, top right, bottom left, bottom right
    const QPainterPath path = rounded_rect_path(QRectF(0, 0, 100, 60), style);
    EXPECT_FALSE(path.contains(QPointF(1, 1)));    // rounded top left
    EXPECT_TRUE(path.contains(QPointF(99, 1)));    // square top right
    EXPECT_TRUE(path.contains(QPointF(1, 59)));    // square bottom left
    EXPECT_FALSE(path.contains(QPointF(98, 58)));  // rounded bottom right
    EXPECT_EQ(path.boundingRect(), QRectF(0, 0, 100, 60));
}

QImage paint(VBoxWidget& box, QSize size) {
    box.resize(size);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    box.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

TEST(VBoxPainting, GradientFillAndBorderInsideTheRectangle) {
    qt_app();
    VBoxWidget box;
    box.style.fill = "0:#ff0000,1:#0000ff,junk";
    box.style.fill_gradient = true;
    box.style.border_thickness = 2;
    box.style.border_fill = "#00ff00";
    const QImage image = paint(box, QSize(100, 40));
    EXPECT_EQ(QColor(image.pixel(0, 20)), QColor(0, 255, 0));  // border from x = 0 to 2
    EXPECT_EQ(QColor(image.pixel(99, 20)), QColor(0, 255, 0));
    const QColor top = image.pixel(50, 3);
    const QColor bottom = image.pixel(50, 36);
    EXPECT_GT(top.red(), 200);
    EXPECT_LT(top.blue(), 60);
    EXPECT_GT(bottom.blue(), 200);
    EXPECT_LT(bottom.red(), 60);
}

TEST(VBoxPainting, EmptyOrInvalidFillPaintsNothingAndOpacityFades) {
    qt_app();
    const struct {
        std::string fill;
        double opacity;
        int alpha;
    } cases[] = {{"", 1, 0},
                 {"not a colour", 1, 0},
                 {"#ff0000", 1, 255},
                 {"#ff0000", 0.5, 128},
                 {"#ff0000", -1, 0}};
    for (const auto& c : cases) {
        VBoxWidget box;
        box.style.fill = c.fill;
        box.opacity = c.opacity;
        EXPECT_NEAR(qAlpha(paint(box, QSize(20, 20)).pixel(10, 10)), c.alpha, 1) << c.fill;
    }
}

TEST(WrapLabelStyle, ColourAndOpacityGiveTheStyleSheet) {
    qt_app();
    const struct {
        std::string colour;
        double opacity;
        QString sheet;
    } cases[] = {
        {"", 1, "background: transparent;"},
        {"#ff0000", 1, "background: transparent; color: #ffff0000;"},
        {"#ff0000", 0.5, "background: transparent; color: #80ff0000;"},
        {"#ff0000", -2, "background: transparent; color: #00ff0000;"},
        {"nonsense", 1, "background: transparent;"},
    };
    for (const auto& c : cases) {
        RenderNode node;
        node.text = "t";
        node.style.text_color = c.colour;
        WrapLabel* label = make_label(node, 28);
        label->opacity = c.opacity;
        restyle_label(label);
        EXPECT_EQ(label->styleSheet(), c.sheet) << c.colour << " " << c.opacity;
        delete label;
    }
    // No colour but faded: the palette's text colour at that alpha.
    RenderNode node;
    WrapLabel* label = make_label(node, 28);
    label->opacity = 0.5;
    restyle_label(label);
    QColor expected = label->palette().color(QPalette::WindowText);
    expected.setAlphaF(0.5f);
    EXPECT_EQ(label->styleSheet(),
              "background: transparent; color: " + expected.name(QColor::HexArgb) + ";");
    delete label;
}

TEST(WrapLabelFont, SizeWeightAndFamily) {
    qt_app();
    const struct {
        double size, weight;
        std::string family;
        int default_size, pixels, qt_weight;
        bool typewriter;
    } cases[] = {
        {0, 0, "", 28, 28, 400, false},
        {0, 0, "", 18, 18, 400, false},
        {13.9, 700.5, "", 28, 13, 700, false},
        {12, 5000, "monospace", 28, 12, 1000, true},
    };
    for (const auto& c : cases) {
        RenderNode node;
        node.style.font_size = c.size;
        node.style.font_weight = c.weight;
        node.style.font_family = c.family;
        WrapLabel* label = make_label(node, c.default_size);
        EXPECT_EQ(label->font().pixelSize(), c.pixels);
        EXPECT_EQ(label->font().weight(), c.qt_weight);
        EXPECT_EQ(label->font().styleHint() == QFont::TypeWriter, c.typewriter);
        delete label;
    }
}

TEST(ResizeEdges, EightPixelBands) {
    const QSize size(200, 100);
    const struct {
        QPoint at;
        Qt::Edges edges;
    } cases[] = {
        {{8, 50}, Qt::LeftEdge},     {{9, 50}, {}},
        {{192, 50}, Qt::RightEdge},  {{100, 0}, Qt::TopEdge},
        {{100, 92}, Qt::BottomEdge}, {{2, 95}, Qt::LeftEdge | Qt::BottomEdge},
    };
    for (const auto& c : cases) EXPECT_EQ(resize_edges(c.at, size), c.edges) << c.at.x();
}

}  // namespace
}  // namespace Ostrel
