#include "ext/ostrel/desktop/markdown_widget.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextDocument>
#include <QWheelEvent>
#include <cmath>

#include "ext/ostrel/desktop/box_layout.h"

namespace Ostrel {

MarkdownWidget::MarkdownWidget(QWidget* parent) : QTextBrowser(parent) {
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setOpenExternalLinks(true);
    setStyleSheet("QTextBrowser { background: transparent; border: 0; }");
    viewport()->setAutoFillBackground(false);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    connect(document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, this,
            [this] { fit_markdown_height(this); });
}

void MarkdownWidget::set_markdown(const QString& text) {
    if (text == markdown_text) return;
    markdown_text = text;
    render_markdown(this);
}

void MarkdownWidget::resizeEvent(QResizeEvent* event) {
    QTextBrowser::resizeEvent(event);
    fit_markdown_height(this);
}

void MarkdownWidget::wheelEvent(QWheelEvent* event) {
    event->ignore();
}

void apply_markdown_style(MarkdownWidget* widget, const NodeStyle& style) {
    widget->text_color =
        style.text_color.empty() ? "#e3e3e3" : QString::fromStdString(style.text_color);
    widget->code_background =
        style.code_background.empty() ? "#2f3136" : QString::fromStdString(style.code_background);
    QPalette palette = widget->palette();
    const QColor text = QColor::fromString(widget->text_color);
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::Link, QPalette::LinkVisited}) {
        palette.setColor(role, text);
    }
    palette.setColor(QPalette::Base, Qt::transparent);
    widget->setPalette(palette);
    QFont font = widget->font();
    font.setPixelSize(style.font_size > 0 ? std::max(1, px(style.font_size)) : 15);
    widget->document()->setDefaultFont(font);
    render_markdown(widget);
}

QString markdown_html(const QString& markdown, const QString& text_color,
                      const QString& code_background) {
    QTextDocument scratch;
    scratch.setMarkdown(markdown, QTextDocument::MarkdownDialectGitHub);
    QString html = scratch.toHtml();
    html.replace("font-family:'monospace';",
                 "font-family:'monospace'; background-color:" + code_background + ";");
    html.replace("color:#0000ff;", "color:" + text_color + ";");
    return html;
}

QString markdown_style_sheet(const QString& text_color, const QString& code_background) {
    return "pre { background-color:" + code_background + "; }a { color:" + text_color +
           "; text-decoration: underline; }";
}

void render_markdown(MarkdownWidget* widget) {
    const QString html =
        markdown_html(widget->markdown_text, widget->text_color, widget->code_background);
    widget->document()->setDefaultStyleSheet(
        markdown_style_sheet(widget->text_color, widget->code_background));
    widget->setHtml(html);
    fit_markdown_height(widget);
}

void fit_markdown_height(MarkdownWidget* widget) {
    // Setting the width or the height re-enters through the size signals.
    if (widget->fitting) return;
    widget->fitting = true;
    QTextDocument* document = widget->document();
    document->setTextWidth(widget->viewport()->width());
    const int height = static_cast<int>(std::ceil(document->size().height()));
    if (height > 0 && height != widget->height()) widget->setFixedHeight(height);
    widget->fitting = false;
}

}  // namespace Ostrel
