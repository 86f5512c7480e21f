#pragma once

// The configurations open in the window: one left tab each, one of them shown
// in the site or the project configurator.

#include <string>
#include <vector>

namespace Scribenta {

inline constexpr int kSiteConfig = 0;
inline constexpr int kProjectConfig = 1;  // a project family counts as a project
inline constexpr int kNoConfig = 3;       // the record that stands for nothing shown

// One configuration of a project tab: the project itself, or for a family its
// own configuration (flag set, shown as "Overview") followed by its members.
struct MemberEntry {
    std::string config_path;
    std::string label;
    bool flag = false;
    std::string logo;  // resolved path of the member's logo; empty for none
    std::string tagline;
};

struct OpenConfig {
    std::string id;    // "config-" + number; empty until the configuration gets its tab
    std::string path;  // canonical path of the file; identifies the configuration
    std::string name;  // tab title
    int kind = kNoConfig;
    std::vector<MemberEntry> members;  // projects only
    std::string logo;                  // image of the tab; empty for none
};

// The logo of the flagged member, else of the first one; "" for none.
std::string flagged_or_first_value(const std::vector<MemberEntry>& members);

// The identity of a configuration file: its canonical path (absolute,
// links resolved) when the file exists, else its absolute path.
std::string config_identity(const std::string& path);

}  // namespace Scribenta
