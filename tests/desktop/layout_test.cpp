#include <gtest/gtest.h>
#include <QBoxLayout>
#include <QScrollArea>

#include "ext/ostrel/desktop/box_layout.h"
#include "ext/ostrel/desktop/max_width_container.h"
#include "ext/ostrel/desktop/vbox_widget.h"
#include "ext/ostrel/desktop/wrap_label.h"
#include "tests/desktop/harness.h"

namespace Ostrel {
namespace {

using namespace desktop_test;

TEST(BoxRules, DirectionAlignAndJustify) {
    const struct {
        std::string direction;
        QBoxLayout::Direction qt;
        bool row;
    } directions[] = {
        {"", QBoxLayout::TopToBottom, false},
        {"Column", QBoxLayout::TopToBottom, false},
        {"Column-Reverse", QBoxLayout::BottomToTop, false},
        {"-Reverse", QBoxLayout::BottomToTop, false},
        {"Row", QBoxLayout::LeftToRight, true},
        {"Rowdy", QBoxLayout::LeftToRight, true},
        {"Row-Reverse", QBoxLayout::RightToLeft, true},
        {"row", QBoxLayout::TopToBottom, false},
    };
    for (const auto& c : directions) {
        EXPECT_EQ(box_direction(c.direction).direction, c.qt) << c.direction;
        EXPECT_EQ(box_direction(c.direction).is_row, c.row) << c.direction;
    }
    const struct {
        bool row;
        std::string align;
        Qt::Alignment flags;
    } aligns[] = {
        {false, "Stretch", {}},          {true, "Stretch", {}},
        {false, "Start", Qt::AlignLeft}, {false, "End", Qt::AlignRight},
        {false, "", Qt::AlignHCenter},   {true, "Start", Qt::AlignTop},
        {true, "End", Qt::AlignBottom},  {true, "Middle", Qt::AlignVCenter},
    };
    for (const auto& c : aligns) EXPECT_EQ(align_flags(c.row, c.align), c.flags) << c.align;
    const struct {
        bool scrolls;
        std::string justify;
        bool grow;
        std::pair<int, int> factors;
    } justifies[] = {
        {true, "End", true, {0, 0}},     {true, "End", false, {0, 1}},
        {false, "Start", false, {0, 1}}, {false, "End", false, {1, 0}},
        {false, "", false, {1, 1}},      {false, "end", false, {1, 1}},
    };
    for (const auto& c : justifies) {
        EXPECT_EQ(justify_stretches(c.scrolls, c.justify, c.grow), c.factors) << c.justify;
    }
}

// A fixture screen: a padded column with a gradient header row (title and a
// fixed-width button), a scrolling body that grows and a footer at most 200
// pixels wide.
constexpr const char* kScreen = R"json({"LayApp": {"->": "S:Ostrel/Box",
    "Fill": "L:Theme/Primary", "Padding.(Left,Top,Right,Bottom)": 10, "Layout.Spacing": 6,
    "Layout.Align": "Stretch",
    "Header": {"->": "S:Ostrel/Box", "Layout.Direction": "Row", "Size.Height": 40,
        "Fill": ["0:#ff0000", "1:#0000ff"], "Border.Thickness": 2, "Border.Fill": "#00ff00",
        "Corner Radii.(Top Left,Top Right,Bottom Left,Bottom Right)": 8, "Layout.Align": "Start",
        "Title": {"->": "S:Ostrel/Text", "Text": "Hello", "Font.Size": 20, "Font.Weight": 700,
            "Text Color": "#ffffff", "Font.Family": "monospace"},
        "Close": {"->": "S:Ostrel/Button", "Text": "X", "Size.Width": 32}},
    "Body": {"->": "S:Ostrel/Box", "Layout.Scroll": "Vertical", "Layout.Grow": 1,
        "Para": {"->": "S:Ostrel/Text", "Text": "Some longer text that wraps", "Font.Size": 14}},
    "Footer": {"->": "S:Ostrel/Box", "Size.Max Width": 200, "Margins.Top": 4, "Fill": "#123456",
        "Note": {"->": "S:Ostrel/Text", "Text": "note", "Wrap": 0}}
}})json";

struct LayoutScreen : testing::Test {
    LayerFixture layers{"layout"};
    OApp app;

    void SetUp() override {
        layers.add_layer("screen.json", kScreen);
        std::string errors;
        ASSERT_TRUE(layers.load(app, kDarkTheme, &errors));
        ASSERT_EQ(errors, "");
        app.set_root("LayApp");
    }
};

QWidget* layout_widget(QBoxLayout* layout, int index) {
    return layout->itemAt(index)->widget();
}

