// A stand-in UI builder until the application window declaration exists: the
// root, the settings window with its window tabs, and the window opening on
// its home pane (every dialog under the root and the configuration page
// hidden, as the declaration will start them).

#include "ext/ostrel/engine/oapp.h"
#include "ext/ostrel/layers/layers.h"
#include "ext/ostrel/runtime/desktop_app.h"
#include "ext/ostrel/runtime/settings_window.h"

namespace Ostrel {

void build_app(OApp& app) {
    const std::string root = "App";
    const std::string window = "Scribenta Window";
    app.set_root(root);
    install_settings_window(app, root, window, {}, {});
    if (Layers::LObject* top = Layers::find(Layers::registry(), root)) {
        for (const auto& child : top->children()) {
            if (child->as_style() && child->name() != window) {
                app.hidden.insert(root + "/" + child->name());
            }
        }
    }
    app.hidden.insert(root + "/" + window + "/Config Pane");
}

}  // namespace Ostrel
