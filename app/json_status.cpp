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

// `byte` is 1-based; the line is one more than the line feeds before it.
std::size_t line_at(const std::string& text, std::size_t byte) {
    const std::size_t before = std::min<std::size_t>(byte > 0 ? byte - 1 : 0, text.size());
    const auto line_feeds =
        std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(before), '\n');
    return 1 + static_cast<std::size_t>(line_feeds);
}

// Parses text strictly; on failure gives the 1-based byte where it broke
// (0 when unknown) and the parser's message without its position prefix.
bool parse_failure(const std::string& text, std::size_t& byte, std::string& detail) {
    try {
        [[maybe_unused]] const auto doc = nlohmann::json::parse(text);
        return false;
    } catch (const nlohmann::json::parse_error& e) {
        byte = e.byte;
        detail = detail_of(e.what());
    } catch (const nlohmann::json::exception& e) {
        // A number too large for a double ("1e999") is refused with no
        // position; the number quoted in the message shows where it is.
        const std::string message = e.what();
        const auto open = message.find('\'');
        const auto close = message.rfind('\'');
        byte = 0;
        if (open != std::string::npos && close > open) {
            const auto at = text.find(message.substr(open + 1, close - open - 1));
            if (at != std::string::npos) byte = at + 1;
        }
        const auto bracket = message.find("] ");
        detail = bracket == std::string::npos ? message : message.substr(bracket + 2);
    }
    return true;
}

}  // namespace

bool check_json_text(const std::string& text, std::string& status) {
    std::size_t byte = 0;
    std::string detail;
    if (!parse_failure(text, byte, detail)) return true;
    status =
        "Invalid JSON — line " + std::to_string(line_at(text, byte)) + ": " + valid_utf8(detail);
    return false;
}

std::size_t invalid_json_line(const std::string& text) {
    std::size_t byte = 0;
    std::string detail;
    return parse_failure(text, byte, detail) ? line_at(text, byte) : 0;
}

}  // namespace Scribenta
