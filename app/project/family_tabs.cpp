#include "app/project/family_tabs.h"

#include <string>
#include <vector>

#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

void render_family_tabs(Ostrel::OApp& app, const ProjectPaths& paths, const OpenConfig& config) {
    std::vector<Ostrel::ListEntry> rows;
    rows.reserve(config.members.size());
    for (std::size_t i = 0; i < config.members.size(); ++i) {
        const MemberEntry& member = config.members[i];
        Ostrel::ListEntry row{"member-" + std::to_string(i), {}};
        if (member.flag) {
            row.fields["umbrella"] = "1";
        } else {
            row.fields["label"] = member.label;
            if (!member.tagline.empty()) row.fields["tagline"] = member.tagline;
            if (!member.logo.empty()) row.fields["logo"] = member.logo;
        }
        rows.push_back(std::move(row));
    }
    app.set_rows("familyTabs", std::move(rows));
    const bool family = config.members.size() >= 2;
    app.set_visible(paths.family_bar, family);
    app.set_visible(paths.family_divider, family);
}

void show_family_layout(Ostrel::OApp& app, Shell& shell, const ProjectPaths& paths,
                        ProjectState& state, bool umbrella) {
    for (const char* tab : member_only_tabs()) {
        app.set_visible(shell.sidebar + "/" + tab, !umbrella);
    }
    app.texts[paths.project_tab_label] = umbrella ? "Project Family" : "Project";
    set_state_word(app, paths.project_tab, "Family", state.family_shown, umbrella);
    if (umbrella) select_tab(app, shell, "Project Tab");
}

void mark_member_tab(Ostrel::OApp& app, const ProjectPaths& paths, ProjectState& state,
                     std::size_t index) {
    const std::string tab = member_tab_path(paths, index);
    if (tab == state.active_member_tab) return;
    if (!state.active_member_tab.empty()) app.toggle_state(state.active_member_tab, "Active");
    app.toggle_state(tab, "Active");
    state.active_member_tab = tab;
}

}  // namespace Scribenta
