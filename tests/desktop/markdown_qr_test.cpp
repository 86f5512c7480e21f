#include <gtest/gtest.h>
#include <QApplication>
#include <QScrollBar>
#include <QTextDocument>
#include <QWheelEvent>

#include "ext/ostrel/desktop/markdown_widget.h"
#include "ext/ostrel/desktop/qr_widget.h"
#include "tests/desktop/harness.h"

namespace Ostrel {
namespace {

using namespace desktop_test;

TEST(MarkdownWidget, DefaultColoursStyleSheetAndInlineCode) {
    qt_app();
    MarkdownWidget widget;
    apply_markdown_style(&widget, NodeStyle());
    EXPECT_EQ(widget.text_color, "#e3e3e3");
    EXPECT_EQ(widget.code_background, "#2f3136");
    EXPECT_EQ(widget.document()->defaultStyleSheet(),
              "pre { background-color:#2f3136; }a { color:#e3e3e3; text-decoration: underline; }");
    EXPECT_EQ(widget.document()->defaultFont().pixelSize(), 15);
    const QString html =
        markdown_html("Use `code` and [a link](https://example.org)", "#abcdef", "#2f3136");
    EXPECT_TRUE(html.contains("font-family:'monospace'; background-color:#2f3136;"))
        << html.toStdString();
    EXPECT_FALSE(html.contains("color:#0000ff;"));
}

TEST(MarkdownWidget, HeightFollowsTheDocument) {
    qt_app();
    LayerFixture layers("markdown");
    OApp app;
    ASSERT_TRUE(layers.load_screen(app, R"json({"MdApp": {"->": "S:Ostrel/Box",
        "Layout.Align": "Stretch",
        "Doc": {"->": "S:Ostrel/Markdown", "Text": "# Title\n\nOne paragraph.",
            "Font.Size": 14}}})json",
                                   "MdApp"));
    ViewHarness view(app, QSize(400, 600));
    auto* doc = view.widget_as<MarkdownWidget>("MdApp/Doc");
    ASSERT_NE(doc, nullptr);
    // The engine gives Markdown nodes the theme's "Secondary" as code background.
    EXPECT_EQ(doc->code_background, "#2f3136");
    const int before = doc->height();
    EXPECT_GT(before, 0);
    app.texts["MdApp/Doc"] = "# Title\n\nOne paragraph.\n\nAnd a second paragraph.";
    view.render();
    EXPECT_TRUE(wait_until([&] { return doc->height() > before; }));
    EXPECT_EQ(view.widget("MdApp/Doc"), doc);
}

TEST(MarkdownWidget, WheelTurnsAreLeftToThePage) {
    qt_app();
    MarkdownWidget doc;
    doc.set_markdown(QString("Paragraph\n\n").repeated(40));
    doc.resize(200, 100);
    const QPoint at(50, 50);
    QWheelEvent wheel(at, at, QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    wheel.accept();
    QApplication::sendEvent(doc.viewport(), &wheel);
    // Ignored, so the window system's turn goes on to the scroll area around.
    EXPECT_FALSE(wheel.isAccepted());
    EXPECT_EQ(doc.verticalScrollBar()->value(), 0);
}

TEST(QrMatrix, SizesForShortEmptyAndTooLongData) {
    const struct {
        std::string data;
        int size;
    } cases[] = {{"A", 21}, {"", 0}, {std::string(5000, 'x'), 0}, {"https://example.org", 25}};
    for (const auto& c : cases) {
        const QrMatrix matrix = make_qr_matrix(c.data);
        EXPECT_EQ(matrix.size, c.size) << c.data.size();
        EXPECT_EQ(matrix.modules.size(), static_cast<size_t>(c.size) * c.size);
    }
}

TEST(QrWidget, TouchingModulesShareStraightEdges) {
    qt_app();
    // Square corners where the radius is 0, round where it is not.
    const QPainterPath round = module_path(QRectF(0, 0, 10, 10), 3.5, 3.5, 3.5, 3.5);
    const QPainterPath right_square = module_path(QRectF(0, 0, 10, 10), 3.5, 0, 0, 3.5);
    EXPECT_FALSE(round.contains(QPointF(9.8, 0.2)));
    EXPECT_TRUE(right_square.contains(QPointF(9.8, 0.2)));
    EXPECT_FALSE(right_square.contains(QPointF(0.2, 0.2)));

    QrWidget qr;
    qr.style.fill = "#ffffff";
    qr.style.text_color = "#000000";
    qr.set_data("A");
    ASSERT_EQ(qr.module_count, 21);
    qr.resize(210, 210);
    const QImage image = qr.grab().toImage();
    // The finder pattern's top row: dark modules 0..6 merge into one bar, so
    // the point between modules 0 and 1 on the top edge is dark; the outer
    // corner of module 0 is rounded.
    EXPECT_EQ(image.pixelColor(10, 1), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white));
    qr.set_data("");
    EXPECT_EQ(qr.module_count, 0);
    EXPECT_EQ(qr.grab().toImage().pixelColor(105, 105), QColor(Qt::white));
}

}  // namespace
}  // namespace Ostrel
