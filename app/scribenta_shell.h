#pragma once

// The application shell's shared machinery, for the window declaration and
// the configurator handlers: configurator shells and tabs, the edit queue,
// the message and confirmation dialogs, field, hint and status helpers, set
// item selection, picker completions, file editors and the JSON text view.
//
// At quit: the window declaration hands its FlushEdits to whatever runs when
// the application is about to quit, so edits typed within the last 500 ms
// are written.

#include "app/dialogs.h"
#include "app/edit_queue.h"
#include "app/fields.h"
#include "app/file_editor.h"
#include "app/json_status.h"
#include "app/pickers.h"
#include "app/set_items.h"
#include "app/shell.h"
#include "app/shell_status.h"
#include "app/text_file.h"
#include "app/text_view.h"
