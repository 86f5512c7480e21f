#pragma once

// One row of a row list.

#include <map>
#include <string>

namespace Ostrel {

struct ListEntry {
    std::string id;  // becomes the row node's name
    std::map<std::string, std::string> fields;
};

}  // namespace Ostrel
