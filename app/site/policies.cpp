#include "app/site/policies.h"

#include <charconv>
#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

#include "app/fields.h"
#include "app/path_change.h"
#include "app/set_items.h"
#include "app/site/policy_dialog.h"
#include "config/json_file.h"
#include "config/list_remove.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

namespace fs = std::filesystem;
using nlohmann::ordered_json;

namespace {

std::string member_text(const ordered_json& element, const char* key) {
    return element.is_object() ? json_text(element, key) : std::string();
}

std::string option_label(const ordered_json& element, std::size_t index) {
    std::string label = member_text(element, "name");
    if (label.empty()) label = member_text(element, "slug");
    return label.empty() ? "Policy " + std::to_string(index + 1) : label;
}

bool has_footer_link(const std::string& config_path, std::size_t index) {
    ordered_json doc;
    if (!parse_json_file(config_path, doc) || !doc.is_object()) return false;
    const auto policies = doc.find("policies");
    if (policies == doc.end() || !policies->is_array() || index >= policies->size()) return false;
    const std::string slug = member_text((*policies)[index], "slug");
    const auto links = doc.find("footer_links");
    if (slug.empty() || links == doc.end() || !links->is_array()) return false;
    const std::string href = "/" + slug + ".html";
    for (const ordered_json& link : *links)
        if (link.is_object() && link.contains("href") && link["href"] == href) return true;
    return false;
}

}  // namespace

std::string policy_pointer(std::size_t index, const std::string& key) {
    return "/policies/" + std::to_string(index) + "/" + key;
}

std::string resolve_policy_path(const std::string& config_path, const std::string& file) {
    const std::size_t start = file.find_first_not_of('/');
    if (start == std::string::npos || config_path.empty()) return {};
    return (fs::path(config_path).parent_path() / file.substr(start)).lexically_normal().string();
}

void RenderPolicies::operator()(const ordered_json& doc) const {
    Ostrel::OApp& a = *app;
    SetSelection& selection = state->selection;
    const std::string& config = edits->config_path;
    if (config != selection.owner_path) {
        selection.owner_path = config;
        selection.index = 0;
    }
    static const ordered_json kNone = ordered_json::array();
    const auto found = doc.is_object() ? doc.find("policies") : doc.end();
    const ordered_json& list =
        doc.is_object() && found != doc.end() && found->is_array() ? *found : kNone;
    selection.count = list.size();
    // A redraw after another program moved the policies keeps the one whose
    // unsaved text the editor holds, wherever it went.
    if (keep->follow && state->shown_owner == config && editor_is_dirty(a, *state->editor)) {
        const auto holds = [&](std::size_t i) {
            return i < list.size() &&
                   resolve_policy_path(config, member_text(list[i], "file")) == state->editor->path;
        };
        for (std::size_t i = 0; i < list.size() && !holds(selection.index); ++i) {
            if (holds(i)) selection.index = state->shown_index = i;
        }
    }
    if (selection.index >= selection.count)
        selection.index = selection.count == 0 ? 0 : selection.count - 1;

    const std::string combo = panel + "/Selector Row/Item Combo";
    std::vector<Ostrel::ComboOption> options;
    for (std::size_t i = 0; i < list.size(); ++i)
        options.push_back({std::to_string(i), option_label(list[i], i)});
    a.set_options(combo, std::move(options));
    const bool any = selection.count > 0;
    if (any) a.select_option(combo, std::to_string(selection.index));

    for (const char* node :
         {"/Meta Form", "/File Status Bar", "/File Editor", "/Selector Row/Remove Button"})
        a.set_visible(panel + node, any);

    const ordered_json current = any ? list[selection.index] : ordered_json::object();
    set_field_text(a, panel + "/Meta Form/Name Field", member_text(current, "name"));
    set_field_text(a, panel + "/Meta Form/Title Field", member_text(current, "title"));
    const std::string file = member_text(current, "file");
    set_field_text(a, panel + "/Meta Form/File Field", file);

    const std::string path = any ? resolve_policy_path(config, file) : std::string();
    // Another program's change keeps the text even when the policy it was
    // typed for is gone.
    const bool same_policy = any && state->shown_owner == config &&
                             (state->shown_index == selection.index || keep->follow);
    reload_file_editor(a, *state->editor, path,
                       keep->keep && same_policy ? UnsavedText::any_file : UnsavedText::drop);
    state->shown_owner = config;
    state->shown_index = any ? selection.index : std::numeric_limits<std::size_t>::max();
}

