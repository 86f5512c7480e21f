#include "ext/ostrel/layers/loading.h"

namespace Layers {

std::string strip_json_blanks(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    bool in_string = false;
    bool escaped = false;  // an escaped quote does not end the string
    for (char c : text) {
        if (in_string) {
            out += c;
            if (escaped) {
                escaped = false;
            } else if (c == '\\') {
                escaped = true;
            } else if (c == '"') {
                in_string = false;
            }
        } else if (c == '"') {
            in_string = true;
            out += c;
        } else if (c != ' ' && c != '\r' && c != '\n') {
            out += c;
        }
    }
    return out;
}

}  // namespace Layers
