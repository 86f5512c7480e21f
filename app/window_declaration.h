#pragma once

// The window declaration without the configurations named at start-up:
// everything Ostrel::build_app sets up, returned so that tests (and the
// builder) can reach the shared state.

#include "app/app_context.h"

namespace Ostrel {
class OApp;
}

namespace Scribenta {

AppContext declare_window(Ostrel::OApp& app);

}  // namespace Scribenta
