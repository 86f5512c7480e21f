#pragma once

// Save in a file editor or the JSON text view writes the whole file. When
// another program (a text editor, `git pull`, a second window) changed that
// file since it was read or written here, the write would replace their
// change without a word, so Save asks first.

#include <functional>
#include <string>

#include "app/dialogs.h"

namespace Scribenta {

// Runs `write` at once, or, when the file at `path` holds text other than
// `known` (its text as last read or written here) and other than `text`
// (what Save would write), asks "Replace Changes Made Elsewhere?" first and
// runs it only on Replace; Cancel leaves the file and the text alone. A
// file that is gone or can't be read tells of no change: Save writes it as
// it always did.
void write_or_ask(const ShowConfirm& ask, const std::string& path, const std::string& known,
                  const std::string& text, std::function<void()> write);

}  // namespace Scribenta
