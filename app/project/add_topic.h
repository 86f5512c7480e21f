#pragma once

// The Add Topic dialog: the label derives the slug and the slug the Markdown
// file ("guides/" + slug + ".md") until the user types into those fields;
// Create appends the topic to the manifest and creates its file.

#include <memory>
#include <string>

#include "app/project/panel_context.h"
#include "app/project/project_state.h"
#include "app/project/topics.h"

namespace Scribenta {

inline constexpr const char* kAddTopicDialog = "App/Add Topic Dialog";

// The dialog's derivation flags, cleared at every opening.
struct AddTopicState {
    bool slug_edited = false;  // the slug holds text the user typed
    bool file_edited = false;  // the source holds text the user typed or browsed
};

struct AddTopicPaths {
    std::string dialog = kAddTopicDialog;
    std::string label = dialog + "/Body/Label Editor";
    std::string slug = dialog + "/Body/Slug Editor";
    std::string title = dialog + "/Body/Title Editor";
    std::string intro = dialog + "/Body/Intro Editor";
    std::string source = dialog + "/Body/Source Row/Source Editor";
    std::string browse = dialog + "/Body/Source Row/Browse Button";
    std::string create = dialog + "/Body/Actions/Create Button";
};

// on_add_topic_clicked: only while a project file is shown.
struct OpenAddTopicDialog {
    ProjectPanelContext ctx;
    std::shared_ptr<AddTopicState> flags;
    void operator()() const;
};

// on_add_topic_label_changed and on_add_topic_slug_changed: the derivation.
struct AddTopicLabelChanged {
    Ostrel::OApp* app = nullptr;
    std::shared_ptr<const AddTopicState> flags;
    void operator()(const std::string& label) const;
};
struct AddTopicSlugChanged {
    Ostrel::OApp* app = nullptr;
    std::shared_ptr<AddTopicState> flags;
    void operator()(const std::string& slug) const;
};

// on_file_edited_mark: a dialog's file field holds text of the user's own
// while it is not empty. `file_edited` points into the dialog's flags.
struct FileEditedMark {
    std::shared_ptr<bool> file_edited;
    void operator()(const std::string& text) const;
};

// on_add_topic_browse: picks a Markdown file below the source root.
struct AddTopicBrowse {
    ProjectPanelContext ctx;
    std::shared_ptr<const ProjectState> state;
    std::shared_ptr<AddTopicState> flags;
    void operator()() const;
};

// on_add_topic_confirm: appends the topic (nothing while the label or the
// slug is empty), creates its file with "# " + title unless something is
// there already, closes the dialog and shows the new topic; while the topic
// editor holds unsaved text, the topic it was typed for stays shown.
struct AddTopicConfirm {
    ProjectPanelContext ctx;
    std::shared_ptr<const ProjectState> state;
    std::shared_ptr<TopicsState> topics;
    std::shared_ptr<const FileEditor> editor;  // the topic editor
    void operator()() const;
};

}  // namespace Scribenta
