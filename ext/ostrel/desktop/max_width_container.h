#pragma once

// Holds a node's widget at most max_width wide, centred horizontally. In a
// row it asks for exactly max_width; in a column it takes the width offered.

#include <QWidget>

namespace Ostrel {

class MaxWidthContainer : public QWidget {
public:
    MaxWidthContainer(QWidget* child, int max_width, QWidget* parent = nullptr);

    QWidget* child = nullptr;
    int max_width = 0;
    bool in_row = false;

    void set_row_mode(bool row);
    void set_max_width(int width);
    void relayout();
    // Lets go of the child before the container is thrown away.
    void release();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
};

}  // namespace Ostrel
