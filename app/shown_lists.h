#pragma once

// Form rows address list entries by position: row "fact-1" is element 1 of
// "facts". A position names the same entry only while the list in the file
// is the list the form was drawn from, and another program (a git checkout,
// a second window) may change the file at any time. So the edit queue keeps
// the documents the form shows (as read for the form, with the editor's own
// edits since), and anything aimed at an entry by its position goes ahead
// only where that list in the file is still the same.

#include <optional>
#include <string>

#include <nlohmann/json.hpp>

namespace Scribenta {

// The list an edit at `pointer` addresses an entry of: the pointer up to its
// first array index ("/facts" for "/facts/1/value"); nothing for a plain
// member such as "/title".
std::optional<std::string> addressed_list(const std::string& pointer);

// Whether `list` (a JSON pointer) holds the same in the document the form
// shows and in the file's; lacking in both counts as the same. Object
// members may stand in any order.
bool same_list(const nlohmann::json& shown, const nlohmann::ordered_json& file,
               const std::string& list);
bool same_list(const nlohmann::json& shown, const nlohmann::json& file, const std::string& list);

// What the user is told when such a change was not made.
std::string changed_elsewhere_message(const std::string& path);

}  // namespace Scribenta
