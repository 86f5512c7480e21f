#include "app/shell_status.h"

#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

void set_shell_status(Ostrel::OApp& app, Shell& shell, const std::string& word,
                      const std::string& message) {
    app.texts[shell.status_message] = message;
    const bool invalid = word == "Invalid";
    if (invalid != shell.invalid) {
        app.toggle_state(shell.status_bar, "Invalid");
        shell.invalid = invalid;
    }
    const bool disabled = word != "Unsaved";
    if (disabled != shell.save_disabled) {
        app.toggle_state(shell.save_button, "Disabled");
        shell.save_disabled = disabled;
    }
}

}  // namespace Scribenta
