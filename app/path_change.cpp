#include "app/path_change.h"

#include <utility>

#include "app/fields.h"
#include "config/json_file.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

std::string kept_field_text(const EditState& edits, bool source, const std::string& pointer) {
    const auto& pending = source ? edits.pending_source : edits.pending;
    if (const auto queued = pending.find(pointer); queued != pending.end()) return queued->second;
    const nlohmann::json& doc = source ? edits.shown_source : edits.shown;
    try {
        // The field's member by the form's own rules, in the object holding it.
        const nlohmann::json::json_pointer at(pointer);
        const nlohmann::json::json_pointer holder = at.parent_pointer();
        if (at.empty() || !doc.contains(holder)) return {};
        return json_text(doc.at(holder), at.back().c_str());
    } catch (const nlohmann::json::exception&) {
        return {};
    }
}

namespace {

// "The README editor has", "The README editor and the License editor have",
// "The A, the B and the C have": every editor the change would empty, so
// Discard never drops text the question did not name.
std::string editors_that_have(const std::vector<std::string>& names) {
    std::string text = "The " + names.front();
    for (std::size_t i = 1; i < names.size(); ++i)
        text += (i + 1 == names.size() ? " and the " : ", the ") + names[i];
    return text + (names.size() == 1 ? " has" : " have");
}

}  // namespace

void change_path_or_ask(Ostrel::OApp& app, const ShowConfirm& ask,
                        const std::vector<RepointedEditor>& editors, const std::string& field,
                        const std::string& kept, const std::string& typed,
                        std::function<bool()> change) {
    std::vector<std::string> names;
    for (const RepointedEditor& each : editors) {
        if (each.next_path == each.editor->path || !editor_is_dirty(app, *each.editor)) continue;
        names.push_back(each.editor->name);
    }
    if (names.empty()) {
        change();
        return;
    }
    set_field_text(app, field, kept);
    ask("Discard changes?",
        editors_that_have(names) + " unsaved changes. Changing the path will discard them.",
        "Discard", [store = &app, field, typed, change = std::move(change)] {
            // The change reads the field as the user left it (a create row
            // names the path typed), so the typed path is back first.
            const std::string shown = store->value(field);
            set_field_text(*store, field, typed);
            if (!change()) set_field_text(*store, field, shown);
        });
}

}  // namespace Scribenta
