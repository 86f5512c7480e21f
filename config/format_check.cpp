#include "config/format_check.h"

#include "config/json_file.h"
#include "config/list_edit.h"

namespace Scribenta {

void ensure_format_first(nlohmann::ordered_json& doc) {
    if (!doc.is_object() || doc.contains("format")) return;
    nlohmann::ordered_json out = nlohmann::ordered_json::object();
    out["format"] = kHighestFormat;
    for (auto it = doc.begin(); it != doc.end(); ++it) out[it.key()] = std::move(it.value());
    doc = std::move(out);
}

namespace {

template <typename Json>
bool check(const Json& doc, std::string* error) {
    if (!doc.is_object()) return true;
    auto it = doc.find("format");
    if (it == doc.end()) return true;
    const std::string highest = std::to_string(kHighestFormat);
    if (!it->is_number_integer()) {
        return set_error(error, "'format' must be an integer (this Scribenta reads up to format " +
                                    highest + ")");
    }
    // An unsigned value keeps its own magnitude: above the signed range it
    // is still a newer format, not a negative one.
    std::string value;
    bool newer = false;
    if (it->is_number_unsigned()) {
        auto n = it->template get<std::uint64_t>();
        if (n == static_cast<std::uint64_t>(kHighestFormat)) return true;
        value = std::to_string(n);
        newer = n > static_cast<std::uint64_t>(kHighestFormat);
    } else {
        auto n = it->template get<std::int64_t>();
        if (n == kHighestFormat) return true;
        value = std::to_string(n);
        newer = n > kHighestFormat;
    }
    std::string text =
        "declares format " + value + "; this Scribenta reads up to format " + highest;
    if (newer) text += " (update Scribenta to open it)";
    return set_error(error, text);
}

}  // namespace

bool check_format(const nlohmann::json& doc, std::string* error) {
    return check(doc, error);
}

bool check_format(const nlohmann::ordered_json& doc, std::string* error) {
    return check(doc, error);
}

bool check_file_format(const std::string& path, std::string* error) {
    nlohmann::ordered_json doc;
    std::string message;
    switch (read_config(std::filesystem::path(path), doc, &message)) {
        case ReadOutcome::Read:
            return check_format(doc, error);
        case ReadOutcome::TooDeep:
            // Refused like an unreadable format: nothing may open and rewrite it.
            return set_error(error, message);
        case ReadOutcome::CannotOpen:
        case ReadOutcome::ParseError:
            break;
    }
    return true;
}

}  // namespace Scribenta
