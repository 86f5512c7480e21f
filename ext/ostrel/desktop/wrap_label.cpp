#include "ext/ostrel/desktop/wrap_label.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QTextLayout>
#include <QtMath>

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

namespace {

// The label's text laid out in lines of `width` pixels, breaking between
// words where it can and inside a word only where one does not fit; the
// height of all lines is returned.
qreal lay_out_lines(QTextLayout& layout, int width) {
    QTextOption option = layout.textOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    qreal height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
    return height;
}

// QTextLayout breaks lines only at line separators.
QString with_line_separators(QString text) {
    return text.replace(QLatin1Char('\n'), QChar::LineSeparator);
}

}  // namespace

bool WrapLabel::overflows(int width) const {
    if (!wordWrap() || textFormat() == Qt::RichText || text().isEmpty()) return false;
    // Layouts ask again and again for the same text and width.
    if (overflow_.width == width && overflow_.text == text() && overflow_.font == font()) {
        return overflow_.result;
    }
    const QFontMetrics metrics(font());
    const QRect wrapped =
        metrics.boundingRect(QRect(0, 0, width, 1 << 20), Qt::AlignLeft | Qt::TextWordWrap, text());
    overflow_ = {text(), font(), width, wrapped.width() > width};
    return overflow_.result;
}

int WrapLabel::heightForWidth(int width) const {
    const QMargins margins = contentsMargins();
    const int extra_w = margins.left() + margins.right() + 2 * margin();
    const int text_width = width - extra_w;
    if (text_width <= 0 || !overflows(text_width)) return QLabel::heightForWidth(width);
    QTextLayout layout(with_line_separators(text()), font());
    const qreal height = lay_out_lines(layout, text_width);
    return qCeil(height) + margins.top() + margins.bottom() + 2 * margin();
}

void WrapLabel::paintEvent(QPaintEvent* event) {
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    if (!overflows(area.width())) {
        QLabel::paintEvent(event);
        return;
    }
    QTextLayout layout(with_line_separators(text()), font());
    QTextOption option;
    option.setAlignment(QStyle::visualAlignment(layoutDirection(), alignment()) &
                        Qt::AlignHorizontal_Mask);
    layout.setTextOption(option);
    const qreal height = lay_out_lines(layout, area.width());
    qreal top = area.top();
    if (alignment() & Qt::AlignBottom) {
        top = area.bottom() + 1 - height;
    } else if (!(alignment() & Qt::AlignTop)) {
        top = area.top() + (area.height() - height) / 2;
    }
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    layout.draw(&painter, QPointF(area.left(), top));
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
