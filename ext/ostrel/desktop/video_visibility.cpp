// Only the visible video nearest the vertical centre of its viewport plays.

#include <QScrollArea>
#include <climits>
#include <cstdlib>

#include "ext/ostrel/desktop/desktop_view.h"
#include "ext/ostrel/desktop/video_widget.h"

namespace Ostrel {

namespace {

// The global rectangle a video is seen through: the viewport of its nearest
// scroll area, else its window; empty without either.
QRect clip_rect(const QWidget* video) {
    for (QWidget* up = video->parentWidget(); up != nullptr; up = up->parentWidget()) {
        if (auto* area = qobject_cast<QScrollArea*>(up)) {
            const QWidget* viewport = area->viewport();
            return QRect(viewport->mapToGlobal(QPoint(0, 0)), viewport->size());
        }
    }
    const QWidget* window = video->window();
    return window != nullptr ? window->geometry() : QRect();
}

}  // namespace

void DesktopView::add_video(VideoWidget* video) {
    videos_.push_back(video);
    // Compared by the pointer kept here: the widget is half destroyed by then.
    connect(video, &QObject::destroyed, this, [this, video] { on_video_destroyed(video); });
}

void DesktopView::on_video_destroyed(VideoWidget* video) {
    std::erase(videos_, video);
}

void DesktopView::update_video_visibility() {
    VideoWidget* chosen = nullptr;
    int best = INT_MAX;
    for (VideoWidget* video : videos_) {
        if (!video->isVisible()) continue;
        const QRect own(video->mapToGlobal(QPoint(0, 0)), video->size());
        const QRect clip = clip_rect(video);
        if (clip.isEmpty() || !clip.intersects(own)) continue;
        const int distance = std::abs(own.center().y() - clip.center().y());
        if (distance < best) {
            best = distance;
            chosen = video;
        }
    }
    for (VideoWidget* video : videos_) {
        const bool picked = video == chosen;
        if (picked == video->in_view) continue;
        video->in_view = picked;
        if (!picked) {
            video->pause();
        } else if (video->autoplay) {
            video->play();
        }
    }
}

}  // namespace Ostrel
