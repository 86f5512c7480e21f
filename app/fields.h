#pragma once

// Writing form fields and hints, and the small text helpers the form
// handlers share.

#include <string>

namespace Ostrel {
class OApp;
}

namespace Scribenta {

// Shows `text` in the node and makes it the node's value, so an Editor
// reports it through OApp::value before the user types.
void set_field_text(Ostrel::OApp& app, const std::string& path, const std::string& text);

// A hint line: shows the text, and hides the node while the text is empty.
struct SetHint {
    Ostrel::OApp* app = nullptr;
    std::string path;
    void operator()(const std::string& text) const;
};

// Strips blanks and tabs (only those) at both ends.
std::string trim(const std::string& text);

// A number of 0 to 999 typed by the user, optionally followed by "px" in any
// case and surrounded by blanks; anything else gives `fallback`.
int parse_int_or(const std::string& text, int fallback);

// A file path typed into a project form field as an absolute, lexically
// normal path: an absolute text stays; a relative one is taken below the
// source root, which itself is taken below `base_folder` unless absolute.
std::string resolve_config_path(const std::string& base_folder, const std::string& source_root,
                                const std::string& text);

// The file a path field of the configuration at `config_path` names below
// the source root `source_root` (resolve_config_path from the
// configuration's folder); "" for an empty field, which names none.
std::string named_source_file(const std::string& config_path, const std::string& source_root,
                              const std::string& text);

}  // namespace Scribenta
