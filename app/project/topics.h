#pragma once

// The Topics panel, a set editor over the manifest's "build"."topics": the
// item combo picks the shown topic, the meta form edits its texts through
// the manifest queue, the file editor its Markdown source, and Remove drops
// the entry (its file stays).

#include <cstddef>
#include <limits>
#include <memory>
#include <string>

#include <nlohmann/json.hpp>

#include "app/file_editor.h"
#include "app/project/panel_context.h"
#include "app/project/project_state.h"

namespace Scribenta {

// The shown topic, kept across renderings of the same configuration.
struct TopicsState {
    std::size_t index = 0;   // the shown topic
    std::size_t count = 0;   // topics at the last populate_topics
    std::string owner_path;  // the configuration the index belongs to
    // The topic whose file the editor was loaded for at the last
    // populate_topics; npos for none, or once that topic was removed.
    std::size_t shown = std::numeric_limits<std::size_t>::max();
};

struct TopicPaths {
    std::string panel;  // the project panels + "/Topics Panel"
    std::string combo;
    std::string add_button;
    std::string remove_button;
    std::string meta_form;
    std::string label_field;
    std::string title_field;
    std::string intro_field;
    std::string source_field;
    std::string file_status_bar;
    std::string file_editor;
};

TopicPaths topic_paths(const std::string& topics_panel);

// "/build/topics/" + the shown index + "/" + key.
std::string topic_pointer(const TopicsState& topics, const std::string& key);

// populate_topics(manifest, project folder): the combo's options, the shown
// topic's fields and its file; without topics the form, the file editor and
// Remove are hidden. Showing another configuration starts at topic 0.
struct PopulateTopics {
    Ostrel::OApp* app = nullptr;
    TopicPaths paths;
    std::shared_ptr<const EditState> edits;
    std::shared_ptr<const ProjectState> state;
    std::shared_ptr<TopicsState> topics;
    std::shared_ptr<FileEditor> editor;
    std::shared_ptr<const UnsavedTextKeep> keep;  // the project form's
    // A redraw keeps the unsaved text of the topic shown before, even when
    // the manifest now names another file for it.
    void operator()(const nlohmann::json& manifest, const std::string& project_dir,
                    bool redraw) const;
};

// Loads the topic editor from the source field as it stands: the file it
// names while there are topics, else none; the file it shows already keeps
// its unsaved text. Used when the source root moves.
struct ReloadTopicFile {
    Ostrel::OApp* app = nullptr;
    TopicPaths paths;
    std::shared_ptr<const EditState> edits;
    std::shared_ptr<const ProjectState> state;
    std::shared_ptr<const TopicsState> topics;
    std::shared_ptr<FileEditor> editor;
    void operator()() const;
    // The file the source field names below the source root `root`.
    std::string next_path(const std::string& root) const;
};

// on_topic_field_edited for "label", "title" or "intro", under the index
// shown at the moment of the edit.
struct TopicFieldEdited {
    QueueEdit queue_source_edit;
    std::shared_ptr<const TopicsState> topics;
    std::string key;
    void operator()(const std::string& text) const;
};

// on_topic_source_changed: queues the source and shows the file it names;
// when the editor holds unsaved text of another file, only after "Discard"
// (change_path_or_ask).
struct TopicSourceChanged {
    ProjectPanelContext ctx;
    std::shared_ptr<const ProjectState> state;
    std::shared_ptr<const TopicsState> topics;
    std::shared_ptr<FileEditor> editor;
    std::string field;  // the source field
    void operator()(const std::string& text) const;
};

// on_topic_selected: switches to the chosen topic, asking first when the
// topic editor holds unsaved text (the combo stays on the shown topic until
// the switch is confirmed).
struct TopicSelected {
    ProjectPanelContext ctx;
    TopicPaths paths;
    std::shared_ptr<TopicsState> topics;
    std::shared_ptr<FileEditor> editor;
    void operator()(const std::string& value) const;
};

// on_remove_topic and its continuation remove_topic_confirmed: drops the
// shown entry from the manifest after a confirmation; the previous topic is
// shown next.
struct RemoveTopic {
    ProjectPanelContext ctx;
    TopicPaths paths;
    std::shared_ptr<ProjectState> state;
    std::shared_ptr<TopicsState> topics;
    void operator()() const;
};
struct RemoveTopicConfirmed {
    FlushEdits flush_edits;
    std::shared_ptr<const EditState> edits;
    ReloadKeepingText reload;
    std::shared_ptr<const ProjectState> state;
    std::shared_ptr<TopicsState> topics;
    std::size_t index = 0;
    std::uint64_t drawn = 0;  // the form's drawing the topic was chosen in
    void operator()() const;
};

}  // namespace Scribenta
