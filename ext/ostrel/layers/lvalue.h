#pragma once

#include <string>
#include <variant>
#include <vector>

namespace Layers {

// The alternatives keep this order: readers and theme code test the index
// (0 empty, 1 number, 2 boolean, 3 string, 4 list of strings).
using LValue = std::variant<std::monostate, double, bool, std::string, std::vector<std::string>>;

enum LValueKind : std::size_t {
    kEmpty = 0,
    kNumber = 1,
    kBoolean = 2,
    kString = 3,
    kStringList = 4,
};

}  // namespace Layers
