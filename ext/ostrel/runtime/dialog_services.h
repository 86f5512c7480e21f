#pragma once

// The modal file dialogs: they call back directly when the dialog closes,
// without the after-callback.

#include <string>

#include "ext/ostrel/engine/oapp.h"

namespace Ostrel {

// Stores qt_pick_file into OApp::pick_service.
void install_qt_file_pick(OApp& app);

// Framework (not native) file dialog without parent: "dir" picks a folder,
// "save" a file name to save to, any other mode one existing file. Calls done
// with the first selected path, or "" when cancelled.
void qt_pick_file(const PickRequest& request, PathCallback done);

// Save-file dialog proposing Documents/name; writes the content whole through
// the safe write, so a failed write leaves an existing file as it was. Calls
// done with true only when every byte was written. The second string is
// unused.
void save_file_dialog(const std::string& name, const std::string& unused,
                      const std::string& content, SavedCallback done);

}  // namespace Ostrel
