#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "app/edit_queue.h"
#include "app/shell.h"
#include "app/text_keep.h"

namespace Scribenta {

// select_set_item: shows item `item` of a set editor (policies, topics):
// writes pending edits, stores the index, selects the combo option (values
// are decimal positions) and runs the shell's reload, which renders the item.
// `index` is the set editor's selected-index cell, usually an aliasing
// pointer into its selection record.
struct SelectSetItem {
    Ostrel::OApp* app = nullptr;
    std::shared_ptr<std::size_t> index;
    std::string combo_path;
    FlushEdits flush_edits;
    std::shared_ptr<Shell> shell;
    std::size_t item = 0;
    // The form's keep flag, when other editors of the form keep their
    // unsaved text across this redraw; null for a plain reload.
    std::shared_ptr<UnsavedTextKeep> keep = nullptr;
    void operator()() const;
};

}  // namespace Scribenta
