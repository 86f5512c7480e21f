#include "app/json_status.h"

#include <algorithm>
#include <cstddef>

#include <nlohmann/json.hpp>

namespace Scribenta {

namespace {

// The parser quotes what it last read, which may be bytes that are not
// UTF-8; the status line must stay valid text.
std::string valid_utf8(const std::string& text) {
    const std::string quoted =
        nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    return nlohmann::json::parse(quoted).get<std::string>();
}

// The message without the library's prefix, which carries its own position.
std::string detail_of(const std::string& message) {
    const auto colon = message.find(": ");
    if (colon == std::string::npos || message.size() < 2) return message;
    return message.substr(colon + 2);
}

std::string status_text(const std::string& text, std::size_t byte, const std::string& detail) {
    // `byte` is 1-based; the line is one more than the line feeds before it.
    const std::size_t before = std::min<std::size_t>(byte > 0 ? byte - 1 : 0, text.size());
    const auto line_feeds =
        std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(before), '\n');
    return "Invalid JSON — line " + std::to_string(1 + line_feeds) + ": " + valid_utf8(detail);
}

}  // namespace

bool check_json_text(const std::string& text, std::string& status) {
    try {
        [[maybe_unused]] const auto doc = nlohmann::json::parse(text);
        return true;
    } catch (const nlohmann::json::parse_error& e) {
        status = status_text(text, e.byte, detail_of(e.what()));
    } catch (const nlohmann::json::exception& e) {
        // A number too large for a double ("1e999") is refused with no
        // position; the number quoted in the message shows where it is.
        const std::string message = e.what();
        const auto open = message.find('\'');
        const auto close = message.rfind('\'');
        std::size_t byte = 0;
        if (open != std::string::npos && close > open) {
            const auto at = text.find(message.substr(open + 1, close - open - 1));
            if (at != std::string::npos) byte = at + 1;
        }
        const auto bracket = message.find("] ");
        status = status_text(text, byte,
                             bracket == std::string::npos ? message : message.substr(bracket + 2));
    }
    return false;
}

}  // namespace Scribenta