void SwitchSetItem::operator()(const std::string& value) const {
    std::size_t item = 0;
    const char* last = value.data() + value.size();
    const auto [end, ec] = std::from_chars(value.data(), last, item);
    if (value.empty() || ec != std::errc() || end != last) return;
    SetSelection& selection = state->selection;
    if (item == selection.index || item >= selection.count) return;
    const SelectSetItem select{panels.app,   std::shared_ptr<std::size_t>(state, &selection.index),
                               combo_path,   panels.flush_edits,
                               panels.shell, item};
    if (editor_is_dirty(*panels.app, *state->editor)) {
        panels.app->select_option(combo_path, std::to_string(selection.index));
        panels.show_confirm(
            "Discard changes?",
            "The " + guard_name + " has unsaved changes. Switching " + noun + " will discard them.",
            "Discard", select);
        return;
    }
    select();
}

void PolicyFieldEdited::operator()(const std::string& text) const {
    if (state->selection.count == 0) return;
    const std::size_t index = state->selection.index;
    const std::string pointer = policy_pointer(index, key);
    const std::string& config = panels.edits->config_path;
    if (key != "file" || config.empty()) {
        panels.queue_edit(pointer, text);
        return;
    }
    const std::string next = resolve_policy_path(config, text);
    change_path_or_ask(*panels.app, panels.show_confirm, {{state->editor, next}},
                       panels.paths.policies + "/Meta Form/File Field",
                       kept_field_text(*panels.edits, false, pointer), text,
                       [app = panels.app, queue = panels.queue_edit, edits = panels.edits,
                        state = state, config, index, pointer, text, next] {
                           if (edits->config_path != config || state->selection.index != index)
                               return false;
                           queue(pointer, text);
                           // A path that names the file shown keeps its unsaved text.
                           reload_file_editor(*app, *state->editor, next, UnsavedText::same_file);
                           return true;
                       });
}

void RemovePolicy::operator()() const {
    const std::string& config = panels.edits->config_path;
    const std::size_t index = state->selection.index;
    if (config.empty() || state->selection.count == 0) return;
    std::string label = trim(panels.app->value(panels.paths.policies + "/Meta Form/Name Field"));
    if (label.empty()) label = "this policy";
    const std::string tail = has_footer_link(config, index)
                                 ? " Its footer link goes too; the Markdown file stays on disk."
                                 : " The Markdown file stays on disk.";
    panels.show_confirm(
        "Remove Policy", "Remove policy '" + label + "' from this site?" + tail, "Remove",
        RemovePolicyConfirmed{panels.for_pending_action(), state, index, panels.edits->drawn});
}

void RemovePolicyConfirmed::operator()() const {
    if (!panels.flush_edits.config_list_unchanged("/policies", drawn)) return;
    if (panels.edits->config_path.empty() || !remove_policy(panels.edits->config_path, index))
        return;
    state->shown_index = std::numeric_limits<std::size_t>::max();  // its unsaved text goes with it
    if (state->selection.index > 0) --state->selection.index;
    if (panels.shell->reload) panels.shell->reload();
}

void wire_set_editor(const SitePanelsContext& panels, const std::string& combo_path,
                     const std::shared_ptr<PoliciesState>& state, const std::string& guard_name,
                     const std::string& noun) {
    panels.app->on_select(combo_path, SwitchSetItem{panels, state, combo_path, guard_name, noun});
}

PoliciesWiring wire_policies(const SitePanelsContext& panels, std::shared_ptr<FileEditor> editor) {
    Ostrel::OApp& app = *panels.app;
    const std::string& panel = panels.paths.policies;
    if (!editor) {
        editor = make_file_editor(panel + "/File Status Bar", panel + "/File Editor",
                                  "Policy file not found", "Policies editor");
        wire_file_editor(app, editor, panels.show_confirm);
        panels.shell->guards.push_back(file_editor_guard(app, editor));
    }
    PoliciesWiring wiring{std::make_shared<PoliciesState>(), std::make_shared<AddSetState>()};
    wiring.state->editor = editor;

    static const std::pair<const char*, const char*> fields[] = {
        {"/Meta Form/Name Field", "name"},
        {"/Meta Form/Title Field", "title"},
        {"/Meta Form/File Field", "file"},
    };
    for (const auto& [field, key] : fields)
        app.on_change(panel + field, PolicyFieldEdited{panels, wiring.state, key});
    panels.hooks->render_policies =
        RenderPolicies{&app, panels.edits, wiring.state, panels.policy_keep, panel};
    wire_set_editor(panels, panel + "/Selector Row/Item Combo", wiring.state, editor->name,
                    "policies");
    app.on_click(panel + "/Selector Row/Add Button", OpenAddPolicyDialog{panels, wiring.dialog});
    wire_add_policy_dialog(panels, wiring.state, wiring.dialog);
    app.on_click(panel + "/Selector Row/Remove Button", RemovePolicy{panels, wiring.state});
    return wiring;
}

}  // namespace Scribenta
