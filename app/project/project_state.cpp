#include "app/project/project_state.h"

#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

void set_state_word(Ostrel::OApp& app, const std::string& path, const std::string& word,
                    bool& shown, bool wanted) {
    if (shown == wanted) return;
    app.toggle_state(path, word);
    shown = wanted;
}

void set_project_build_disabled(Ostrel::OApp& app, ProjectState& state,
                                const std::string& build_button, bool disabled) {
    set_state_word(app, build_button, "Disabled", state.build_disabled, disabled);
}

}  // namespace Scribenta
