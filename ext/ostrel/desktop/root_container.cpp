#include "ext/ostrel/desktop/root_container.h"

#include <QEvent>

namespace Ostrel {

void RootContainer::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (on_resize) on_resize(width());
}

void RootContainer::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && on_maximized) on_maximized(isMaximized());
}

}  // namespace Ostrel
