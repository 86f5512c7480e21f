#include "app/project/project_json.h"

namespace Scribenta {
namespace {

template <typename Json, typename Test>
const Json* typed_member(const Json& doc, const char* key, Test has_type) {
    if (!doc.is_object()) return nullptr;
    auto it = doc.find(key);
    if (it == doc.end() || !has_type(*it)) return nullptr;
    return &*it;
}

}  // namespace

const nlohmann::ordered_json* array_member(const nlohmann::ordered_json& doc, const char* key) {
    return typed_member(doc, key, [](const auto& v) { return v.is_array(); });
}

const nlohmann::ordered_json* object_member(const nlohmann::ordered_json& doc, const char* key) {
    return typed_member(doc, key, [](const auto& v) { return v.is_object(); });
}

const nlohmann::json* object_member(const nlohmann::json& doc, const char* key) {
    return typed_member(doc, key, [](const auto& v) { return v.is_object(); });
}

}  // namespace Scribenta
