#include "ext/ostrel/desktop/video_widget.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QVideoFrame>
#include <QVideoSink>

#include "ext/ostrel/desktop/asset_search.h"
#include "ext/ostrel/desktop/media_backend.h"

namespace Ostrel {

VideoWidget::VideoWidget(const NodeStyle& node_style, QWidget* parent) : MediaWidget(parent) {
    apply_style(node_style);
}

void VideoWidget::apply_style(const NodeStyle& node_style) {
    style = node_style;
    autoplay = style.autoplay;
    loop = style.loop;
    controls = style.controls;
    if (audio != nullptr) audio->setMuted(style.muted);
    update();
}

void VideoWidget::set_source(const std::string& text) {
    if (text == source) return;
    source = text;
    const QString qtext = QString::fromStdString(text);
    if (text.rfind("http://", 0) == 0 || text.rfind("https://", 0) == 0) {
        url = QUrl(qtext);
    } else {
        const QString path = resolve_image_path(text);
        url = path.isEmpty() ? QUrl() : QUrl::fromLocalFile(path);
    }
    source_set = false;
    frame = QImage();
    if (player != nullptr) player->stop();
    // A video without "Autoplay" never starts by itself.
    if (in_view && autoplay && !url.isEmpty()) play();
    update();
}

QSize VideoWidget::natural_size() const {
    return QSize();
}

void VideoWidget::ensure_player() {
    if (player != nullptr) return;
    player = new QMediaPlayer(this);
    sink = new QVideoSink(this);
    audio = new QAudioOutput(this);
    player->setVideoSink(sink);
    player->setAudioOutput(audio);
    audio->setMuted(style.muted);
    connect(sink, &QVideoSink::videoFrameChanged, this,
            [this](const QVideoFrame& video_frame) { on_video_frame(video_frame); });
    connect(player, &QMediaPlayer::mediaStatusChanged, this,
            [this](QMediaPlayer::MediaStatus status) { on_video_status_changed(status); });
    connect(player, &QMediaPlayer::errorOccurred, this, [this] { on_video_error(); });
}

void VideoWidget::play() {
    // Nothing to play, or nothing to play it with: the widget stays empty.
    if (url.isEmpty() || !media_player_available()) return;
    ensure_player();
    if (!source_set) {
        player->setSource(url);
        source_set = true;
    }
    player->play();
}

void VideoWidget::pause() {
    if (player != nullptr) player->pause();
}

bool VideoWidget::playing() const {
    return player != nullptr && player->playbackState() == QMediaPlayer::PlayingState;
}

void VideoWidget::on_video_frame(const QVideoFrame& video_frame) {
    if (video_frame.isValid()) {
        const QImage image = video_frame.toImage();
        if (!image.isNull()) frame = image;
    }
    update();
}

void VideoWidget::on_video_status_changed(int status) {
    if (status == QMediaPlayer::EndOfMedia && loop && in_view) {
        QTimer::singleShot(0, this, [this] { on_video_restart(); });
    }
}

void VideoWidget::on_video_restart() {
    if (url.isEmpty() || player == nullptr) return;
    player->stop();
    player->setSource(QUrl());
    player->setSource(url);
    source_set = true;
    player->play();
}

void VideoWidget::on_video_error() {
    if (player != nullptr) player->stop();
}

void VideoWidget::mousePressEvent(QMouseEvent* event) {
    if (!controls) {
        event->ignore();
        return;
    }
    if (playing()) {
        pause();
    } else {
        play();
    }
    event->accept();
}

void VideoWidget::paintEvent(QPaintEvent* event) {
    (void)event;
    QPainter painter(this);
    paint_media_background(painter, this, style, opacity);
    if (!frame.isNull()) {
        painter.drawImage(fit_rect(frame.size(), size(), style.fit == "Contain"), frame,
                          QRectF(frame.rect()));
    }
}

}  // namespace Ostrel
