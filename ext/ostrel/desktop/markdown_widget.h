#pragma once

// "Markdown" nodes: Markdown shown as rich text in the theme's colours, as
// tall as its content; wheel scrolling goes to the page around it.

#include <QString>
#include <QTextBrowser>

#include "ext/ostrel/engine/node_style.h"

namespace Ostrel {

class MarkdownWidget : public QTextBrowser {
public:
    explicit MarkdownWidget(QWidget* parent = nullptr);

    QString markdown_text;
    QString text_color;
    QString code_background;
    bool fitting = false;  // inside fit_markdown_height

    // Re-renders only when the text changed.
    void set_markdown(const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
};

// Colours and font from the style, then a re-render.
void apply_markdown_style(MarkdownWidget* widget, const NodeStyle& style);
void render_markdown(MarkdownWidget* widget);
// Fixes the widget's height at the document's height for its width.
void fit_markdown_height(MarkdownWidget* widget);
// The HTML shown for a Markdown text: inline code on the code background,
// links in the text colour.
QString markdown_html(const QString& markdown, const QString& text_color,
                      const QString& code_background);
// The document style sheet for blocks of code and links.
QString markdown_style_sheet(const QString& text_color, const QString& code_background);

}  // namespace Ostrel
