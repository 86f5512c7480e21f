// The message dialog with the shipped layer files, opened as its modal
// window: a message wraps, also inside a long unbroken path, the dialog
// grows to show it all, and beyond the window's height it scrolls.

#include <QFontMetrics>
#include <QImage>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>
#include <memory>
#include <string>

#include "ext/ostrel/desktop/wrap_label.h"
#include "ext/ostrel/layers/layers.h"
#include "tests/app_layers/app_fixture.h"
#include "tests/desktop/harness.h"

namespace app_layers_test {
namespace {

const std::string kDialog = "App/Message Dialog";
const std::string kMessage = kDialog + "/Body/Message";

class MessageDialog : public AppLayers {
protected:
    // Shows the message dialog alone over a window of the given height.
    void show(const std::string& message, int window_height) {
        view_.reset();  // before the store it renders
        store_ = std::make_unique<OApp>();
        store_->themes = loaded().themes;
        store_->theme_name = kTheme;
        store_->set_root("App");
        for (const auto& child : Layers::find(Layers::registry(), "App")->children()) {
            if (child->as_style()) store_->hidden.insert("App/" + child->name());
        }
        view_ = std::make_unique<desktop_test::ViewHarness>(*store_, QSize(1000, window_height));
        store_->texts[kDialog + "/Titlebar/Title"] = "Couldn't Add Project";
        store_->texts[kMessage] = message;
        store_->hidden.erase(kDialog);
        view_->render();
        desktop_test::process_events();
    }
    QWidget* dialog() const { return view_->view().modals().at(kDialog).dialog; }
    Ostrel::WrapLabel* label() const { return view_->widget_as<Ostrel::WrapLabel>(kMessage); }
    // The dialog's vertical scroll bar when it shows one, else null.
    QScrollBar* scroll_bar() const {
        const auto* area = dialog()->findChild<QScrollArea*>();
        QScrollBar* bar = area != nullptr ? area->verticalScrollBar() : nullptr;
        return bar != nullptr && bar->isVisible() ? bar : nullptr;
    }
    // Whether text is drawn in rows [top, bottom) of the label: some pixel
    // there differs from the background at the top-left corner.
    bool inked(int top, int bottom) const {
        const QImage image = label()->grab().toImage();
        for (int y = std::max(top, 0); y < std::min(bottom, image.height()); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixel(x, y) != image.pixel(0, 0)) return true;
            }
        }
        return false;
    }

    std::unique_ptr<OApp> store_;
    std::unique_ptr<desktop_test::ViewHarness> view_;
};

TEST_F(MessageDialog, ALongPathWrapsAndTheDialogGrowsToShowIt) {
    show("Saved.", 700);
    const int one_line_dialog = dialog()->height();
    const int one_line = label()->height();
    const QFontMetrics metrics(label()->font());

    const std::string name(300, 'a');
    show("Could not create /tmp/site/projects/" + name + ": File name too long", 700);
    const int width = label()->width();
    // The name alone needs this many lines at the label's width.
    const int name_lines = metrics.horizontalAdvance(QString::fromStdString(name)) / width + 1;
    const int height = label()->height();
    EXPECT_GE(height, (name_lines + 1) * metrics.lineSpacing());
    EXPECT_EQ(dialog()->height(), one_line_dialog + height - one_line);
    EXPECT_EQ(scroll_bar(), nullptr);
    // The text is drawn from the first line down to the last.
    EXPECT_TRUE(inked(0, metrics.lineSpacing()));
    EXPECT_TRUE(inked(height - metrics.lineSpacing(), height));

    // A second message while the dialog is open: the dialog follows it.
    store_->texts[kMessage] = "Saved.";
    view_->render();
    EXPECT_TRUE(desktop_test::wait_until([&] { return dialog()->height() == one_line_dialog; }));
}

TEST_F(MessageDialog, AMessageTallerThanTheWindowScrolls) {
    show("Could not create " + std::string(4000, 'b'), 300);
    EXPECT_EQ(dialog()->height(), 300);
    ASSERT_NE(scroll_bar(), nullptr);
    EXPECT_GT(scroll_bar()->maximum(), 0);
    // All of the text can be scrolled to: the label is as tall as its lines.
    EXPECT_EQ(label()->height(), label()->heightForWidth(label()->width()));
}

}  // namespace
}  // namespace app_layers_test
