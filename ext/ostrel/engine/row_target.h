#pragma once

// What a Button whose "Intent" begins with "list:" acts on.

#include <string>

namespace Ostrel {

struct RowTarget {
    std::string list;    // key of the row list
    std::string row;     // row id; empty for a Button outside any row
    std::string action;  // action word from the Intent

    bool operator==(const RowTarget&) const = default;
};

}  // namespace Ostrel
