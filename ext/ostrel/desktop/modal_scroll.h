#pragma once

// The frame of a modal overlay's window: it shows the dialog at its natural
// size (the height its width needs), but never taller than the main window;
// a taller dialog scrolls vertically inside it.

#include <QScrollArea>

namespace Ostrel {

class ModalScroll : public QScrollArea {
public:
    // Takes `content` (the dialog's widget tree); `max_height` is the main
    // window's height.
    ModalScroll(QWidget* content, int max_height);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    // A change of the dialog's contents (a new message) changes the size it
    // needs; the window follows.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int max_height_;
};

}  // namespace Ostrel
