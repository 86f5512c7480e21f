#include <gtest/gtest.h>
#include <QAbstractItemView>
#include <QComboBox>
#include <QTest>

#include "ext/ostrel/desktop/combo_widget.h"
#include "tests/desktop/harness.h"

namespace Ostrel {
namespace {

using namespace desktop_test;

constexpr const char* kComboScreen = R"json({"CoApp": {"->": "S:Ostrel/Box",
    "Kind": {"->": "S:Ostrel/Combo Box", "Fill": "#202020", "Text Color": "#eeeeee",
        "Size.(Width,Height)": 200},
    "Clear": {"->": "S:Ostrel/Combo Box", "Fill": "#00000000"}
}})json";

struct ComboScreen : testing::Test {
    LayerFixture layers{"combo"};
    OApp app;
    EventLog log;

    void SetUp() override {
        ASSERT_TRUE(layers.load_screen(app, kComboScreen, "CoApp"));
        app.set_options("CoApp/Kind", {{"a", "Alpha"}, {"b", "Beta"}, {"c", "Gamma"}});
        log.watch_select(app, "CoApp/Kind");
    }
};

std::vector<std::string> items(QComboBox* box) {
    std::vector<std::string> out;
    for (int i = 0; i < box->count(); ++i) {
        out.push_back(box->itemData(i).toString().toStdString() + "=" +
                      box->itemText(i).toStdString());
    }
    return out;
}

TEST_F(ComboScreen, SameOptionsKeepTheItemsAndSelectWithoutAnEvent) {
    ViewHarness view(app);
    auto* kind = view.widget_as<ComboWidget>("CoApp/Kind");
    ASSERT_NE(kind, nullptr);
    EXPECT_EQ(items(kind->combo_box), (std::vector<std::string>{"a=Alpha", "b=Beta", "c=Gamma"}));
    EXPECT_EQ(kind->combo_box->currentIndex(), 0);
    kind->combo_box->setItemData(0, "marker", Qt::UserRole + 1);

    app.select_option("CoApp/Kind", "c");
    view.render();
    EXPECT_EQ(kind->combo_box->currentIndex(), 2);
    EXPECT_EQ(kind->combo_box->itemData(0, Qt::UserRole + 1).toString(), "marker");
    EXPECT_TRUE(log.events.empty());

    app.set_options("CoApp/Kind", {{"a", "Alpha"}, {"z", "Zeta"}});
    view.render();
    EXPECT_EQ(items(kind->combo_box), (std::vector<std::string>{"a=Alpha", "z=Zeta"}));
    EXPECT_EQ(kind->combo_box->currentIndex(), 0);  // the engine fell back to the first
    EXPECT_TRUE(log.events.empty());
}

TEST_F(ComboScreen, UserChoicesAreReported) {
    ViewHarness view(app);
    auto* kind = view.widget_as<ComboWidget>("CoApp/Kind");
    kind->combo_box->setFocus();
    QTest::keyClick(kind->combo_box, Qt::Key_Down);
    EXPECT_EQ(log.events, std::vector<std::string>{"CoApp/Kind|select:b"});
    EXPECT_EQ(app.selection["CoApp/Kind"], "b");
    EXPECT_EQ(kind->combo_box->currentIndex(), 1);
    EXPECT_TRUE(view.choose("CoApp/Kind", "c"));
    EXPECT_FALSE(view.choose("CoApp/Kind", "nope"));
    EXPECT_EQ(log.events, (std::vector<std::string>{"CoApp/Kind|select:b", "CoApp/Kind|select:c"}));
}

TEST_F(ComboScreen, PopupStyleOnlyForAVisibleFill) {
    ViewHarness view(app);
    EXPECT_EQ(view.widget_as<ComboWidget>("CoApp/Kind")->combo_box->styleSheet(),
              "QComboBox { background: transparent; border: none; color: #eeeeee; } "
              "QComboBox::drop-down { border: none; width: 0px; } "
              "QComboBox QAbstractItemView { background: #202020; border: 1px solid #eeeeee; "
              "color: #eeeeee; }");
    EXPECT_EQ(view.widget_as<ComboWidget>("CoApp/Clear")->combo_box->styleSheet(),
              "QComboBox { background: transparent; border: none; } "
              "QComboBox::drop-down { border: none; width: 0px; }");
    auto* kind = view.widget_as<ComboWidget>("CoApp/Kind");
    EXPECT_EQ(kind->combo_box->geometry().width(), 200 - 17);  // room for the chevron
    // Adjusting to its contents, the combo box resizes itself; it is put back.
    kind->combo_box->adjustSize();
    EXPECT_EQ(kind->combo_box->geometry().width(), 200 - 17);
    EXPECT_EQ(kind->combo_box->view()->minimumWidth(), 200);
}

}  // namespace
}  // namespace Ostrel
