#include <QSvgRenderer>

#include "app/site/favicon_render.h"
#include "tests/site/favicon_fixture.h"

namespace Scribenta {
namespace {

using namespace favicon_test;

// Alpha of the pixel in the middle column of `row`.
int alpha_at(const QImage& image, int row) {
    return qAlpha(image.convertToFormat(QImage::Format_ARGB32).pixel(image.width() / 2, row));
}

// A 300 x 100 source in 16 pixels covers rows 5.333 to 10.667: rows 6 to 9
// whole, rows 5 and 10 in part, the rest not at all; the same for the
// raster (scaled) and the SVG (drawn at that size).
TEST(RenderIconImage, FitsAWideSourceCentredWithFractionalEdges) {
    TempDir dir;
    const QImage raster(QString::fromStdString(wide_png(dir)));
    QSvgRenderer svg(QString::fromStdString(wide_svg(dir)));
    ASSERT_TRUE(svg.isValid());

    for (QSvgRenderer* renderer : {static_cast<QSvgRenderer*>(nullptr), &svg}) {
        SCOPED_TRACE(renderer ? "svg" : "raster");
        const QImage icon = render_icon_image(renderer, raster, 16, Qt::transparent);
        EXPECT_EQ(icon.size(), QSize(16, 16));
        EXPECT_EQ(icon.format(), QImage::Format_ARGB32_Premultiplied);

        struct Row {
            int row;
            const char* coverage;
        };
        for (const Row& r : {Row{0, "none"}, Row{4, "none"}, Row{5, "part"}, Row{6, "whole"},
                             Row{9, "whole"}, Row{10, "part"}, Row{11, "none"}, Row{15, "none"}}) {
            SCOPED_TRACE(r.row);
            const int alpha = alpha_at(icon, r.row);
            const std::string coverage = alpha == 0 ? "none" : alpha == 255 ? "whole" : "part";
            EXPECT_EQ(coverage, r.coverage);
        }
        EXPECT_EQ(icon.pixel(0, 8), kRed);
        EXPECT_EQ(icon.pixel(8, 8), kRed);
    }
}

TEST(RenderIconImage, ASourceOfEmptySizeLeavesOnlyTheFill) {
    const QImage icon = render_icon_image(nullptr, QImage(), 4, QColor("#123456"));
    ASSERT_EQ(icon.size(), QSize(4, 4));
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) EXPECT_EQ(icon.pixel(x, y), 0xff123456u);
    }
}

}  // namespace
}  // namespace Scribenta
