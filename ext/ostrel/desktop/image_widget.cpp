#include "ext/ostrel/desktop/image_widget.h"

#include <QApplication>
#include <QFile>
#include <QHash>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPainter>
#include <QPointer>
#include <QSvgRenderer>
#include <QTimer>

#include "ext/ostrel/desktop/asset_search.h"
#include "ext/ostrel/desktop/svg_recolor.h"

namespace Ostrel {

namespace {

constexpr int kFrameMs = 16;

QHash<QString, QPixmap>& remote_pixmap_cache() {
    static QHash<QString, QPixmap> cache;
    return cache;
}

QNetworkAccessManager* image_network_manager() {
    static QPointer<QNetworkAccessManager> manager;
    if (!manager) manager = new QNetworkAccessManager(QCoreApplication::instance());
    return manager;
}

bool is_remote(const std::string& source) {
    return source.rfind("http://", 0) == 0 || source.rfind("https://", 0) == 0;
}

// Sends the GET; the reply is handled in the manager's context, so it is
// cached even when the widget that asked is gone by then.
void fetch(ImageWidget* widget, const std::string& url) {
    QNetworkAccessManager* manager = image_network_manager();
    QNetworkReply* reply = manager->get(QNetworkRequest(QUrl(QString::fromStdString(url))));
    QPointer<ImageWidget> asker(widget);
    QObject::connect(reply, &QNetworkReply::finished, manager, [reply, url, asker] {
        reply->deleteLater();
        QPixmap image;
        const bool ok =
            reply->error() == QNetworkReply::NoError && image.loadFromData(reply->readAll());
        if (ok) remote_pixmap_cache().insert(QString::fromStdString(url), image);
        if (asker) asker->on_image_reply_finished(url, ok, image);
    });
}

}  // namespace

bool remote_pixmap_cached(const std::string& url) {
    return remote_pixmap_cache().contains(QString::fromStdString(url));
}

ImageWidget::ImageWidget(const NodeStyle& node_style, QWidget* parent)
    : MediaWidget(parent), style(node_style) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    renderer = new QSvgRenderer(this);
}

ImageWidget::~ImageWidget() = default;

void ImageWidget::apply_style(const NodeStyle& node_style) {
    const bool tint_changed = node_style.text_color != style.text_color;
    style = node_style;
    if (renderer->isValid() && tint_changed) render_svg_frame();
    update();
}

void ImageWidget::set_source(const std::string& text) {
    if (text == source && (!pixmap.isNull() || loading || renderer->isValid())) return;
    source = text;
    loading = false;
    pixmap = QPixmap();
    if (frame_timer != nullptr) {
        frame_timer->stop();
        frame_timer->deleteLater();
        frame_timer = nullptr;
    }
    animation.reset();
    svg_text.clear();
    renderer->load(QByteArray());
    if (source.empty()) {
        update();
        return;
    }
    if (is_remote(source)) {
        auto cached = remote_pixmap_cache().constFind(QString::fromStdString(source));
        if (cached != remote_pixmap_cache().constEnd()) {
            pixmap = *cached;
        } else {
            loading = true;
            fetch(this, source);
        }
        update();
        return;
    }
    const QString path = resolve_image_path(source);
    if (path.endsWith(".svg", Qt::CaseInsensitive)) {
        load_svg_image(path);
    } else if (!path.isEmpty()) {
        pixmap.load(path);
    }
    update();
}

void ImageWidget::on_image_reply_finished(const std::string& url, bool ok, const QPixmap& image) {
    if (url != source) return;
    loading = false;
    if (ok) pixmap = image;
    update();
}

void ImageWidget::load_svg_image(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return;
    svg_text = QString::fromUtf8(file.readAll());
    animation = AnimatedSvg::parse(svg_text.toStdString());
    if (AnimatedSvg::is_animated(animation)) {
        clock.start();
        frame_timer = new QTimer(this);
        frame_timer->setInterval(kFrameMs);
        connect(frame_timer, &QTimer::timeout, this, [this] {
            render_svg_frame();
            update();
        });
        frame_timer->start();
    }
    render_svg_frame();
}

void ImageWidget::render_svg_frame() {
    if (svg_text.isEmpty()) return;
    QString frame = svg_text;
    if (AnimatedSvg::is_animated(animation)) {
        frame = QString::fromStdString(
            AnimatedSvg::frame_text(animation, static_cast<double>(clock.elapsed())));
    }
    renderer->load(recolor_svg(frame, style.text_color));
}

QSize ImageWidget::natural_size() const {
    return renderer->isValid() ? renderer->defaultSize() : pixmap.size();
}

void ImageWidget::paintEvent(QPaintEvent* event) {
    (void)event;
    QPainter painter(this);
    paint_media_background(painter, this, style, opacity);
    const bool contain = style.fit == "Contain" || style.fit == "Aspect";
    if (renderer->isValid() && !renderer->defaultSize().isEmpty()) {
        renderer->render(&painter, fit_rect(renderer->defaultSize(), size(), contain));
    } else if (!pixmap.isNull()) {
        painter.drawPixmap(fit_rect(pixmap.size(), size(), contain), pixmap, QRectF(pixmap.rect()));
    }
}

}  // namespace Ostrel
