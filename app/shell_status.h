#pragma once

#include <string>

#include "app/shell.h"

namespace Scribenta {

// The status line of a shell's text view. `word` is "Clean", "Unsaved" or
// "Invalid": only "Unsaved" enables the Save button, only "Invalid" marks
// the status bar. State words are toggled only when the remembered flag
// differs, so they always equal the last wanted state.
void set_shell_status(Ostrel::OApp& app, Shell& shell, const std::string& word,
                      const std::string& message);

}  // namespace Scribenta
