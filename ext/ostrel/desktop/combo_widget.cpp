#include "ext/ostrel/desktop/combo_widget.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "ext/ostrel/desktop/box_layout.h"
#include "ext/ostrel/desktop/box_painting.h"
#include "ext/ostrel/desktop/fonts.h"

namespace Ostrel {

namespace {

// Room kept right of the combo box for the chevron.
int chevron_room(double font_size) {
    return px(font_size * 1.2 + 0.5);
}

QString color_rule(const std::string& colour) {
    return colour.empty() ? QString() : " color: " + QString::fromStdString(colour) + ";";
}

}  // namespace

ComboWidget::ComboWidget(QWidget* parent) : VBoxWidget(parent) {
    combo_box = new QComboBox(this);
    combo_box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    combo_box->setCursor(Qt::PointingHandCursor);
    combo_box->installEventFilter(this);
    connect(combo_box, &QComboBox::activated, this,
            [this](int index) { on_combo_activated(index); });
}

void ComboWidget::on_combo_activated(int index) {
    if (index < 0 || !on_change) return;
    on_change(combo_box->itemData(index).toString().toStdString());
}

bool ComboWidget::eventFilter(QObject* watched, QEvent* event) {
    // A combo box adjusting to its contents resizes itself a moment after
    // its items change; it is put back inside the insets.
    if (watched == combo_box && event->type() == QEvent::Resize) layout_combo(this);
    return VBoxWidget::eventFilter(watched, event);
}

QSize ComboWidget::sizeHint() const {
    const QSize hint = combo_box->sizeHint();
    return QSize(hint.width() + insets[0] + insets[2], hint.height() + insets[1] + insets[3]);
}

QSize ComboWidget::minimumSizeHint() const {
    return QSize(0, sizeHint().height());
}

void ComboWidget::mousePressEvent(QMouseEvent* event) {
    (void)event;
    combo_box->showPopup();
}

void ComboWidget::paintEvent(QPaintEvent* event) {
    (void)event;
    paint_box();
    QColor colour = color_from(chevron_color.toStdString());
    if (!colour.isValid()) colour = palette().color(QPalette::WindowText);
    colour.setAlphaF(0.5f);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (opacity < 1) painter.setOpacity(opacity < 0 ? 0 : opacity);
    const double f = font_size;
    QPen pen(colour, std::max(f / 9, 1.5), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    const double cx = width() - insets[2] - chevron_room(f) / 2;
    const double w = f * 0.22;
    const double cy = height() / 2.0;
    QPainterPath chevron;
    chevron.moveTo(cx - w, cy - w / 2);
    chevron.lineTo(cx, cy + w / 2);
    chevron.lineTo(cx + w, cy - w / 2);
    painter.drawPath(chevron);
}

void ComboWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (on_resize) on_resize();
    layout_combo(this);
}

void configure_combo(ComboWidget* combo, const NodeStyle& style,
                     const std::vector<ComboOption>& options, const std::string& selected) {
    const int b = px(style.border_thickness);
    for (int i = 0; i < 4; ++i) combo->insets[i] = px(style.padding[i]) + b;

    QString popup_background;
    if (!style.fill.empty() && !style.fill_gradient) {
        const QColor fill = color_from(style.fill);
        if (fill.isValid() && fill.alpha() != 0)
            popup_background = QString::fromStdString(style.fill);
    }
    QString sheet = "QComboBox { background: transparent; border: none;" +
                    color_rule(style.text_color) +
                    " } QComboBox::drop-down { border: none; width: 0px; }";
    if (!popup_background.isEmpty()) {
        const std::string border = !style.border_fill.empty() && !style.border_gradient
                                       ? style.border_fill
                                       : style.text_color;
        sheet += " QComboBox QAbstractItemView { background: " + popup_background +
                 "; border: 1px solid " + QString::fromStdString(border) + ";" +
                 color_rule(style.text_color) + " }";
    }
    combo->combo_box->setStyleSheet(sheet);

    combo->chevron_color = QString::fromStdString(style.text_color);
    combo->font_size = style.font_size > 0 ? style.font_size : 14.0;
    QFont font = combo->combo_box->font();
    font.setPixelSize(std::max(1, px(combo->font_size + 0.5)));
    apply_font_family(font, style.font_family);
    combo->combo_box->setFont(font);

    if (options != combo->options) {
        combo->options = options;
        combo->combo_box->clear();
        for (const ComboOption& option : options) {
            combo->combo_box->addItem(QString::fromStdString(option.label),
                                      QString::fromStdString(option.value));
        }
    }
    const int index = combo->combo_box->findData(QString::fromStdString(selected), Qt::UserRole,
                                                 Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0 && index != combo->combo_box->currentIndex()) {
        combo->combo_box->setCurrentIndex(index);
    }
    layout_combo(combo);
}

void layout_combo(ComboWidget* combo) {
    const auto& in = combo->insets;
    combo->combo_box->setGeometry(
        in[0], in[1], std::max(0, combo->width() - in[2] - in[0] - chevron_room(combo->font_size)),
        std::max(0, combo->height() - in[3] - in[1]));
    combo->combo_box->view()->setMinimumWidth(combo->width());
}

}  // namespace Ostrel
