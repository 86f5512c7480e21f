#include "app/open_config.h"

#include <filesystem>
#include <system_error>

namespace Scribenta {

std::string flagged_or_first_value(const std::vector<MemberEntry>& members) {
    for (const MemberEntry& member : members) {
        if (member.flag) return member.logo;
    }
    return members.empty() ? std::string() : members.front().logo;
}

std::string config_identity(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path identity = fs::canonical(path, ec);
    if (ec) identity = fs::absolute(path, ec);
    if (ec) return path;
    return identity.string();
}

}  // namespace Scribenta
