#pragma once

// Save in a file editor or the JSON text view writes the whole file. When
// another program (a text editor, `git pull`, a second window) changed that
// file since it was read or written here, the write would replace their
// change without a word, so Save asks first.

#include <functional>
#include <string>

#include "app/dialogs.h"

namespace Scribenta {

inline constexpr const char* kReplaceTitle = "Replace Changes Made Elsewhere?";
inline constexpr const char* kReplaceLabel = "Replace";

// "<path> was changed by another program since it was opened here. Saving
// replaces those changes."
std::string replace_question(const std::string& path);

// Whether the file at `path` now holds text other than `known` (its text as
// last read or written here) and other than `text` (what Save would write).
// A file that is gone or can't be read tells of no change: Save writes it
// as it always did.
bool changed_elsewhere(const std::string& path, const std::string& known, const std::string& text);

// Runs `write` at once, or, when the file was changed elsewhere, asks first
// and runs it only on Replace. Cancel leaves the file and the text alone.
void write_or_ask(const ShowConfirm& ask, const std::string& path, const std::string& known,
                  const std::string& text, std::function<void()> write);

}  // namespace Scribenta
