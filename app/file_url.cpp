#include "app/file_url.h"

#include <filesystem>
#include <string_view>

namespace Scribenta {

namespace {

// Unreserved characters and the sub-delimiters, ":" and "@" of a URL path;
// "/" separates its segments.
bool keeps(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return true;
    return std::string_view("-._~!$&'()*+,;=:@/").find(static_cast<char>(c)) !=
           std::string_view::npos;
}

}  // namespace

std::string local_file_url(const std::string& path) {
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(path, error);
    if (error) absolute = path;
    std::string text = absolute.lexically_normal().generic_string();
    // A drive-letter path ("C:/x") gets the root slash of "file:///C:/x".
    if (text.empty() || text.front() != '/') text.insert(text.begin(), '/');

    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (keeps(c)) {
            url += ch;
        } else {
            url += '%';
            url += kHex[c >> 4];
            url += kHex[c & 0x0F];
        }
    }
    return url;
}

}  // namespace Scribenta
