#include "app/dialogs.h"

#include <utility>

#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

namespace {

void fill_dialog(Ostrel::OApp& app, const std::string& dialog, const std::string& title,
                 const std::string& text) {
    app.texts[dialog + "/Titlebar/Title"] = title;
    app.texts[dialog + "/Body/Message"] = text;
}

}  // namespace

void DialogDismiss::operator()() const {
    app->set_visible(dialog, false);
}

void ShowMessage::operator()(const std::string& title, const std::string& text) const {
    fill_dialog(*app, dialog, title, text);
    app->set_visible(dialog, true);
}

void ShowConfirm::operator()(const std::string& title, const std::string& text,
                             const std::string& confirm_label, std::function<void()> action) const {
    fill_dialog(*app, dialog, title, text);
    app->texts[dialog + "/Body/Actions/Confirm Button/Label"] = confirm_label;
    *pending = std::move(action);
    app->set_visible(dialog, true);
}

void ConfirmDialogClose::operator()() const {
    *pending = nullptr;
    app->set_visible(dialog, false);
}

void ConfirmDialogAccept::operator()() const {
    app->set_visible(dialog, false);
    std::function<void()> action = std::exchange(*pending, nullptr);
    if (action) action();
}

DialogDismiss wire_dialog_dismiss(Ostrel::OApp& app, const std::string& dialog,
                                  std::initializer_list<const char*> buttons) {
    const DialogDismiss dismiss{&app, dialog};
    for (const char* button : buttons) app.on_click(dialog + button, dismiss);
    return dismiss;
}

ShowMessage wire_message_dialog(Ostrel::OApp& app) {
    wire_dialog_dismiss(app, kMessageDialog, {"/Titlebar/Exit Button", "/Body/OK Button"});
    return ShowMessage{&app};
}

ShowConfirm wire_confirm_dialog(Ostrel::OApp& app) {
    auto pending = std::make_shared<std::function<void()>>();
    const ConfirmDialogClose close{&app, pending};
    app.on_click(std::string(kConfirmDialog) + "/Titlebar/Exit Button", close);
    app.on_click(std::string(kConfirmDialog) + "/Body/Actions/Cancel Button", close);
    app.on_click(std::string(kConfirmDialog) + "/Body/Actions/Confirm Button",
                 ConfirmDialogAccept{&app, pending});
    return ShowConfirm{&app, pending};
}

}  // namespace Scribenta
