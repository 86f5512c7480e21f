// Repeated rows: a "List:" node repeats its template once per row of the
// store's row list, a "ThemeList" node once per registered theme. Rows are
// named by their row id (or the theme's display name), which is what the diff
// matches on, so a row keeps its widget while its id stays.

#include <string_view>
#include <utility>

#include "ext/ostrel/engine/expansion.h"

namespace Ostrel {

void expand_list(Layers::LObject* object, const std::string& path, RenderNode& node,
                 const ExpandInputs& in, const Words& active, const std::string& key) {
    const std::vector<Layers::LStyle*> styles = Layers::collect_descendants(object, false);
    if (styles.empty()) return;
    Layers::LStyle* row_template = styles[0];
    Layers::LStyle* separator = styles.size() > 1 ? styles[1] : nullptr;

    const auto listed = in.rows.find(key);
    if (listed == in.rows.end()) return;
    const std::vector<ListEntry>& entries = listed->second;
    const RowContext no_row;
    node.children.reserve(separator != nullptr ? 2 * entries.size() : entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const ListEntry& entry = entries[i];
        const RowContext row{&entry.fields, key, entry.id};
        Words row_words = active;
        if (i == 0) row_words.emplace_back("First");
        if (i + 1 == entries.size()) row_words.emplace_back("Last");
        // Rows and separators are expanded where they will lie; the reserve
        // above keeps them there.
        RenderNode& row_node = node.children.emplace_back();
        expand_node_into(row_node, row_template, child_path(path, entry.id), in, row_words, nullptr,
                         row);
        row_node.name = entry.id;

        if (separator == nullptr || i + 1 == entries.size()) continue;
        std::string name = entry.id + ":sep";
        RenderNode& sep = node.children.emplace_back();
        expand_node_into(sep, separator, child_path(path, name), in, active, nullptr, no_row);
        sep.name = std::move(name);
        if (!sep.style.visible) node.children.pop_back();
    }
}

void expand_theme_list(Layers::LObject* object, const std::string& path, RenderNode& node,
                       const ExpandInputs& in, const Words& active) {
    const std::vector<Layers::LStyle*> styles = Layers::collect_descendants(object, false);
    if (styles.empty() || in.theme.themes == nullptr) return;
    Layers::LStyle* row_template = styles[0];
    const ThemeInfo* active_theme = in.theme.active;
    const std::string active_name = active_theme != nullptr ? active_theme->display_name() : "";

    const RowContext no_row;
    node.children.reserve(in.theme.themes->size());
    for (const auto& [display_name, theme] : *in.theme.themes) {
        const std::string row_path = child_path(path, display_name);
        RenderNode row = expand_node(row_template, row_path, in, active, &theme, no_row);
        row.name = display_name;

        const std::string foreground = theme.string_var("Foreground");
        // Without an active theme no row is the active one, not even a theme
        // whose display name is empty.
        const bool is_active = active_theme != nullptr && display_name == active_name;
        NodeStyle& style = row.style;
        style.fill = theme.string_var("Primary");
        style.fill_gradient = false;
        style.border_fill = is_active ? foreground : theme.string_var("Tertiary");
        style.border_gradient = false;
        style.border_thickness = is_active ? 3 : 1;
        if (row.kind == NodeKind::Text || row.kind == NodeKind::Icon) style.text_color = foreground;
        for (RenderNode& child : row.children) propagate_text_color(child, foreground);

        in.theme_rows[row_path] = display_name;
        node.children.push_back(std::move(row));
    }
}

void record_row_target(const RenderNode& node, const RowContext& row,
                       std::map<std::string, RowTarget>& row_targets) {
    constexpr std::string_view kListIntent = "list:";
    if (node.kind != NodeKind::Button || !node.style.intent.starts_with(kListIntent)) return;
    const std::string rest = node.style.intent.substr(kListIntent.size());
    if (!row.list.empty()) {
        row_targets[node.path] = RowTarget{row.list, row.row, rest};
        return;
    }
    // Outside rows the Intent names the list too: "list:" + action + ":" + key.
    const auto colon = rest.find(':');
    if (colon == std::string::npos) return;
    row_targets[node.path] = RowTarget{rest.substr(colon + 1), "", rest.substr(0, colon)};
}

}  // namespace Ostrel
