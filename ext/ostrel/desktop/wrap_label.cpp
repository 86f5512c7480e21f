#include "ext/ostrel/desktop/wrap_label.h"

#include <QFontMetrics>

#include "ext/ostrel/desktop/box_layout.h"
#include "ext/ostrel/desktop/box_painting.h"
#include "ext/ostrel/desktop/fonts.h"

namespace Ostrel {

QSize WrapLabel::sizeHint() const {
    if (!wordWrap()) return QLabel::sizeHint();
    ensurePolished();
    const QFontMetrics metrics(font());
    // A huge bounding width: only explicit line breaks break lines.
    const QRect text = metrics.boundingRect(QRect(0, 0, 1 << 20, 1 << 20),
                                            Qt::AlignLeft | Qt::AlignTop, this->text());
    const QMargins margins = contentsMargins();
    return QSize(text.width() + margins.left() + margins.right() + 2 * margin(),
                 text.height() + margins.top() + margins.bottom() + 2 * margin());
}

WrapLabel* make_label(const RenderNode& node, int default_size) {
    auto* label = new WrapLabel(QString::fromStdString(node.text));
    label->color = QString::fromStdString(node.style.text_color);
    label->opacity = 1.0;
    restyle_label(label);
    QFont font = label->font();
    font.setPixelSize(node.style.font_size > 0 ? px(node.style.font_size) : default_size);
    font.setWeight(font_weight(node.style.font_weight));
    apply_font_family(font, node.style.font_family);
    label->setFont(font);
    return label;
}

void restyle_label(WrapLabel* label) {
    QString sheet = "background: transparent;";
    QColor colour = color_from(label->color.toStdString());
    if (label->opacity < 1 && !colour.isValid()) {
        colour = label->palette().color(QPalette::WindowText);
    }
    if (colour.isValid()) {
        if (label->opacity < 1) {
            const double factor = label->opacity < 0 ? 0 : label->opacity;
            colour.setAlphaF(static_cast<float>(colour.alphaF() * factor));
        }
        sheet += " color: " + colour.name(QColor::HexArgb) + ";";
    }
    label->setStyleSheet(sheet);
}

}  // namespace Ostrel
