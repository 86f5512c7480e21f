#include "ext/ostrel/engine/render_node.h"

namespace Ostrel {

std::string parent_path(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos || slash == 0) return {};
    return path.substr(0, slash);
}

}  // namespace Ostrel
