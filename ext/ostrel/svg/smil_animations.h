#pragma once

#include <string>

namespace Ostrel {

// True for the 18 attributes whose number an "animate" element may drive.
bool is_numeric_svg_attribute(const std::string& name);

}  // namespace Ostrel
