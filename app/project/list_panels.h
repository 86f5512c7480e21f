#pragma once

#include "app/project/panel_context.h"
#include "app/project/project_wiring.h"

namespace Scribenta {

// Registers the dependency, fact and download handlers: the card and row
// actions of "depCards", "factRows" and "downloadCards", the three Add
// buttons, the icon Browse buttons and the Create buttons. The dialogs'
// Exit and Cancel buttons are the window's (declare_dialog).
void wire_list_entries(const ProjectPanelContext& ctx, const ProjectWiring& wiring);

}  // namespace Scribenta
