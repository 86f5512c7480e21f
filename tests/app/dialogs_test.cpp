#include <gtest/gtest.h>

#include "app/dialogs.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {
namespace {

const std::string kConfirm = kConfirmDialog;
const std::string kMessage = kMessageDialog;

class DialogsTest : public ::testing::Test {
protected:
    DialogsTest() {
        app.set_visible(kMessage, false);
        app.set_visible(kConfirm, false);
    }
    void click(const std::string& path) { app.dispatch_event(path, "click"); }
    bool shown(const std::string& dialog) const { return app.hidden.count(dialog) == 0; }

    Ostrel::OApp app;
    ShowMessage show_message = wire_message_dialog(app);
    ShowConfirm show_confirm = wire_confirm_dialog(app);
    int runs = 0;
    std::function<void()> count_run = [this] { ++runs; };
};

TEST_F(DialogsTest, MessageFillsAndShowsAndEitherButtonHides) {
    for (const char* button : {"/Titlebar/Exit Button", "/Body/OK Button"}) {
        show_message("First", "one");
        show_message("Couldn't Add Project", "The project needs a name.");
        EXPECT_TRUE(shown(kMessage));
        EXPECT_EQ(app.texts[kMessage + "/Titlebar/Title"], "Couldn't Add Project");
        EXPECT_EQ(app.texts[kMessage + "/Body/Message"], "The project needs a name.");
        click(kMessage + button);
        EXPECT_FALSE(shown(kMessage));
    }
}

TEST_F(DialogsTest, ConfirmRunsTheActionExactlyOnce) {
    show_confirm("Remove Fact", "Remove the fact?", "Remove", count_run);
    EXPECT_TRUE(shown(kConfirm));
    EXPECT_EQ(app.texts[kConfirm + "/Titlebar/Title"], "Remove Fact");
    EXPECT_EQ(app.texts[kConfirm + "/Body/Message"], "Remove the fact?");
    EXPECT_EQ(app.texts[kConfirm + "/Body/Actions/Confirm Button/Label"], "Remove");
    click(kConfirm + "/Body/Actions/Confirm Button");
    click(kConfirm + "/Body/Actions/Confirm Button");
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(shown(kConfirm));
    EXPECT_FALSE(*show_confirm.pending);
}

TEST_F(DialogsTest, CancelAndExitNeverRunTheAction) {
    for (const char* button : {"/Body/Actions/Cancel Button", "/Titlebar/Exit Button"}) {
        SCOPED_TRACE(button);
        show_confirm("Discard changes?", "text", "Discard", count_run);
        click(kConfirm + button);
        EXPECT_FALSE(shown(kConfirm));
        click(kConfirm + "/Body/Actions/Confirm Button");
        EXPECT_EQ(runs, 0);
    }
}

TEST_F(DialogsTest, ANewConfirmationReplacesTheUnconfirmedAction) {
    int other = 0;
    show_confirm("A", "a", "Remove", count_run);
    show_confirm("B", "b", "Exclude", [&] { ++other; });
    click(kConfirm + "/Body/Actions/Confirm Button");
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(other, 1);
}

TEST_F(DialogsTest, AnActionMayAskAgain) {
    show_confirm("First", "1", "Go", [&] { show_confirm("Second", "2", "Go", count_run); });
    click(kConfirm + "/Body/Actions/Confirm Button");
    EXPECT_TRUE(shown(kConfirm));
    EXPECT_EQ(app.texts[kConfirm + "/Titlebar/Title"], "Second");
    EXPECT_EQ(runs, 0);
    click(kConfirm + "/Body/Actions/Confirm Button");
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(shown(kConfirm));
}

TEST_F(DialogsTest, DismissHidesItsOwnDialogFromEveryButton) {
    const std::string dialog = "App/Add Fact Dialog";
    const auto hide_dialog =
        wire_dialog_dismiss(app, dialog, {"/Titlebar/Exit Button", "/Body/Actions/Cancel Button"});
    for (const char* button : {"/Titlebar/Exit Button", "/Body/Actions/Cancel Button"}) {
        app.set_visible(dialog, true);
        click(dialog + button);
        EXPECT_TRUE(app.hidden.count(dialog));
    }
    app.set_visible(dialog, true);
    hide_dialog();
    EXPECT_TRUE(app.hidden.count(dialog));
}

}  // namespace
}  // namespace Scribenta
