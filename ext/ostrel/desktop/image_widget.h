#pragma once

// "Image" nodes: a local raster or SVG file (SVG tinted to the text colour
// and played when animated) or a remote image downloaded once per address.

#include <QElapsedTimer>
#include <QPixmap>
#include <QString>
#include <memory>
#include <string>

#include "ext/ostrel/desktop/media_widget.h"
#include "ext/ostrel/svg/animated_svg.h"

class QNetworkReply;
class QSvgRenderer;
class QTimer;

namespace Ostrel {

class ImageWidget : public MediaWidget {
public:
    explicit ImageWidget(const NodeStyle& style, QWidget* parent = nullptr);
    ~ImageWidget() override;

    QPixmap pixmap;
    std::string source;
    bool loading = false;  // a download for source is under way
    NodeStyle style;
    QString svg_text;
    std::unique_ptr<AnimatedSvg> animation;
    QTimer* frame_timer = nullptr;
    QElapsedTimer clock;
    QSvgRenderer* renderer = nullptr;

    void apply_style(const NodeStyle& style) override;
    void set_source(const std::string& source) override;
    QSize natural_size() const override;

    // A finished download of url: cached on success, shown when this widget
    // still shows that address.
    void on_image_reply_finished(const std::string& url, bool ok, const QPixmap& image);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void load_svg_image(const QString& path);
    void render_svg_frame();
};

// Pixmaps of finished downloads by address; filled once, never emptied.
bool remote_pixmap_cached(const std::string& url);

}  // namespace Ostrel
