#pragma once

// The top-level widget of the view: reports its width on every resize and
// its maximised state on every window-state change.

#include <QWidget>
#include <functional>

namespace Ostrel {

class RootContainer : public QWidget {
public:
    using QWidget::QWidget;

    std::function<void(int width)> on_resize;
    std::function<void(bool maximized)> on_maximized;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
};

}  // namespace Ostrel
