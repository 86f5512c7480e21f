#include "app/string_edits.h"

namespace Scribenta {

namespace {

bool valid_utf8(const std::string& text) {
    try {
        (void)nlohmann::ordered_json(text).dump();
    } catch (const nlohmann::json::exception&) {
        return false;
    }
    return true;
}

template <typename Json>
std::vector<std::string> apply(Json& doc, const std::map<std::string, std::string>& edits) {
    std::vector<std::string> failed;
    for (const auto& [pointer, value] : edits) {
        if (pointer.empty() || !valid_utf8(value)) {
            failed.push_back(pointer);
            continue;
        }
        try {
            doc[typename Json::json_pointer(pointer)] = value;
        } catch (const std::exception&) {
            // json errors, and allocation failures for an absurd array index.
            failed.push_back(pointer);
        }
    }
    return failed;
}

}  // namespace

std::vector<std::string> apply_string_edits(nlohmann::ordered_json& doc,
                                            const std::map<std::string, std::string>& edits) {
    return apply(doc, edits);
}

std::vector<std::string> apply_string_edits(nlohmann::json& doc,
                                            const std::map<std::string, std::string>& edits) {
    return apply(doc, edits);
}

}  // namespace Scribenta
