#include "app/edit_queue.h"

#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

#include "app/fields.h"
#include "app/save_failure.h"
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
}

void clear_edit_state(EditState& edits) {
    edits.config_path.clear();
    edits.pending.clear();
    edits.pending_source.clear();
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
    std::string problem;  // why these edits can't be written now, for the user
};

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
    PlannedWrite plan{edits.config_path, {}, {}, {}};
    if (!edits.pending.empty()) apply_planned(plan, doc, edits.pending);
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
    apply_planned(plan, manifest, edits.pending_source);
    return plan;
}

void drop(std::map<std::string, std::string>& pending, const std::vector<std::string>& failed) {
    for (const auto& pointer : failed) pending.erase(pointer);
}

// Writes what is queued; returns why any of it could not be saved, empty
// when everything was written (or nothing was queued).
std::string flush(Ostrel::OApp& app, EditState& edits, const CurrentShell* current) {
    if (edits.config_path.empty()) return {};
    if (edits.pending.empty() && edits.pending_source.empty()) return {};
    ordered_json doc;
    std::string reason;
    if (!load_document(edits.config_path, doc, reason)) {
        return save_failure(edits.config_path, reason);
    }

    // Refused edits are dropped and reported; the others are written all
    // the same.
    const PlannedWrite config = plan_config(edits, doc);
    const PlannedWrite manifest = plan_manifest(edits, doc);
    drop(edits.pending, config.failed);
    drop(edits.pending_source, manifest.failed);
    const std::string refused = joined(config.problem, manifest.problem);

    if (!edits.pending.empty()) {
        // A failed write leaves the file as it was and the edits queued, so
        // the next flush tries again.
        if (config.text.empty()) return refused;
        std::string error;
        if (!safe_write_file(config.path, config.text, &error)) {
            return joined(refused, save_failure(config.path, write_reason(config.path, error)));
        }
        edits.pending.clear();
        std::string written;
        edits.text = read_text_file(edits.config_path, written) ? written : config.text;
        if (const auto shell = current ? current->shell.lock() : nullptr) {
            set_field_text(app, shell->text_editor, edits.text);
        }
    }
    if (edits.pending_source.empty() || manifest.text.empty()) return refused;
    std::string error;
    if (!safe_write_file(manifest.path, manifest.text, &error)) {
        return joined(refused, save_failure(manifest.path, write_reason(manifest.path, error)));
    }
    edits.pending_source.clear();
    return refused;
}

}  // namespace

void FlushEdits::operator()() const {
    bump_generation(*edits);
    std::string problem;
    try {
        problem = flush(*app, *edits, current.get());
    } catch (const std::exception&) {
        // Only allocation can fail here; the edits stay queued for the next flush.
        problem = "Couldn't save your changes: the system is out of memory.";
    }
    if (!problem.empty() && show_message.app != nullptr) {
        show_message(kSaveFailedTitle, problem);
    }
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
