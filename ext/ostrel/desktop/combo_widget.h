#pragma once

// "Combo Box" nodes: a combo box without its own frame or arrow, with a
// painted chevron; the box part paints background, border and corners.

#include <QString>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "ext/ostrel/desktop/vbox_widget.h"
#include "ext/ostrel/engine/render_node.h"

class QComboBox;

namespace Ostrel {

class ComboWidget : public VBoxWidget {
public:
    explicit ComboWidget(QWidget* parent = nullptr);

    std::function<void(const std::string& value)> on_change;
    QComboBox* combo_box = nullptr;
    std::vector<ComboOption> options;  // last loaded into the combo box
    QString chevron_color;
    double font_size = 14.0;
    std::array<int, 4> insets{};  // left, top, right, bottom

    // A user's activation of an item; programmatic changes send nothing.
    void on_combo_activated(int index);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};

void configure_combo(ComboWidget* combo, const NodeStyle& style,
                     const std::vector<ComboOption>& options, const std::string& selected);
void layout_combo(ComboWidget* combo);

}  // namespace Ostrel
