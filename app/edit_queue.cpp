#include "app/edit_queue.h"

#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

#include "app/fields.h"
#include "app/string_edits.h"
#include "app/text_file.h"
#include "config/bounded_json.h"
#include "config/build_manifest.h"
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

// A whole file parsed strictly; discarded when it cannot be read or parsed,
// or nests too deeply to be written back.
ordered_json parse_file(const std::string& path) {
    std::string text;
    if (!read_text_file(path, text)) return ordered_json(ordered_json::value_t::discarded);
    return parse_config_text(text);
}

// One file's share of a flush, built in memory before anything is written.
struct PlannedWrite {
    fs::path path;
    std::string text;  // empty while there is nothing to write
    std::vector<std::string> failed;
};

PlannedWrite plan_config(const EditState& edits, ordered_json& doc) {
    PlannedWrite plan{edits.config_path, {}, {}};
    if (edits.pending.empty()) return plan;
    ensure_format_first(doc);
    plan.failed = apply_string_edits(doc, edits.pending);
    if (plan.failed.empty()) json_file_text(doc, plan.text);
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
                return plan;
            }
            source_root = json_text(*build, "source_path");
        }
    }
    plan.path = manifest_path(edits.config_path, source_root);
    ordered_json manifest = ordered_json::object();
    std::error_code ec;
    const auto type = fs::status(plan.path, ec).type();
    if (type == fs::file_type::none) return plan;  // whether it exists can't be told
    if (type != fs::file_type::not_found) {
        manifest = parse_file(plan.path.string());
        if (!manifest.is_object() || !check_format(manifest)) return plan;
    }
    ensure_format_first(manifest);
    plan.failed = apply_string_edits(manifest, edits.pending_source);
    if (plan.failed.empty()) json_file_text(manifest, plan.text);
    return plan;
}

void drop(std::map<std::string, std::string>& pending, const std::vector<std::string>& failed) {
    for (const auto& pointer : failed) pending.erase(pointer);
}

void flush(Ostrel::OApp& app, EditState& edits, const CurrentShell* current) {
    if (edits.config_path.empty()) return;
    if (edits.pending.empty() && edits.pending_source.empty()) return;
    ordered_json doc = parse_file(edits.config_path);
    if (doc.is_discarded()) return;

    const PlannedWrite config = plan_config(edits, doc);
    const PlannedWrite manifest = plan_manifest(edits, doc);
    if (!config.failed.empty() || !manifest.failed.empty()) {
        drop(edits.pending, config.failed);
        drop(edits.pending_source, manifest.failed);
        return;
    }

    if (!edits.pending.empty()) {
        // A failed write leaves the file as it was and the edits queued, so
        // the next flush tries again.
        if (config.text.empty() || !safe_write_file(config.path, config.text)) return;
        edits.pending.clear();
        std::string written;
        edits.text = read_text_file(edits.config_path, written) ? written : config.text;
        if (const auto shell = current ? current->shell.lock() : nullptr) {
            set_field_text(app, shell->text_editor, edits.text);
        }
    }
    if (!manifest.text.empty() && safe_write_file(manifest.path, manifest.text)) {
        edits.pending_source.clear();
    }
}

}  // namespace

void FlushEdits::operator()() const {
    bump_generation(*edits);
    try {
        flush(*app, *edits, current.get());
    } catch (const std::exception&) {
        // Only allocation can fail here; the edits stay queued for the next flush.
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
