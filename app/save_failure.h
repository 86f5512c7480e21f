#pragma once

// Why queued form edits could not be saved, in words for the user. Each
// sentence names the file: "Couldn't save " + file name + ": " + reason + ".".

#include <filesystem>
#include <string>

#include <nlohmann/json.hpp>

namespace Scribenta {

std::string save_failure(const std::filesystem::path& file, const std::string& reason);

// A file that could not be read: gone, not a regular file, or the
// system's reason.
std::string unreadable_reason(const std::filesystem::path& file);

// "it is not valid JSON (line N)", N where strict parsing of text fails.
std::string invalid_json_reason(const std::string& text);

// The safe write's error without its "Could not write <path>: " lead, which
// the sentence already says.
std::string write_reason(const std::filesystem::path& file, const std::string& error);

// Why a string could not be written at pointer: the first value on its path
// that holds no members and the member that can't go into it (such as
// "branding" being a string), else a plain refusal of that edit.
std::string refused_edit_reason(const nlohmann::ordered_json& doc, const std::string& pointer);

// Why the build manifest has no known place: the configuration's "build"
// is not an object.
std::string manifest_place_reason(const nlohmann::ordered_json& build,
                                  const std::filesystem::path& config);

}  // namespace Scribenta
