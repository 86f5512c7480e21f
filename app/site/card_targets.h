#pragma once

// What the rows of the site's lists act on. The row ids are positions in the
// last rendering, so each list's map is rebuilt with its rows and an action
// always refers to what is on screen.

#include <map>
#include <string>
#include <vector>

#include "app/open_config.h"

namespace Scribenta {

struct ProjectCardTarget {
    std::string config_path;           // the family's or the stand-alone project's file
    std::string name;                  // the card's title
    std::vector<MemberEntry> members;  // in the order of the site's "projects"
};

struct SocialTarget {
    std::string url;
    std::string label;  // the card's title
};

struct SectionTarget {
    std::string type;
    std::string name;  // how messages name the section
    std::string body;  // the content fragment of a custom section; empty for presets
};

struct CardTargets {
    std::map<std::string, ProjectCardTarget> project_cards;  // "proj-" + n
    std::map<std::string, SocialTarget> social_cards;        // "social-" + n
    std::map<std::string, std::string> orphan_rows;          // "orphan-" + n -> config reference
    std::map<std::string, SectionTarget> home_sections;      // "home-" + n
};

}  // namespace Scribenta
