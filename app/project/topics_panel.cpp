#include "app/project/topics_panel.h"

#include "app/project/add_topic.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

ReloadTopicFile wire_topics(const ProjectPanelContext& ctx, const ProjectWiring& wiring,
                            const std::shared_ptr<TopicsState>& topics) {
    Ostrel::OApp& app = *ctx.app;
    const TopicPaths paths = topic_paths(wiring.paths.topics);
    const auto& editor = wiring.topics_editor;

    app.on_change(paths.label_field, TopicFieldEdited{ctx.queue_source_edit, topics, "label"});
    app.on_change(paths.title_field, TopicFieldEdited{ctx.queue_source_edit, topics, "title"});
    app.on_change(paths.intro_field, TopicFieldEdited{ctx.queue_source_edit, topics, "intro"});
    app.on_change(paths.source_field,
                  TopicSourceChanged{ctx, wiring.state, topics, editor, paths.source_field});
    wiring.hooks->populate_topics =
        PopulateTopics{&app, paths, ctx.edits, wiring.state, topics, editor, ctx.text_keep};
    app.on_select(paths.combo, TopicSelected{ctx, paths, topics, editor});

    const auto flags = std::make_shared<AddTopicState>();
    const AddTopicPaths dialog;
    app.on_click(paths.add_button, OpenAddTopicDialog{ctx, flags});
    app.on_change(dialog.label, AddTopicLabelChanged{&app, flags});
    app.on_change(dialog.slug, AddTopicSlugChanged{&app, flags});
    app.on_change(dialog.source, FileEditedMark{std::shared_ptr<bool>(flags, &flags->file_edited)});
    app.on_click(dialog.browse, AddTopicBrowse{ctx, wiring.state, flags});
    app.on_click(dialog.create, AddTopicConfirm{ctx, wiring.state, topics, editor});
    app.on_click(paths.remove_button, RemoveTopic{ctx, paths, wiring.state, topics});

    return ReloadTopicFile{&app, paths, ctx.edits, wiring.state, topics, editor};
}

}  // namespace Scribenta
