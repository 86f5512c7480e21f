#include "app/project/add_topic.h"

#include <filesystem>
#include <limits>
#include <system_error>

#include "app/fields.h"
#include "app/pickers.h"
#include "app/project/new_file.h"
#include "config/build_manifest.h"
#include "config/list_append.h"
#include "config/slugs.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

namespace fs = std::filesystem;

namespace {

const AddTopicPaths& dialog_paths() {
    static const AddTopicPaths paths;
    return paths;
}

std::string derived_source(const std::string& slug) {
    return slug.empty() ? std::string() : "guides/" + slug + ".md";
}

}  // namespace

void OpenAddTopicDialog::operator()() const {
    if (ctx.shown->kind != kProjectConfig || !ctx.config_open()) return;
    *flags = AddTopicState{};
    const AddTopicPaths& a = dialog_paths();
    for (const std::string* editor : {&a.label, &a.slug, &a.title, &a.intro, &a.source}) {
        set_field_text(*ctx.app, *editor, "");
    }
    ctx.app->set_visible(a.dialog, true);
}

void AddTopicLabelChanged::operator()(const std::string& label) const {
    if (flags->slug_edited) return;
    const std::string slug = slugify(label);
    set_field_text(*app, dialog_paths().slug, slug);
    if (!flags->file_edited) set_field_text(*app, dialog_paths().source, derived_source(slug));
}

void AddTopicSlugChanged::operator()(const std::string& slug) const {
    flags->slug_edited = !slug.empty();
    // A slug of blanks is still a typed slug: it gives "guides/.md".
    if (!flags->file_edited) {
        set_field_text(*app, dialog_paths().source,
                       slug.empty() ? std::string() : "guides/" + trim(slug) + ".md");
    }
}

void FileEditedMark::operator()(const std::string& text) const {
    *file_edited = !text.empty();
}

void AddTopicBrowse::operator()() const {
    if (!ctx.config_open()) return;
    const fs::path config_dir = fs::path(ctx.edits->config_path).parent_path();
    const fs::path source = state->source_path;
    const fs::path root = source.empty()         ? config_dir
                          : source.is_absolute() ? source
                                                 : config_dir / source;
    std::error_code ec;
    fs::path start = config_dir;
    if (fs::exists(root / "guides", ec)) {
        start = root / "guides";
    } else if (fs::exists(root, ec)) {
        start = root;
    }
    Ostrel::PickRequest request;
    request.mode = "file";
    request.title = "Select a topic Markdown file";
    request.filter = "Markdown (*.md *.markdown);;All Files (*)";
    request.directory = start.string();
    request.show_hidden = false;
    ctx.app->pick_file(request,
                       SourceFilePicked{ctx.app, std::shared_ptr<bool>(flags, &flags->file_edited),
                                        dialog_paths().source, root.string()});
}

void AddTopicConfirm::operator()() const {
    if (!ctx.config_open()) return;
    const AddTopicPaths& a = dialog_paths();
    TopicInput input;
    input.label = trim(ctx.app->value(a.label));
    input.slug = trim(ctx.app->value(a.slug));
    if (input.label.empty() || input.slug.empty()) return;
    input.title = trim(ctx.app->value(a.title));
    if (input.title.empty()) input.title = input.label;
    input.intro = trim(ctx.app->value(a.intro));
    input.source = trim(ctx.app->value(a.source));
    if (input.source.empty()) input.source = derived_source(input.slug);

    ctx.flush_edits();
    const fs::path manifest = manifest_path(ctx.edits->config_path, state->source_path);
    std::string error;
    if (!add_topic_to_manifest(manifest.string(), input, &error)) {
        ctx.show_message("Couldn't Add Topic", error);
        return;
    }
    const fs::path config_dir = fs::path(ctx.edits->config_path).parent_path();
    create_new_file(resolve_config_path(config_dir.string(), state->source_path, input.source),
                    "# " + input.title + "\n");
    ctx.app->set_visible(a.dialog, false);
    // The new topic is the file's last, whatever another program added
    // meanwhile; the redraw brings an index past the end back to it. Unsaved
    // topic text keeps its own topic shown instead, so the redraw keeps it.
    if (!editor_is_dirty(*ctx.app, *editor))
        topics->index = std::numeric_limits<std::size_t>::max();
    ctx.reload()();
}

}  // namespace Scribenta
