#include "app/shown_lists.h"

namespace Scribenta {

namespace {

bool is_index_token(const std::string& token) {
    if (token == "-") return true;
    if (token.empty()) return false;
    for (const char c : token) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

// Equal values, comparing objects by their members whatever their order.
// Numbers of different kinds count as different: a change either way.
template <typename A, typename B>
bool same_value(const A& a, const B& b) {
    if (a.type() != b.type()) return false;
    switch (a.type()) {
        case nlohmann::json::value_t::null:
            return true;
        case nlohmann::json::value_t::boolean:
            return a.template get<bool>() == b.template get<bool>();
        case nlohmann::json::value_t::string:
            return a.template get_ref<const std::string&>() ==
                   b.template get_ref<const std::string&>();
        case nlohmann::json::value_t::number_integer:
            return a.template get<std::int64_t>() == b.template get<std::int64_t>();
        case nlohmann::json::value_t::number_unsigned:
            return a.template get<std::uint64_t>() == b.template get<std::uint64_t>();
        case nlohmann::json::value_t::number_float:
            return a.template get<double>() == b.template get<double>();
        case nlohmann::json::value_t::array:
            if (a.size() != b.size()) return false;
            for (std::size_t i = 0; i < a.size(); ++i) {
                if (!same_value(a[i], b[i])) return false;
            }
            return true;
        case nlohmann::json::value_t::object:
            if (a.size() != b.size()) return false;
            for (auto it = a.begin(); it != a.end(); ++it) {
                const auto other = b.find(it.key());
                if (other == b.end() || !same_value(it.value(), *other)) return false;
            }
            return true;
        default:  // binary and discarded values never come from a parsed file
            return false;
    }
}

// The value at `list`, or null when the document lacks it.
template <typename Json>
const Json* value_at(const Json& doc, const std::string& list) {
    try {
        const typename Json::json_pointer pointer(list);
        if (!doc.contains(pointer)) return nullptr;
        return &doc.at(pointer);
    } catch (const std::exception&) {
        return nullptr;
    }
}

template <typename File>
bool same_at(const nlohmann::json& shown, const File& file, const std::string& list) {
    const nlohmann::json* before = value_at(shown, list);
    const File* now = value_at(file, list);
    if (before == nullptr || now == nullptr) return before == nullptr && now == nullptr;
    return same_value(*before, *now);
}

}  // namespace

std::optional<std::string> addressed_list(const std::string& pointer) {
    if (pointer.empty() || pointer.front() != '/') return std::nullopt;
    std::size_t start = 1;
    for (;;) {
        const std::size_t end = pointer.find('/', start);
        const std::string token =
            pointer.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (is_index_token(token)) return pointer.substr(0, start - 1);
        if (end == std::string::npos) return std::nullopt;
        start = end + 1;
    }
}

bool same_list(const nlohmann::json& shown, const nlohmann::ordered_json& file,
               const std::string& list) {
    return same_at(shown, file, list);
}

bool same_list(const nlohmann::json& shown, const nlohmann::json& file, const std::string& list) {
    return same_at(shown, file, list);
}

std::string changed_elsewhere_message(const std::string& path) {
    return path +
           " was changed by another program, so the form now shows it as it is on disk. Make "
           "your last change again.";
}

}  // namespace Scribenta
