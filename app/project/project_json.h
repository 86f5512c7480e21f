#pragma once

// Typed lookups of a project document's members: a member is used as an
// array or object only when it is one, so a wrong type reads as missing.

#include <nlohmann/json.hpp>

namespace Scribenta {

// The member `key` of `doc` when `doc` is an object and the member an array
// (object); nullptr otherwise.
const nlohmann::ordered_json* array_member(const nlohmann::ordered_json& doc, const char* key);
const nlohmann::ordered_json* object_member(const nlohmann::ordered_json& doc, const char* key);
const nlohmann::json* object_member(const nlohmann::json& doc, const char* key);

}  // namespace Scribenta
