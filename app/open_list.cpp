#include "app/open_list.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace Scribenta {

std::string open_list_from_arguments(int argc, const char* const* argv) {
    std::string list;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i] ? argv[i] : "";
        if (argument.empty() || argument.front() == '-') continue;
        std::error_code error;
        if (!std::filesystem::is_regular_file(std::filesystem::path(argument), error)) continue;
        if (!list.empty()) list += '\n';
        list += argument;
    }
    return list;
}

void publish_open_list(int argc, const char* const* argv) {
    const std::string list = open_list_from_arguments(argc, argv);
    if (!list.empty()) ::setenv("SCRIBENTA_DEV_OPEN", list.c_str(), 1);
}

}  // namespace Scribenta
