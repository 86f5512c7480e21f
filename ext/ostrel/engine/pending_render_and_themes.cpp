// Placeholder bodies for the operations that rendering and theme activation
// will provide; replace this file when they land. They do nothing and answer
// "not done", so no caller mistakes them for working code.

#include "ext/ostrel/engine/oapp.h"

namespace Ostrel {

// No theme can be activated yet.
bool OApp::set_theme(const std::string& /*display_name*/) {
    return false;
}

}  // namespace Ostrel
