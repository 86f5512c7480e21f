#include <gtest/gtest.h>
#include <QBuffer>
#include <QImage>
#include <QSvgRenderer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include "ext/ostrel/desktop/asset_search.h"
#include "ext/ostrel/desktop/image_widget.h"
#include "tests/desktop/harness.h"

namespace Ostrel {
namespace {

using namespace desktop_test;

QByteArray png_bytes(QColor colour, QSize size = QSize(4, 2)) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// A one-route HTTP server on 127.0.0.1: "/ok.png" answers a PNG, anything
// else 404. Counts the requests per path.
class ImageServer {
public:
    ImageServer() {
        server_.listen(QHostAddress::LocalHost);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    const QByteArray request = socket->readAll();
                    const QByteArray path = request.split(' ').value(1);
                    ++hits[path.toStdString()];
                    const QByteArray body = path == "/ok.png" ? png_bytes(Qt::green) : "no";
                    const QByteArray status = path == "/ok.png" ? "200 OK" : "404 Not Found";
                    socket->write("HTTP/1.1 " + status +
                                  "\r\nContent-Length: " + QByteArray::number(body.size()) +
                                  "\r\nConnection: close\r\n\r\n" + body);
                    socket->disconnectFromHost();
                });
                QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }
    std::string url(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(server_.serverPort()) + path;
    }
    std::map<std::string, int> hits;

private:
    QTcpServer server_;
};

TEST(RemoteImages, DownloadedOncePerAddressAndCachedWhenTheAskerIsGone) {
    qt_app();
    ImageServer server;
    const std::string ok = server.url("/ok.png");
    {
        // The widget is gone before the reply arrives; the reply still fills the cache.
        ImageWidget early{NodeStyle()};
        early.set_source(ok);
        EXPECT_TRUE(early.loading);
    }
    EXPECT_TRUE(wait_until([&] { return remote_pixmap_cached(ok); }));
    ImageWidget later{NodeStyle()};
    later.set_source(ok);
    EXPECT_FALSE(later.loading);
    EXPECT_EQ(later.natural_size(), QSize(4, 2));
    EXPECT_EQ(server.hits["/ok.png"], 1);

    // A failed download leaves the widget empty and is not cached.
    const std::string missing = server.url("/missing.png");
    ImageWidget failed{NodeStyle()};
    failed.set_source(missing);
    EXPECT_TRUE(wait_until([&] { return !failed.loading; }));
    EXPECT_TRUE(failed.pixmap.isNull());
    EXPECT_FALSE(remote_pixmap_cached(missing));
}

constexpr const char* kTintable =
    R"(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10">)"
    R"(<rect width="10" height="10" fill="#000000"/></svg>)";

TEST(LocalImages, FolderOrderTintFitAndAspect) {
    qt_app();
    TempFolder first("images-first");
    TempFolder second("images-second");
    second.write("pic.png", png_bytes(Qt::red, QSize(20, 10)).toStdString());
    first.write("logo.svg", kTintable);
    second.write("logo.svg", "<svg/>");
    set_image_dirs({first.path().string(), second.path().string()});

    EXPECT_EQ(resolve_image_path("pic.png"),
              QString::fromStdString((second.path() / "pic.png").string()));
    EXPECT_EQ(resolve_image_path("absent.png"), "");
    EXPECT_EQ(resolve_image_path((second.path() / "pic.png").string()),
              QString::fromStdString((second.path() / "pic.png").string()));
    EXPECT_EQ(resolve_image_path("/no/such/file.png"), "");

    NodeStyle style;
    style.text_color = "#0000ff";
    ImageWidget svg(style);
    svg.set_source("logo.svg");
    svg.resize(10, 10);
    EXPECT_EQ(svg.grab().toImage().pixelColor(5, 5), QColor(0, 0, 255));
    style.text_color = "#00ff00";
    svg.apply_style(style);
    EXPECT_EQ(svg.grab().toImage().pixelColor(5, 5), QColor(0, 255, 0));

    // Empty fit covers the box (cropped); "Contain" keeps it whole.
    ImageWidget raster{NodeStyle()};
    raster.set_source("pic.png");
    raster.resize(20, 20);
    EXPECT_EQ(raster.grab().toImage().pixelColor(1, 1), QColor(255, 0, 0));
    NodeStyle contain;
    contain.fit = "Contain";
    raster.apply_style(contain);
    EXPECT_NE(raster.grab().toImage().pixelColor(1, 1), QColor(255, 0, 0));
    EXPECT_EQ(raster.grab().toImage().pixelColor(10, 10), QColor(255, 0, 0));

    // "Aspect Ratio" 2 with "Size.Width" 300 gives 300 x 150.
    NodeStyle aspect;
    aspect.aspect = 2;
    aspect.width = 300;
    apply_media_size(&raster, aspect);
    EXPECT_EQ(raster.minimumWidth(), 300);
    EXPECT_TRUE(raster.hasHeightForWidth());
    EXPECT_EQ(raster.heightForWidth(300), 150);
    // "Fit" "Aspect" completes the height from the picture: 40 wide gives 20.
    NodeStyle fit;
    fit.fit = "Aspect";
    fit.width = 40;
    apply_media_size(&raster, fit);
    EXPECT_EQ(raster.minimumSize(), QSize(40, 20));
    set_image_dirs({});
}

TEST(ImageScreen, AFixedWidthAndAnAspectRatioGiveTheImagesHeight) {
    LayerFixture layers{"image-aspect"};
    OApp app;
    // A centred column: Qt asks an aligned item for its height at the
    // column's width, 400, not at the image's.
    ASSERT_TRUE(layers.load_screen(app, R"json({"AspApp": {"->": "S:Ostrel/Box",
        "Column": {"->": "S:Ostrel/Box", "Size.Width": 400, "Layout.Grow": 1,
            "Wide": {"->": "S:Ostrel/Image", "Aspect Ratio": 2, "Size.Width": 300,
                "Fill": {"->": "#ff0000", ":Hot": "#00ff00"}}}
    }})json",
                                   "AspApp"));
    ViewHarness view(app, QSize(800, 600));
    QWidget* image = view.widget("AspApp/Column/Wide");
    EXPECT_TRUE(wait_until([&] { return image->size() == QSize(300, 150); })) << image->height();
    app.node_states["AspApp/Column/Wide"] = {"Hot"};
    view.render();
    EXPECT_TRUE(wait_until([&] { return image->size() == QSize(300, 150); })) << image->height();
}

TEST(LocalImages, AnimatedSvgPlaysEverySixteenMillisecondsUntilTheSourceChanges) {
    qt_app();
    TempFolder folder("images-animated");
    folder.write("spin.svg",
                 R"(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10">)"
                 R"(<rect width="10" height="10" fill="#000000"><animate attributeName="width" )"
                 R"(from="0" to="10" dur="1s" repeatCount="indefinite"/></rect></svg>)");
    set_image_dirs({folder.path().string()});
    ImageWidget image{NodeStyle()};
    image.set_source("spin.svg");
    ASSERT_NE(image.frame_timer, nullptr);
    EXPECT_EQ(image.frame_timer->interval(), 16);
    EXPECT_TRUE(image.renderer->isValid());
    image.set_source("");
    EXPECT_EQ(image.frame_timer, nullptr);
    EXPECT_FALSE(image.renderer->isValid());
    EXPECT_TRUE(image.natural_size().isEmpty());
    set_image_dirs({});
}

}  // namespace
}  // namespace Ostrel
