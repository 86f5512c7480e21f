#include <gtest/gtest.h>
#include <QApplication>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QPointer>
#include <QWindow>

#include "tests/desktop/harness.h"

namespace Ostrel {
namespace {

using namespace desktop_test;

constexpr const char* kModalScreen = R"json({"MoApp": {"->": "S:Ostrel/Box",
    "Page": {"->": "S:Ostrel/Text", "Text": "page"},
    "Settings": {"->": "S:Ostrel/Box", "Overlay": "Modal", "Size.(Width,Height)": 300,
        "Fill": "#202020", "Title": {"->": "S:Ostrel/Text", "Text": "Settings"}},
    "Holder": {"->": "S:Ostrel/Box",
        "Message": {"->": "S:Ostrel/Box", "Overlay": "Modal", "Size.(Width,Height)": 200,
            "Fill": "#303030", "Text": {"->": "S:Ostrel/Text", "Text": "Saved"}}}
}})json";

struct ModalScreen : testing::Test {
    LayerFixture layers{"modal"};
    OApp app;

    void SetUp() override {
        ASSERT_TRUE(layers.load_screen(app, kModalScreen, "MoApp"));
        app.hidden = {"MoApp/Settings", "MoApp/Holder"};
    }
};

TEST_F(ModalScreen, ModalsOpenCentredOverADimmedRootAndCloseWithTheirPath) {
    ViewHarness view(app, QSize(800, 600));
    EXPECT_TRUE(view.view().modals().empty());
    app.hidden.erase("MoApp/Settings");
    view.render();
    ASSERT_EQ(view.view().modals().count("MoApp/Settings"), 1u);
    QPointer<QWidget> dialog = view.view().modals().at("MoApp/Settings").dialog.data();
    QPointer<QWidget> backdrop = view.view().modals().at("MoApp/Settings").backdrop.data();
    ASSERT_TRUE(dialog && backdrop);
    EXPECT_TRUE(dialog->isWindow());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowModality(), Qt::ApplicationModal);
    EXPECT_TRUE(dialog->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(dialog->size(), QSize(300, 300));
    const QRect window = view.root()->geometry();
    EXPECT_EQ(dialog->pos(), QPoint(window.x() + 250, window.y() + 150));
    EXPECT_EQ(backdrop->parentWidget(), view.root());
    EXPECT_EQ(backdrop->geometry(), view.root()->rect());
    EXPECT_EQ(backdrop->styleSheet(), "background-color: rgba(0, 0, 0, 0.5);");
    EXPECT_TRUE(view.widget("MoApp/Settings/Title")->isVisible());

    view.resize(900, 500);
    EXPECT_EQ(backdrop->geometry(), QRect(0, 0, 900, 500));

    app.hidden.insert("MoApp/Settings");
    view.render();
    EXPECT_TRUE(view.view().modals().empty());
    process_events();
    EXPECT_FALSE(dialog);
    EXPECT_FALSE(backdrop);
    EXPECT_EQ(view.entry("MoApp/Settings/Title"), nullptr);
}

TEST_F(ModalScreen, AMessageStandsAboveAnOpenModalAndNestedModalsOpenAsWindows) {
    ViewHarness view(app, QSize(800, 600));
    app.hidden.erase("MoApp/Settings");
    view.render();
    // The message sits inside a box mounted as a whole: it still opens as a window.
    app.hidden.erase("MoApp/Holder");
    view.render();
    ASSERT_EQ(view.view().modals().size(), 2u);
    QWidget* settings = view.view().modals().at("MoApp/Settings").dialog;
    QWidget* message = view.view().modals().at("MoApp/Holder/Message").dialog;
    EXPECT_TRUE(message->isWindow());
    EXPECT_TRUE(message->isVisible());
    EXPECT_TRUE(settings->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), message);
    EXPECT_EQ(view.entry("MoApp/Holder")->layout->count(), 2);  // only the stretches

    // Removing the box that holds a modal closes the modal.
    app.hidden.insert("MoApp/Holder");
    view.render();
    EXPECT_EQ(view.view().modals().count("MoApp/Holder/Message"), 0u);
    EXPECT_EQ(QApplication::activeModalWidget(), settings);
}

// The window system's close of a modal window (Alt+F4 on it), or any other
// close, leaves it open: only the store's state closes it.
TEST_F(ModalScreen, AModalWindowRefusesToCloseByItself) {
    ViewHarness view(app, QSize(800, 600));
    app.hidden.erase("MoApp/Settings");
    view.render();
    QPointer<QWidget> dialog = view.view().modals().at("MoApp/Settings").dialog.data();
    QCloseEvent close;
    QCoreApplication::sendEvent(dialog->windowHandle(), &close);
    EXPECT_FALSE(close.isAccepted());
    EXPECT_FALSE(dialog->close());
    process_events();
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), dialog);

    app.hidden.insert("MoApp/Settings");
    view.render();
    process_events();
    EXPECT_FALSE(dialog);
}

TEST_F(ModalScreen, OpeningTwiceOnOnePathClosesTheEarlierWindow) {
    ViewHarness view(app, QSize(800, 600));
    Patch patch;
    patch.kind = PatchKind::Mount;
    patch.path = "MoApp/Settings";
    patch.parent_path = "MoApp";
    patch.node.path = "MoApp/Settings";
    patch.node.name = "Settings";
    patch.node.style.overlay = "Modal";
    view.view().apply_patches({patch});
    QPointer<QWidget> first = view.view().modals().at("MoApp/Settings").dialog.data();
    QPointer<QWidget> first_backdrop = view.view().modals().at("MoApp/Settings").backdrop.data();
    view.view().apply_patches({patch});
    process_events();
    EXPECT_FALSE(first);
    EXPECT_FALSE(first_backdrop);
    EXPECT_EQ(view.view().modals().size(), 1u);
    EXPECT_TRUE(view.view().modals().at("MoApp/Settings").dialog->isVisible());
}

}  // namespace
}  // namespace Ostrel
