#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "ext/ostrel/desktop/asset_search.h"
#include "ext/ostrel/runtime/startup_steps.h"
#include "tests/runtime/service_fixture.h"

namespace runtime_test {
namespace {

TEST(WindowIcon, PngLogosAreScaledOtherNamesRenderedFromSvg) {
    QTemporaryDir dir;
    QImage wide(400, 200, QImage::Format_ARGB32);
    wide.fill(Qt::blue);
    ASSERT_TRUE(wide.save(dir.filePath("Logo.PNG"), "PNG"));
    QFile svg(dir.filePath("mark.svg"));
    ASSERT_TRUE(svg.open(QIODevice::WriteOnly));
    svg.write(R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 24 24">)"
              R"(<rect width="24" height="24" fill="red"/></svg>)");
    svg.close();
    Ostrel::set_icon_dirs({"/no/such/folder", dir.path().toStdString()});

    const QList<QSize> sizes = {{16, 16}, {24, 24},   {32, 32},  {48, 48},
                                {64, 64}, {128, 128}, {256, 256}};
    const QIcon svg_icon = Ostrel::window_icon_for("mark");
    EXPECT_EQ(svg_icon.availableSizes(), sizes);
    EXPECT_EQ(svg_icon.pixmap(32, 32).toImage().pixelColor(16, 16), QColor(Qt::red));

    // The ".png" ending in any case; scaled into the square, aspect kept.
    const QIcon png_icon = Ostrel::window_icon_for("Logo.PNG");
    ASSERT_EQ(png_icon.availableSizes().size(), 7);
    EXPECT_EQ(png_icon.availableSizes().front(), QSize(16, 8));
    EXPECT_EQ(png_icon.availableSizes().back(), QSize(256, 128));

    for (const std::string missing : {"absent.png", "absent", ""}) {
        EXPECT_TRUE(Ostrel::window_icon_for(missing).availableSizes().isEmpty()) << missing;
    }
    Ostrel::set_icon_dirs({});
}

}  // namespace
}  // namespace runtime_test
