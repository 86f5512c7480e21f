#pragma once

// The window's one message dialog and one confirmation dialog, and the
// dismissal shared by every dialog's Exit and Cancel buttons.

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>

namespace Ostrel {
class OApp;
}

namespace Scribenta {

inline constexpr const char* kMessageDialog = "App/Message Dialog";
inline constexpr const char* kConfirmDialog = "App/Confirm Dialog";

// The action a shown confirmation runs on Confirm; empty when none waits.
using PendingAction = std::shared_ptr<std::function<void()>>;

// Hides its dialog. Serves as on_dialog_dismiss (registered on a dialog's
// Exit and Cancel or OK buttons) and as hide_dialog (called by handlers).
struct DialogDismiss {
    Ostrel::OApp* app = nullptr;
    std::string dialog;
    void operator()() const;
};

// Fills and shows the message dialog; a second message replaces the first.
struct ShowMessage {
    Ostrel::OApp* app = nullptr;
    std::string dialog = kMessageDialog;
    void operator()(const std::string& title, const std::string& text) const;
};

// Fills and shows the confirmation dialog and stores `action`, dropping an
// action that was never confirmed.
struct ShowConfirm {
    Ostrel::OApp* app = nullptr;
    PendingAction pending;
    std::string dialog = kConfirmDialog;
    void operator()(const std::string& title, const std::string& text,
                    const std::string& confirm_label, std::function<void()> action) const;
};

// Exit and Cancel of the confirmation dialog: drops the action and hides it.
struct ConfirmDialogClose {
    Ostrel::OApp* app = nullptr;
    PendingAction pending;
    std::string dialog = kConfirmDialog;
    void operator()() const;
};

// Confirm: hides the dialog and empties the holder before running the action
// once, so the action may show another message or confirmation.
struct ConfirmDialogAccept {
    Ostrel::OApp* app = nullptr;
    PendingAction pending;
    std::string dialog = kConfirmDialog;
    void operator()() const;
};

// Registers copies of one DialogDismiss on the given buttons (paths below
// the dialog, such as "/Titlebar/Exit Button") and returns it.
DialogDismiss wire_dialog_dismiss(Ostrel::OApp& app, const std::string& dialog,
                                  std::initializer_list<const char*> buttons);

// Registers the message dialog's Exit and OK buttons; returns show_message.
ShowMessage wire_message_dialog(Ostrel::OApp& app);

// Creates the pending action and registers the confirmation dialog's Exit,
// Cancel and Confirm buttons; returns show_confirm.
ShowConfirm wire_confirm_dialog(Ostrel::OApp& app);

}  // namespace Scribenta