TEST_F(LayoutScreen, NestingOrderAndSizes) {
    ViewHarness view(app, QSize(600, 400));
    const auto* top = view.entry("LayApp");
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(top->widget->parentWidget(), view.root());
    EXPECT_EQ(top->widget->objectName(), "LayApp");

    // Items: leading stretch, children in order, trailing stretch.
    QBoxLayout* layout = top->layout;
    ASSERT_EQ(layout->count(), 5);
    EXPECT_EQ(layout_widget(layout, 1), view.entry("LayApp/Header")->outer);
    EXPECT_EQ(layout_widget(layout, 2), view.entry("LayApp/Body")->outer);
    EXPECT_EQ(layout_widget(layout, 3), view.entry("LayApp/Footer")->outer);
    EXPECT_EQ(layout->contentsMargins(), QMargins(10, 10, 10, 10));
    EXPECT_EQ(layout->spacing(), 6);
    // The growing body takes the stretch; both justify stretches are 0.
    EXPECT_EQ(layout->stretch(0), 0);
    EXPECT_EQ(layout->stretch(2), 1);
    EXPECT_EQ(layout->stretch(4), 0);

    const auto* header = view.entry("LayApp/Header");
    EXPECT_TRUE(header->is_row);
    EXPECT_EQ(header->layout->direction(), QBoxLayout::LeftToRight);
    EXPECT_EQ(header->layout->contentsMargins(), QMargins(2, 2, 2, 2));  // the border
    EXPECT_EQ(header->widget->height(), 40);
    EXPECT_EQ(layout_widget(header->layout, 1), view.widget("LayApp/Header/Title"));
    EXPECT_EQ(header->layout->itemAt(1)->alignment(), Qt::AlignTop);
    const auto* close = view.entry("LayApp/Header/Close");
    EXPECT_EQ(close->widget->width(), 32);
    EXPECT_EQ(close->item_count, 2);  // stretch and caption
    EXPECT_EQ(close->label->text(), "X");
    EXPECT_EQ(close->label->font().pixelSize(), 18);
    EXPECT_EQ(close->widget->cursor().shape(), Qt::PointingHandCursor);

    // The footer is centred in its column at most 200 wide, below a 4-pixel margin.
    const auto* footer = view.entry("LayApp/Footer");
    auto* container = dynamic_cast<MaxWidthContainer*>(footer->outer);
    ASSERT_NE(container, nullptr);
    EXPECT_FALSE(container->in_row);
    EXPECT_EQ(container->width(), 580);
    EXPECT_EQ(footer->widget->width(), 200);
    EXPECT_EQ(footer->widget->mapTo(container, QPoint(0, 0)), QPoint(190, 4));
    EXPECT_NE(footer->margin_layout, nullptr);
}

TEST_F(LayoutScreen, LabelFontsStyleSheetsAndScrollPolicies) {
    ViewHarness view(app, QSize(600, 400));
    auto* title = view.widget_as<WrapLabel>("LayApp/Header/Title");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text(), "Hello");
    EXPECT_EQ(title->font().pixelSize(), 20);
    EXPECT_EQ(title->font().weight(), 700);
    EXPECT_EQ(title->font().styleHint(), QFont::TypeWriter);
    EXPECT_EQ(title->styleSheet(), "background: transparent; color: #ffffffff;");
    EXPECT_TRUE(title->wordWrap());
    EXPECT_FALSE(view.widget_as<WrapLabel>("LayApp/Footer/Note")->wordWrap());

    const auto* body = view.entry("LayApp/Body");
    auto* area = find_scroll_area(body->widget);
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(area->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    EXPECT_EQ(area->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_TRUE(area->widgetResizable());
    EXPECT_EQ(body->layout->parentWidget(), area->widget());
    EXPECT_TRUE(body->scrolls);
    EXPECT_EQ(body->layout->stretch(body->layout->count() - 1), 1);  // content at the top

    // The theme's "Primary" fills the root box through its link.
    EXPECT_EQ(view.entry("LayApp")->box->style.fill, "#36393f");
}

TEST_F(LayoutScreen, PaintsFillsGradientsBordersAndCorners) {
    ViewHarness view(app, QSize(600, 400));
    const QImage image = view.grab();
    const QWidget* header = view.widget("LayApp/Header");
    const QPoint origin = header->mapTo(view.root(), QPoint(0, 0));
    const auto at = [&](int x, int y) { return QColor(image.pixel(origin + QPoint(x, y))); };
    EXPECT_EQ(at(header->width() / 2, 0), QColor(0, 255, 0));  // border
    EXPECT_EQ(at(0, 20), QColor(0, 255, 0));
    EXPECT_GT(at(300, 4).red(), 180);        // gradient top
    EXPECT_GT(at(300, 35).blue(), 180);      // gradient bottom
    EXPECT_EQ(at(0, 0), QColor("#36393f"));  // outside the rounded corner: the root's fill
    EXPECT_EQ(QColor(image.pixel(2, 2)), QColor("#36393f"));
}

}  // namespace
}  // namespace Ostrel

namespace Ostrel {
namespace {

using namespace desktop_test;

TEST(LayoutRows, AWidthLimitedGrowingChildIsCentredAndOddScrollValuesScrollNothing) {
    LayerFixture layers("layout-rows");
    OApp app;
    ASSERT_TRUE(layers.load_screen(app, R"json({"RowApp": {"->": "S:Ostrel/Box",
        "Layout.Align": "Stretch",
        "Row": {"->": "S:Ostrel/Box", "Layout.Direction": "Row", "Size.Height": 30,
            "Limited": {"->": "S:Ostrel/Box", "Layout.Grow": 1, "Size.Max Width": 200,
                "Fill": "#ff0000"}},
        "Odd": {"->": "S:Ostrel/Box", "Layout.Scroll": "Sideways", "Size.Height": 30}}})json",
                                   "RowApp"));
    ViewHarness view(app, QSize(600, 300));
    const auto* row = view.entry("RowApp/Row");
    EXPECT_FALSE(row->has_grow_child);
    EXPECT_EQ(row->layout->stretch(0), 1);
    EXPECT_EQ(row->layout->stretch(row->layout->count() - 1), 1);
    auto* container = dynamic_cast<MaxWidthContainer*>(view.entry("RowApp/Row/Limited")->outer);
    ASSERT_NE(container, nullptr);
    EXPECT_TRUE(container->in_row);
    EXPECT_EQ(container->width(), 200);
    EXPECT_EQ(container->x(), 200);  // centred in 600

    QScrollArea* area = find_scroll_area(view.widget("RowApp/Odd"));
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(area->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(area->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

}  // namespace
}  // namespace Ostrel
