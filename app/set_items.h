#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "app/edit_queue.h"
#include "app/shell.h"

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
    void operator()() const;
};

}  // namespace Scribenta
