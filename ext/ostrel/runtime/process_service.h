#pragma once

// Child processes with standard output and error merged, delivered line by
// line on the GUI thread, and exactly one exit report per run.

#include <QString>
#include <string>

#include "ext/ostrel/engine/oapp.h"

namespace Ostrel {

// Stores qt_run_process into OApp::process_service, replacing any earlier
// one. Lines arrive without "\n" and without one "\r" before it; the
// after-callback runs once per read that delivered lines and once at the
// exit. The exit code is -1 after a crash, a failed start or an empty
// argument list. Runs still going when the application quits are
// disconnected and killed, as are those of a service that is dropped.
void install_qt_process(OApp& app);

// The path to start for a program name: a name with "/" or "\\" unchanged;
// else the executable file of that name (or name + ".exe") beside the running
// executable; else the bare name for the platform's lookup.
QString resolve_program(const std::string& name);

}  // namespace Ostrel
