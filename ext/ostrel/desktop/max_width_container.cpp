#include "ext/ostrel/desktop/max_width_container.h"

#include <QEvent>
#include <algorithm>

namespace Ostrel {

MaxWidthContainer::MaxWidthContainer(QWidget* wrapped, int width, QWidget* parent)
    : QWidget(parent), child(wrapped), max_width(width) {
    child->setParent(this);
    child->installEventFilter(this);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void MaxWidthContainer::set_row_mode(bool row) {
    if (row == in_row) return;
    in_row = row;
    if (row) {
        setMaximumWidth(max_width);
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    } else {
        setMaximumWidth(QWIDGETSIZE_MAX);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    }
    updateGeometry();
    relayout();
}

void MaxWidthContainer::set_max_width(int width) {
    max_width = width;
    if (in_row) setMaximumWidth(max_width);
    updateGeometry();
    relayout();
}

void MaxWidthContainer::relayout() {
    if (child == nullptr) return;
    const int w = std::min(width(), max_width);
    child->setGeometry((width() - w) / 2, 0, w, height());
}

void MaxWidthContainer::release() {
    if (child != nullptr) child->removeEventFilter(this);
    child = nullptr;
}

QSize MaxWidthContainer::sizeHint() const {
    if (child == nullptr) return QWidget::sizeHint();
    QSize hint = child->sizeHint();
    if (max_width < hint.width() && child->hasHeightForWidth()) {
        hint.setHeight(child->heightForWidth(max_width));
    }
    hint.setWidth(in_row ? max_width : std::min(hint.width(), max_width));
    return hint;
}

QSize MaxWidthContainer::minimumSizeHint() const {
    if (child == nullptr) return QWidget::minimumSizeHint();
    return QSize(0, child->minimumSizeHint().height());
}

bool MaxWidthContainer::hasHeightForWidth() const {
    return child != nullptr && child->hasHeightForWidth();
}

int MaxWidthContainer::heightForWidth(int width) const {
    if (child == nullptr) return QWidget::heightForWidth(width);
    return child->heightForWidth(std::min(width, max_width));
}

bool MaxWidthContainer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == child && event->type() == QEvent::LayoutRequest) {
        updateGeometry();
        relayout();
    }
    return QWidget::eventFilter(watched, event);
}

void MaxWidthContainer::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    relayout();
}

void MaxWidthContainer::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    relayout();
}

}  // namespace Ostrel
