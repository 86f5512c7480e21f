#pragma once

// The Layers document model: one process-wide tree of named styles and
// attributes loaded from JSON layer files.
//
// Ownership: every object owns its children (std::unique_ptr); the registry
// owns the root and the pending styles. All pointers handed out are
// non-owning and stay valid while the tree holds the object.

#include "ext/ostrel/layers/bases.h"
#include "ext/ostrel/layers/grammar.h"
#include "ext/ostrel/layers/lattribute.h"
#include "ext/ostrel/layers/loading.h"
#include "ext/ostrel/layers/lobject.h"
#include "ext/ostrel/layers/lstyle.h"
#include "ext/ostrel/layers/lvalue.h"
#include "ext/ostrel/layers/registry.h"
#include "ext/ostrel/layers/tree.h"
