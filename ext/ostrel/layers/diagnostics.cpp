#include "ext/ostrel/layers/diagnostics.h"

#include <iostream>

namespace Layers {

void report_line(const std::string& line) {
    std::cerr << line << std::endl;
}

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

}  // namespace Layers
