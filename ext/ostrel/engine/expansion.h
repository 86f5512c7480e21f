#pragma once

// Expanding the layer tree into one RenderNode tree for the state of an OApp.
// Nothing is cached between renders: every render expands the whole tree.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "ext/ostrel/engine/list_entry.h"
#include "ext/ostrel/engine/render_node.h"
#include "ext/ostrel/engine/row_target.h"
#include "ext/ostrel/engine/style_resolution.h"
#include "ext/ostrel/engine/theme_info.h"
#include "ext/ostrel/layers/layers.h"

namespace Ostrel {

class OApp;

// The list row whose template is being expanded; empty outside list rows.
struct RowContext {
    const std::map<std::string, std::string>* fields = nullptr;
    std::string list;
    std::string row;
};

// The registered themes and the one registered under OApp::theme_name.
struct ThemeContext {
    const std::map<std::string, ThemeInfo>* themes = nullptr;
    const ThemeInfo* active = nullptr;
};

// What every node of one render reads (and the two maps it records into).
// The members refer to the OApp being rendered.
struct ExpandInputs {
    const std::map<std::string, std::string>& texts;
    const std::map<std::string, std::string>& images;
    const std::map<std::string, std::string>& hrefs;
    const std::map<std::string, std::string>& data;
    const std::map<std::string, double>& fixed_heights;
    const std::map<std::string, std::set<std::string>>& node_states;
    const std::set<std::string>& hidden;
    std::map<std::string, std::string>& theme_rows;  // written
    ThemeContext theme;
    const std::map<std::string, std::vector<ListEntry>>& rows;
    std::map<std::string, RowTarget>& row_targets;  // written
    double icon_scale = 1;
    double font_scale = 1;
    double spacing_scale = 1;
};

// The inputs of one render over the store's maps; the active theme is looked
// up under OApp::theme_name.
ExpandInputs expand_inputs(OApp& app);

// Expands the root style with everything below it and rebuilds OApp's
// theme rows, row targets, check boxes and viewport-height flag.
RenderNode render_root(OApp& app);

// The node for the object and its subtree; `inherited` are the words in force
// above it.
RenderNode expand_node(Layers::LObject* object, std::string path, const ExpandInputs& inputs,
                       const Words& inherited, const ThemeInfo* theme_row, const RowContext& row);

// parent + "/" + name, built in one allocation.
std::string child_path(const std::string& parent, const std::string& name);

// The same, written into a default-constructed node, so a parent can expand
// a child where it will lie in its children.
void expand_node_into(RenderNode& node, Layers::LObject* object, std::string path,
                      const ExpandInputs& inputs, const Words& inherited,
                      const ThemeInfo* theme_row, const RowContext& row);

// The NodeKind of the first type name met along the object's base chain.
int node_kind(Layers::LObject* object);

// The ";"-separated pieces, trimmed, empty ones dropped.
std::vector<std::string> split_words(const std::string& text);

// Sets "Text Color" on every Text and Icon node of the subtree.
void propagate_text_color(RenderNode& node, const std::string& color);

// Repeats the list's row template once per entry of rows[key] (with
// separators between rows) into node.children.
void expand_list(Layers::LObject* object, const std::string& path, RenderNode& node,
                 const ExpandInputs& inputs, const Words& active, const std::string& key);
// Repeats the template once per registered theme, coloured by that theme.
void expand_theme_list(Layers::LObject* object, const std::string& path, RenderNode& node,
                       const ExpandInputs& inputs, const Words& active);

// Records node's row target when it is a Button whose "Intent" begins with
// "list:".
void record_row_target(const RenderNode& node, const RowContext& row,
                       std::map<std::string, RowTarget>& row_targets);

// A row field read as a number the way strtod reads it in the classic locale,
// whatever the process locale: leading white space skipped, text after the
// number ignored. None when nothing parses, the value is out of range, or it
// is not finite.
std::optional<double> read_field_number(const std::string& text);

}  // namespace Ostrel
