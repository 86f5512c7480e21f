#include "app/edit_queue.h"

#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

#include "app/fields.h"
#include "app/save_failure.h"
#include "app/shown_lists.h"
#include "app/string_edits.h"
#include "app/text_file.h"
#include "config/bounded_json.h"
#include "config/build_manifest.h"
#include "config/config_paths.h"
#include "config/format_check.h"
#include "config/json_file.h"
#include "config/safe_write.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

namespace fs = std::filesystem;
using nlohmann::ordered_json;

void bump_generation(EditState& edits) {
    edits.generation = static_cast<std::int32_t>(static_cast<std::uint32_t>(edits.generation) + 1u);
}

void reset_edit_state(EditState& edits, const std::string& config_path, std::string text) {
    edits.config_path = config_path;
    edits.pending.clear();
    edits.pending_source.clear();
    bump_generation(edits);
    edits.text = std::move(text);
    parse_config_text(edits.text, edits.shown);  // a form of nothing shows no lists
    edits.shown_source = nlohmann::json::object();
    ++edits.drawn;
}

void clear_edit_state(EditState& edits) {
    edits.config_path.clear();
    edits.pending.clear();
    edits.pending_source.clear();
    edits.shown = nullptr;
    edits.shown_source = nullptr;
}

namespace {

// Reads and strictly parses a whole file; when that fails, `reason` says
// why in words.
bool load_document(const fs::path& path, ordered_json& doc, std::string& reason) {
    std::string text;
    if (!read_text_file(path.string(), text)) {
        reason = unreadable_reason(path);
        return false;
    }
    switch (parse_config_text(text, doc)) {
        case ParseStatus::Parsed:
            return true;
        case ParseStatus::TooDeep:
            reason = "it " + nested_too_deeply_text();
            return false;
        case ParseStatus::Invalid:
            break;
    }
    reason = invalid_json_reason(text);
    return false;
}

// Sentences joined into one message.
std::string joined(const std::string& first, const std::string& second) {
    if (first.empty() || second.empty()) return first + second;
    return first + " " + second;
}

// One file's share of a flush, built in memory before anything is written.
struct PlannedWrite {
    fs::path path;
    std::string text;  // empty while there is nothing to write
    std::vector<std::string> failed;
    std::vector<std::string> moved;  // edits of entries whose list another program changed
    std::string problem;             // why these edits can't be written now, for the user
};

// The queued edits aimed at an entry of a list that no longer holds in the
// file what the form shows: written, they would land on another entry.
std::vector<std::string> moved_entries(const std::map<std::string, std::string>& pending,
                                       const nlohmann::json& shown, const ordered_json& file) {
    std::vector<std::string> moved;
    for (const auto& entry : pending) {
        const auto list = addressed_list(entry.first);
        if (list && !same_list(shown, file, *list)) moved.push_back(entry.first);
    }
    return moved;
}

void drop(std::map<std::string, std::string>& pending, const std::vector<std::string>& failed) {
    for (const auto& pointer : failed) pending.erase(pointer);
}

// Applies the queued edits to doc and makes the file's new text. Refused
// edits are left out and the first one's reason kept; since a refused edit
// may have changed doc partly, the others are then applied again to the
// document as read. When every edit is refused there is nothing to write.
void apply_planned(PlannedWrite& plan, ordered_json& doc,
                   std::map<std::string, std::string> pending) {
    ensure_format_first(doc);
    const ordered_json read = doc;
    for (;;) {
        const std::vector<std::string> refused = apply_string_edits(doc, pending);
        if (refused.empty()) break;
        if (plan.problem.empty()) {
            plan.problem = save_failure(plan.path, refused_edit_reason(doc, refused.front()));
        }
        for (const auto& pointer : refused) {
            plan.failed.push_back(pointer);
            pending.erase(pointer);
        }
        doc = read;
        if (pending.empty()) return;
    }
    if (!json_file_text(doc, plan.text)) {
        plan.text.clear();
        plan.problem =
            joined(plan.problem, save_failure(plan.path, "its new text couldn't be made"));
    }
}

PlannedWrite plan_config(const EditState& edits, ordered_json& doc) {
    PlannedWrite plan{edits.config_path, {}, {}, {}, {}};
    plan.moved = moved_entries(edits.pending, edits.shown, doc);
    std::map<std::string, std::string> pending = edits.pending;
    drop(pending, plan.moved);
    if (!pending.empty()) apply_planned(plan, doc, std::move(pending));
    return plan;
}

// The manifest of the edited configuration: a missing one starts empty; one
// that exists but is not a readable object of a format we write is left
// alone, and its edits wait.
PlannedWrite plan_manifest(const EditState& edits, const ordered_json& doc) {
    PlannedWrite plan;
    if (edits.pending_source.empty()) return plan;
    std::string source_root;
    if (doc.is_object()) {
        const auto build = doc.find("build");
        if (build != doc.end() && !build->is_null()) {
            if (!build->is_object()) {
                // The manifest's place can't be known: these edits can't apply.
                for (const auto& entry : edits.pending_source) plan.failed.push_back(entry.first);
                plan.problem =
                    save_failure(kManifestName, manifest_place_reason(*build, edits.config_path));
                return plan;
            }
            source_root = json_text(*build, "source_path");
        }
    }
    plan.path = manifest_path(edits.config_path, source_root);
    ordered_json manifest = ordered_json::object();
    std::error_code ec;
    const auto type = fs::status(plan.path, ec).type();
    if (type == fs::file_type::none) {  // whether it exists can't be told
        plan.problem = save_failure(plan.path, ec.message());
        return plan;
    }
    if (type != fs::file_type::not_found) {
        std::string reason;
        if (!load_document(plan.path, manifest, reason)) {
            plan.problem = save_failure(plan.path, reason);
            return plan;
        }
        if (!manifest.is_object()) {
            plan.problem = save_failure(plan.path, "it does not hold a JSON object");
            return plan;
        }
        if (!check_format(manifest, &reason)) {
            plan.problem = save_failure(plan.path, "it " + reason);
            return plan;
        }
    }
    plan.moved = moved_entries(edits.pending_source, edits.shown_source, manifest);
    std::map<std::string, std::string> pending = edits.pending_source;
    drop(pending, plan.moved);
    if (!pending.empty()) apply_planned(plan, manifest, std::move(pending));
    return plan;
}

// What a flush did that the user must hear of.
struct FlushOutcome {
    std::string problem;  // why anything queued could not be saved
    std::string changed;  // a file whose lists another program changed; empty for none
};

// Writes what is queued. Edits of entries whose list another program
// changed are dropped; refused edits are dropped and reported; the others
// are written all the same. What is written goes into the documents the
// form shows as well.
FlushOutcome flush(Ostrel::OApp& app, EditState& edits, const CurrentShell* current) {
    FlushOutcome out;
    if (edits.config_path.empty()) return out;
    if (edits.pending.empty() && edits.pending_source.empty()) return out;
    ordered_json doc;
    std::string reason;
    if (!load_document(edits.config_path, doc, reason)) {
        out.problem = save_failure(edits.config_path, reason);
        return out;
    }

    const PlannedWrite config = plan_config(edits, doc);
    const PlannedWrite manifest = plan_manifest(edits, doc);
    for (const PlannedWrite* plan : {&config, &manifest}) {
        if (!plan->moved.empty() && out.changed.empty()) out.changed = plan->path.string();
    }
    drop(edits.pending, config.moved);
    drop(edits.pending, config.failed);
    drop(edits.pending_source, manifest.moved);
    drop(edits.pending_source, manifest.failed);
    out.problem = joined(config.problem, manifest.problem);

    if (!edits.pending.empty()) {
        // A failed write leaves the file as it was and the edits queued, so
        // the next flush tries again.
        if (config.text.empty()) return out;
        std::string error;
        if (!safe_write_file(config.path, config.text, &error)) {
            out.problem =
                joined(out.problem, save_failure(config.path, write_reason(config.path, error)));
            return out;
        }
        apply_string_edits(edits.shown, edits.pending);
        edits.pending.clear();
        std::string written;
        edits.text = read_text_file(edits.config_path, written) ? written : config.text;
        if (const auto shell = current ? current->shell.lock() : nullptr) {
            set_field_text(app, shell->text_editor, edits.text);
        }
    }
    if (edits.pending_source.empty() || manifest.text.empty()) return out;
    std::string error;
    if (!safe_write_file(manifest.path, manifest.text, &error)) {
        out.problem =
            joined(out.problem, save_failure(manifest.path, write_reason(manifest.path, error)));
        return out;
    }
    apply_string_edits(edits.shown_source, edits.pending_source);
    edits.pending_source.clear();
    return out;
}

// Redraws the shown form and its JSON view from the files. Edits still
// queued (their file could not be written) stay queued.
void redraw_form(const FlushEdits& flush) {
    if (!flush.on_screen) return;
    const auto shell = flush.current ? flush.current->shell.lock() : nullptr;
    if (!shell) return;
    const std::function<void()>& draw = shell->redraw ? shell->redraw : shell->reload;
    if (!draw) return;
    EditState& edits = *flush.edits;
    const std::string path = edits.config_path;
    auto pending = std::move(edits.pending);
    auto pending_source = std::move(edits.pending_source);
    draw();
    if (edits.config_path != path) return;
    edits.pending.merge(pending);
    edits.pending_source.merge(pending_source);
}

void tell(const FlushEdits& flush, const std::string& message) {
    if (!message.empty() && flush.show_message.app != nullptr) {
        flush.show_message(kSaveFailedTitle, message);
    }
}

// Flushes and reports what the user was told.
FlushOutcome flush_and_report(const FlushEdits& flush_edits) {
    bump_generation(*flush_edits.edits);
    FlushOutcome outcome;
    try {
        outcome = flush(*flush_edits.app, *flush_edits.edits, flush_edits.current.get());
    } catch (const std::exception&) {
        // Only allocation can fail here; the edits stay queued for the next flush.
        outcome.problem = "Couldn't save your changes: the system is out of memory.";
    }
    const bool changed = !outcome.changed.empty();
    if (changed) redraw_form(flush_edits);
    tell(flush_edits,
         joined(changed ? changed_elsewhere_message(outcome.changed) : "", outcome.problem));
    return outcome;
}

// The check of config_list_unchanged and manifest_list_unchanged.
bool list_unchanged(const FlushEdits& flush, const std::string& path, bool manifest,
                    const std::string& list, std::uint64_t drawn) {
    // Another program had changed a list the form shows: the form now
    // shows it as it is, and a position chosen before means nothing.
    if (!flush_and_report(flush).changed.empty()) return false;
    const EditState& edits = *flush.edits;
    if (edits.config_path.empty()) return true;
    // Redrawn while the user was being asked: the redraw was for another
    // program's change, and has said so.
    if (edits.drawn != drawn) return false;
    nlohmann::json file = nlohmann::json::object();  // a file that is gone holds no list
    std::error_code ec;
    if (fs::exists(path, ec) && !parse_json_file(path, file)) {
        return true;  // unreadable: the change fails there as it always has
    }
    if (same_list(manifest ? edits.shown_source : edits.shown, file, list)) return true;
    redraw_form(flush);
    tell(flush, changed_elsewhere_message(path));
    return false;
}

}  // namespace

void FlushEdits::operator()() const {
    flush_and_report(*this);
}

bool FlushEdits::flush_saved_all() const {
    const FlushOutcome outcome = flush_and_report(*this);
    return outcome.changed.empty() && outcome.problem.empty();
}

bool FlushEdits::config_list_unchanged(const std::string& list, std::uint64_t drawn) const {
    return list_unchanged(*this, edits->config_path, false, list, drawn);
}

bool FlushEdits::manifest_list_unchanged(const std::string& manifest, const std::string& list,
                                         std::uint64_t drawn) const {
    return list_unchanged(*this, manifest, true, list, drawn);
}

void FlushIfCurrent::operator()() const {
    if (edits->generation == generation) flush();
}

void QueueEdit::operator()(const std::string& pointer, const std::string& value) const {
    EditState& state = *edits;
    if (state.config_path.empty()) return;
    (source ? state.pending_source : state.pending)[pointer] = value;
    bump_generation(state);
    app->set_timeout(kEditQuietMs, FlushIfCurrent{edits, flush, state.generation});
}

}  // namespace Scribenta
