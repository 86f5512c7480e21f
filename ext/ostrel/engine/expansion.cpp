// One node of the render tree from one layer style: its active words, its
// resolved style, the per-path overrides of the store, the binding words of
// "Bind", and its children (or the rows of a bound list).

#include "ext/ostrel/engine/expansion.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

#include "ext/ostrel/engine/oapp.h"

namespace Ostrel {

namespace {

constexpr std::string_view kListPrefix = "List:";
constexpr std::string_view kThemeList = "ThemeList";

bool is_classic_space(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// A row field that switches something on: any text but "", "0" and "false".
bool is_set(const std::string& value) {
    return !value.empty() && value != "0" && value != "false";
}

const std::string* find_field(const RowContext& row, const std::string& field) {
    if (row.fields == nullptr) return nullptr;
    const auto found = row.fields->find(field);
    return found == row.fields->end() ? nullptr : &found->second;
}

template <typename Map>
const typename Map::mapped_type* find_entry(const Map& map, const std::string& path) {
    const auto found = map.find(path);
    return found == map.end() ? nullptr : &found->second;
}

// The words of the row's "State:<word>:<field>" bindings whose field is set.
Words row_state_words(const std::vector<std::string>& bind_words, const RowContext& row) {
    constexpr std::string_view kState = "State:";
    Words found;
    for (const std::string& word : bind_words) {
        if (!word.starts_with(kState)) continue;
        const std::string rest = word.substr(kState.size());
        const auto colon = rest.find(':');
        if (colon == std::string::npos) continue;
        const std::string* value = find_field(row, rest.substr(colon + 1));
        if (value != nullptr && is_set(*value)) found.push_back(rest.substr(0, colon));
    }
    return found;
}

// The row field of a number binding read as a number that passes `accept`.
template <typename Accept>
void bind_number(const RowContext& row, const std::string& field, double& target, Accept accept) {
    const std::string* value = find_field(row, field);
    if (value == nullptr || value->empty()) return;
    if (const auto number = read_field_number(*value); number && accept(*number)) {
        target = *number;
    }
}

// One binding word; the first matching rule applies.
void apply_binding_word(const std::string& word, RenderNode& node, const ThemeContext& theme,
                        const ThemeInfo* theme_row, const RowContext& row) {
    NodeStyle& style = node.style;
    const auto rest_after = [&](std::string_view prefix, std::string& rest) {
        if (!word.starts_with(prefix)) return false;
        rest = word.substr(prefix.size());
        return true;
    };
    const auto positive = [](double v) { return v > 0; };
    std::string field;

    if (word == "ActiveThemeName") {
        if (theme.active != nullptr) node.text = theme.active->name;
    } else if (word == "ActiveThemePublisher") {
        if (theme.active != nullptr) node.text = theme.active->publisher;
    } else if (word == "ThemeName") {
        if (theme_row != nullptr) node.text = theme_row->name;
    } else if (word == "ThemePublisher") {
        if (theme_row != nullptr) node.text = theme_row->publisher;
    } else if (rest_after("Field:", field)) {
        const std::string* value = find_field(row, field);
        switch (node.kind) {
            case NodeKind::Icon:
                if (value != nullptr && !value->empty()) style.source = *value;
                break;
            case NodeKind::Image:
            case NodeKind::Video:
                style.media_source = value != nullptr ? *value : std::string();
                style.visible = !style.media_source.empty();
                break;
            default:
                if (value != nullptr) {
                    node.text = *value;
                } else {
                    style.visible = false;
                }
        }
    } else if (rest_after("Href:", field)) {
        const std::string* value = find_field(row, field);
        if (value != nullptr && !value->empty()) style.href = *value;
    } else if (rest_after("MaxWidth:", field)) {
        bind_number(row, field, style.max_width, positive);
    } else if (rest_after("Aspect:", field)) {
        bind_number(row, field, style.aspect, positive);
    } else if (rest_after("Indent:", field)) {
        bind_number(row, field, style.margins[0], positive);
    } else if (rest_after("Grow:", field)) {
        bind_number(row, field, style.grow, [](double v) { return v >= 0; });
    } else if (rest_after("Placeholder:", field)) {
        const std::string* value = find_field(row, field);
        if (value != nullptr && !value->empty()) style.placeholder = *value;
    } else if (rest_after("Opacity:", field)) {
        if (row.fields != nullptr) {
            const std::string* value = find_field(row, field);
            style.opacity = value != nullptr && is_set(*value) ? 1 : 0;
        }
    }
}

// Overrides from the store's per-path maps.
void apply_path_overrides(RenderNode& node, const ExpandInputs& in) {
    NodeStyle& style = node.style;
    if (const auto* text = find_entry(in.texts, node.path)) node.text = *text;
    if (node.kind == NodeKind::Markdown && in.theme.active != nullptr) {
        style.code_background = in.theme.active->string_var("Secondary");
    }
    if (const auto* image = find_entry(in.images, node.path)) style.media_source = *image;
    if (const auto* href = find_entry(in.hrefs, node.path)) style.href = *href;
    if (const auto* data = find_entry(in.data, node.path)) style.data = *data;
    if (const auto* height = find_entry(in.fixed_heights, node.path)) style.height = *height;
}

void expand_children(Layers::LObject* object, RenderNode& node, const ExpandInputs& in,
                     const Words& active, const ThemeInfo* theme_row, const RowContext& row) {
    // Room for the child styles only: attributes make up most children, and a
    // node is over a kilobyte.
    std::size_t styles = 0;
    for (const auto& child : object->children()) styles += child->as_style() != nullptr ? 1 : 0;
    if (styles == 0) return;
    node.children.reserve(styles);
    for (const auto& child : object->children()) {
        auto* style = child->as_style();
        if (style == nullptr) continue;
        std::string path = child_path(node.path, style->name());
        if (in.hidden.count(path) != 0) continue;
        // Expanded where it will lie (the reserve above keeps it there), and
        // taken back when it turns out not to be visible.
        RenderNode& expanded = node.children.emplace_back();
        expand_node_into(expanded, style, std::move(path), in, active, theme_row, row);
        if (!expanded.style.visible) node.children.pop_back();
    }
}

}  // namespace

std::string child_path(const std::string& parent, const std::string& name) {
    std::string path;
    path.reserve(parent.size() + 1 + name.size());
    path.append(parent).append(1, '/').append(name);
    return path;
}

std::vector<std::string> split_words(const std::string& text) {
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(';', start);
        if (end == std::string::npos) end = text.size();
        std::size_t first = start;
        std::size_t last = end;
        while (first < last && is_classic_space(text[first])) ++first;
        while (last > first && is_classic_space(text[last - 1])) --last;
        if (last > first) words.emplace_back(text, first, last - first);
        start = end + 1;
    }
    return words;
}

int node_kind(Layers::LObject* object) {
    static const std::array<std::pair<std::string_view, NodeKind>, 14> kTypes{{
        {"Box", NodeKind::Box},
        {"Text", NodeKind::Text},
        {"Button", NodeKind::Button},
        {"Icon", NodeKind::Icon},
        {"Editor", NodeKind::Editor},
        {"Image", NodeKind::Image},
        {"Video", NodeKind::Video},
        {"Markdown", NodeKind::Markdown},
        {"QR", NodeKind::QR},
        {"Check Box", NodeKind::CheckBox},
        {"Link", NodeKind::Link},
        {"Host", NodeKind::Host},
        {"Scanner", NodeKind::Scanner},
        {"Combo Box", NodeKind::ComboBox},
    }};
    // Base chains are acyclic (loading refuses a base that would close one);
    // the hop limit only keeps a damaged tree from hanging the render.
    constexpr int kMaxHops = 4096;
    Layers::LObject* current = object;
    for (int hops = 0; current != nullptr && hops < kMaxHops; ++hops) {
        for (const auto& [name, kind] : kTypes) {
            if (current->name() == name) return static_cast<int>(kind);
        }
        auto* style = current->as_style();
        current = style != nullptr ? style->base() : nullptr;
    }
    return static_cast<int>(NodeKind::Box);
}

namespace {

// The pointer words the renderer puts on a control. A control inside another
// (a card's remove button, a tab's close button) has its own pointer state,
// so it does not take these words from its ancestors.
bool is_pointer_word(const std::string& word) {
    return word == "Hover" || word == "Pressed";
}

bool takes_own_pointer_words(NodeKind kind) {
    return kind == NodeKind::Button || kind == NodeKind::CheckBox;
}

}  // namespace

void propagate_text_color(RenderNode& node, const std::string& color) {
    if (node.kind == NodeKind::Text || node.kind == NodeKind::Icon) node.style.text_color = color;
    for (RenderNode& child : node.children) propagate_text_color(child, color);
}

RenderNode expand_node(Layers::LObject* object, std::string path, const ExpandInputs& in,
                       const Words& inherited, const ThemeInfo* theme_row, const RowContext& row) {
    RenderNode node;
    expand_node_into(node, object, std::move(path), in, inherited, theme_row, row);
    return node;
}

void expand_node_into(RenderNode& node, Layers::LObject* object, std::string path,
                      const ExpandInputs& in, const Words& inherited, const ThemeInfo* theme_row,
                      const RowContext& row) {
    // Most nodes add no words of their own: they read their parent's list and
    // copy it only when they extend it.
    Words own;
    const Words* words = &inherited;
    const auto extended = [&]() -> Words& {
        if (words != &own) {
            own = inherited;
            words = &own;
        }
        return own;
    };
    node.kind = static_cast<NodeKind>(node_kind(object));
    if (takes_own_pointer_words(node.kind) &&
        std::any_of(inherited.begin(), inherited.end(), is_pointer_word)) {
        std::erase_if(extended(), is_pointer_word);
    }
    if (const auto* states = find_entry(in.node_states, path)) {
        extended().insert(own.end(), states->begin(), states->end());
    }
    node.name = object->name();
    node.path = std::move(path);

    auto* style = object->as_style();
    resolve_node_props_into(node.style, style, *words);
    std::vector<std::string> bind_words = split_words(node.style.bind);
    const Words state_words = row.fields != nullptr ? row_state_words(bind_words, row) : Words();
    if (!state_words.empty()) {
        extended().insert(own.end(), state_words.begin(), state_words.end());
        node.style = resolve_node_props(style, *words);
        // "Bind" may itself differ under the row's words; what follows reads
        // the style just resolved.
        bind_words = split_words(node.style.bind);
    }
    const Words& active = *words;
    apply_mobile_scaling(node.style, style, active, node.kind == NodeKind::Icon, in.icon_scale,
                         in.font_scale, in.spacing_scale);
    node.text = node.style.text;
    apply_path_overrides(node, in);

    // A list inside a row of a list with the same binding gets its rows too:
    // expansion only descends into a style's own child styles, a finite tree
    // once loaded (bases are copied in, base cycles refused), so nesting
    // cannot repeat without end.
    const std::string& bind = node.style.bind;
    if (bind == kThemeList) {
        expand_theme_list(object, node.path, node, in, active);
        return;
    }
    if (bind.starts_with(kListPrefix)) {
        expand_list(object, node.path, node, in, active, bind.substr(kListPrefix.size()));
        return;
    }
    for (const std::string& word : bind_words) {
        apply_binding_word(word, node, in.theme, theme_row, row);
    }
    record_row_target(node, row, in.row_targets);
    expand_children(object, node, in, active, theme_row, row);
}

ExpandInputs expand_inputs(OApp& app) {
    return ExpandInputs{app.texts,
                        app.images,
                        app.hrefs,
                        app.data,
                        app.fixed_heights,
                        app.node_states,
                        app.hidden,
                        app.theme_rows,
                        ThemeContext{&app.themes, find_entry(app.themes, app.theme_name)},
                        app.rows,
                        app.row_targets,
                        app.mobile_icon_scale,
                        app.mobile_font_scale,
                        app.mobile_spacing_scale};
}

RenderNode render_root(OApp& app) {
    Layers::LObject* root = Layers::find(Layers::registry(), app.root_name);
    if (root == nullptr) return RenderNode();

    Words active(app.condition_tags.begin(), app.condition_tags.end());
    app.theme_rows.clear();
    app.row_targets.clear();
    const ExpandInputs inputs = expand_inputs(app);
    RenderNode tree = expand_node(root, app.root_name, inputs, active, nullptr, {});

    app.check_boxes.clear();
    tree.collect_check_boxes(app.check_boxes);
    app.uses_viewport_height = false;
    tree.apply_viewport_heights(app.viewport_height, app.fixed_heights, app.uses_viewport_height);
    tree.apply_combo_state(app.options, app.selection);
    return tree;
}

}  // namespace Ostrel
