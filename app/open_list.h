#pragma once

// The configurations named on the command line, handed to the window
// declaration through the environment variable SCRIBENTA_DEV_OPEN.

#include <string>

namespace Scribenta {

// The arguments after the program name that are not empty, do not begin with
// "-" and name an existing regular file (links followed), as typed, joined
// with "\n". Anything else is skipped silently.
std::string open_list_from_arguments(int argc, const char* const* argv);

// Sets SCRIBENTA_DEV_OPEN to the list when it names at least one file;
// otherwise an inherited value stays in effect.
void publish_open_list(int argc, const char* const* argv);

}  // namespace Scribenta
