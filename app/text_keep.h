#pragma once

// Whether a redraw of a configurator's form may keep the unsaved text of
// its file editors. Only redraws the configurator causes for its own
// changes (an added or removed list entry, another set item) keep it; every
// other reload (after "Discard", another configuration, a view switch)
// loads the files again.

#include <functional>
#include <memory>

#include "app/shell.h"

namespace Scribenta {

struct UnsavedTextKeep {
    bool keep = false;
    // Set with `keep` for the redraw after another program changed the
    // file: a set editor (policies, topics) goes on showing the item whose
    // unsaved text it holds, wherever that item moved.
    bool follow = false;
};

// The shell's reload, run for a change the configurator made itself:
// unsaved editor text survives it. Without a keep flag it is the plain
// reload.
struct ReloadKeepingText {
    std::shared_ptr<const Shell> shell;
    std::shared_ptr<UnsavedTextKeep> keep;
    bool follow = false;
    void operator()() const;
};

// The shell's redraw after another program changed its file (Shell::redraw):
// a ReloadKeepingText that follows moved items. It holds the shell only
// weakly, since the shell stores it.
std::function<void()> following_redraw(const std::shared_ptr<const Shell>& shell,
                                       std::shared_ptr<UnsavedTextKeep> keep);

}  // namespace Scribenta
