#pragma once

// "Video" nodes: a media file or address played into a frame image, with
// autoplay, loop, mute and click-to-pause. Which video plays is decided by
// the view's visibility check (only the one nearest its viewport's centre).
// Without a multimedia back end nothing plays and the widget stays empty.

#include <QImage>
#include <QUrl>
#include <string>

#include "ext/ostrel/desktop/media_widget.h"

class QAudioOutput;
class QMediaPlayer;
class QVideoFrame;
class QVideoSink;

namespace Ostrel {

class VideoWidget : public MediaWidget {
public:
    explicit VideoWidget(const NodeStyle& style, QWidget* parent = nullptr);

    QMediaPlayer* player = nullptr;
    QVideoSink* sink = nullptr;
    QAudioOutput* audio = nullptr;
    QUrl url;
    QImage frame;
    bool autoplay = false;
    bool loop = false;
    bool controls = false;
    bool source_set = false;  // the player holds url
    bool in_view = false;     // chosen to play by the visibility check
    std::string source;
    NodeStyle style;

    void apply_style(const NodeStyle& style) override;
    void set_source(const std::string& source) override;
    QSize natural_size() const override;

    void play();
    void pause();
    bool playing() const;
    // Creates the player objects on first need.
    void ensure_player();

    void on_video_frame(const QVideoFrame& video_frame);
    void on_video_status_changed(int status);
    void on_video_restart();
    void on_video_error();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace Ostrel
