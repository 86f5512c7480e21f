#include "ext/ostrel/desktop/modal_scroll.h"

#include <QEvent>
#include <QScrollBar>
#include <QWidgetItem>

#include "ext/ostrel/desktop/scroll_bar_style.h"

namespace Ostrel {

ModalScroll::ModalScroll(QWidget* content, int max_height) : max_height_(max_height) {
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setStyleSheet("QScrollArea, QScrollArea > QWidget > QWidget { background: transparent; }" +
                  thin_scroll_bar_rules());
    viewport()->setAutoFillBackground(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWidget(content);
    content->installEventFilter(this);
}

QSize ModalScroll::sizeHint() const {
    if (widget() == nullptr) return QScrollArea::sizeHint();
    // The size a layout would give the dialog, its height for its width.
    QWidgetItem item(widget());
    QSize size = item.sizeHint();
    if (item.hasHeightForWidth()) size.setHeight(item.heightForWidth(size.width()));
    if (max_height_ > 0 && size.height() > max_height_) {
        size.setHeight(max_height_);
        size.rwidth() += verticalScrollBar()->sizeHint().width();
    }
    return size;
}

QSize ModalScroll::minimumSizeHint() const {
    return sizeHint();
}

bool ModalScroll::eventFilter(QObject* watched, QEvent* event) {
    if (watched == widget() && event->type() == QEvent::LayoutRequest) updateGeometry();
    return QScrollArea::eventFilter(watched, event);
}

}  // namespace Ostrel
