#include "app/project/topics.h"

#include <charconv>

#include "app/fields.h"
#include "app/path_change.h"
#include "app/set_items.h"
#include "config/build_manifest.h"
#include "config/json_file.h"
#include "config/list_remove.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

namespace {

const nlohmann::json* manifest_topics(const nlohmann::json& manifest) {
    if (!manifest.is_object()) return nullptr;
    const auto build = manifest.find("build");
    if (build == manifest.end() || !build->is_object()) return nullptr;
    const auto topics = build->find("topics");
    if (topics == build->end() || !topics->is_array()) return nullptr;
    return &*topics;
}

std::string option_label(const nlohmann::json& topic, std::size_t index) {
    std::string label = json_text(topic, "label");
    if (label.empty()) label = json_text(topic, "slug");
    if (label.empty()) label = "Topic " + std::to_string(index + 1);
    return label;
}

}  // namespace

TopicPaths topic_paths(const std::string& topics_panel) {
    TopicPaths p;
    p.panel = topics_panel;
    p.combo = topics_panel + "/Selector Row/Item Combo";
    p.add_button = topics_panel + "/Selector Row/Add Button";
    p.remove_button = topics_panel + "/Selector Row/Remove Button";
    p.meta_form = topics_panel + "/Meta Form";
    p.label_field = p.meta_form + "/Label Field";
    p.title_field = p.meta_form + "/Title Field";
    p.intro_field = p.meta_form + "/Intro Field";
    p.source_field = p.meta_form + "/Source Field";
    p.file_status_bar = topics_panel + "/File Status Bar";
    p.file_editor = topics_panel + "/File Editor";
    return p;
}

std::string topic_pointer(const TopicsState& topics, const std::string& key) {
    return "/build/topics/" + std::to_string(topics.index) + "/" + key;
}

void PopulateTopics::operator()(const nlohmann::json& manifest, const std::string& project_dir,
                                bool redraw) const {
    if (edits->config_path != topics->owner_path) {
        topics->owner_path = edits->config_path;
        topics->index = 0;
    }
    static const nlohmann::json none = nlohmann::json::array();
    const nlohmann::json* found = manifest_topics(manifest);
    const nlohmann::json& list = found ? *found : none;
    topics->count = list.size();
    // A redraw after another program moved the topics keeps the one whose
    // unsaved text the editor holds, wherever it went.
    if (redraw && keep && keep->follow && editor_is_dirty(*app, *editor)) {
        const auto holds = [&](std::size_t i) {
            if (i >= list.size()) return false;
            const std::string source = json_text(list[i], "source");
            return !source.empty() &&
                   resolve_config_path(project_dir, state->source_path, source) == editor->path;
        };
        for (std::size_t i = 0; i < list.size() && !holds(topics->index); ++i) {
            if (holds(i)) topics->index = topics->shown = i;
        }
    }
    if (topics->index >= topics->count) topics->index = topics->count ? topics->count - 1 : 0;

    std::vector<Ostrel::ComboOption> options;
    for (std::size_t i = 0; i < list.size(); ++i) {
        options.push_back({std::to_string(i), option_label(list[i], i)});
    }
    app->set_options(paths.combo, std::move(options));

    const bool any = topics->count > 0;
    if (any) app->select_option(paths.combo, std::to_string(topics->index));
    for (const std::string* path :
         {&paths.meta_form, &paths.file_status_bar, &paths.file_editor, &paths.remove_button}) {
        app->set_visible(*path, any);
    }
    static const nlohmann::json no_topic;
    const nlohmann::json& topic = any ? list[topics->index] : no_topic;
    set_field_text(*app, paths.label_field, json_text(topic, "label"));
    set_field_text(*app, paths.title_field, json_text(topic, "title"));
    set_field_text(*app, paths.intro_field, json_text(topic, "intro"));
    const std::string source = json_text(topic, "source");
    set_field_text(*app, paths.source_field, source);
    // Another program's change keeps the text even when the topic it was
    // typed for is gone.
    const bool same_topic = topics->index == topics->shown || (keep && keep->follow);
    reload_file_editor(*app, *editor,
                       any && !source.empty()
                           ? resolve_config_path(project_dir, state->source_path, source)
                           : std::string(),
                       redraw && any && same_topic ? UnsavedText::any_file : UnsavedText::drop);
    topics->shown = any ? topics->index : std::numeric_limits<std::size_t>::max();
}

void ReloadTopicFile::operator()() const {
    reload_file_editor(*app, *editor, next_path(state->source_path), UnsavedText::same_file);
}

std::string ReloadTopicFile::next_path(const std::string& root) const {
    if (topics->count == 0) return {};
    return named_source_file(edits->config_path, root, app->value(paths.source_field));
}

void TopicFieldEdited::operator()(const std::string& text) const {
    // Without topics the form is hidden; an edit then has no entry to go to.
    if (topics->count == 0) return;
    queue_source_edit(topic_pointer(*topics, key), text);
}

void TopicSourceChanged::operator()(const std::string& text) const {
    if (topics->count == 0 || !ctx.config_open()) return;
    const std::string pointer = topic_pointer(*topics, "source");
    const std::string next = named_source_file(ctx.edits->config_path, state->source_path, text);
    change_path_or_ask(*ctx.app, ctx.show_confirm, {{editor, next}}, field,
                       kept_field_text(*ctx.edits, true, pointer), text,
                       [app = ctx.app, queue = ctx.queue_source_edit, edits = ctx.edits,
                        config = ctx.edits->config_path, topics = topics, index = topics->index,
                        editor = editor, pointer, text, next] {
                           if (edits->config_path != config || topics->index != index) return false;
                           queue(pointer, text);
                           // A path that names the file shown keeps its unsaved text.
                           reload_file_editor(*app, *editor, next, UnsavedText::same_file);
                           return true;
                       });
}

void TopicSelected::operator()(const std::string& value) const {
    std::size_t item = 0;
    const char* last = value.data() + value.size();
    const auto [end, error] = std::from_chars(value.data(), last, item);
    if (value.empty() || error != std::errc() || end != last) return;
    if (item == topics->index || item >= topics->count) return;
    const SelectSetItem select{ctx.app,      std::shared_ptr<std::size_t>(topics, &topics->index),
                               paths.combo,  ctx.flush_edits,
                               ctx.shell,    item,
                               ctx.text_keep};
    if (!editor_is_dirty(*ctx.app, *editor)) {
        select();
        return;
    }
    ctx.app->select_option(paths.combo, std::to_string(topics->index));
    ctx.show_confirm("Discard changes?",
                     "The Topics editor has unsaved changes. Switching topics will discard them.",
                     "Discard", select);
}

void RemoveTopic::operator()() const {
    if (!ctx.config_open() || topics->count == 0) return;
    std::string name = trim(ctx.app->value(paths.label_field));
    if (name.empty()) name = "this topic";
    ctx.show_confirm(
        "Remove Topic",
        "Remove topic '" + name + "' from this project? The Markdown file stays on disk.", "Remove",
        RemoveTopicConfirmed{ctx.flush_edits, ctx.edits, ctx.reload(), state, topics, topics->index,
                             ctx.edits->drawn});
}

void RemoveTopicConfirmed::operator()() const {
    const auto manifest = manifest_path(edits->config_path, state->source_path);
    if (!flush_edits.manifest_list_unchanged(manifest.string(), "/build/topics", drawn)) return;
    if (!remove_build_topic(manifest.string(), index)) return;
    topics->shown = std::numeric_limits<std::size_t>::max();  // its unsaved text goes with it
    if (topics->index > 0) --topics->index;
    reload();
}

}  // namespace Scribenta
