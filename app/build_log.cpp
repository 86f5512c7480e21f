#include "app/build_log.h"

namespace Scribenta {

BuildLine read_build_line(const std::string& line) {
    if (line.size() < 2 || line[1] != '\t') return {BuildLineKind::Whole, line};
    std::string text = line.substr(2);
    switch (line[0]) {
        case 'O':
            return {BuildLineKind::Output, std::move(text)};
        case 'A':
            return {BuildLineKind::Detail, std::move(text)};
        case 'E':
        case 'I':
            return {BuildLineKind::Message, std::move(text)};
        default:
            return {BuildLineKind::Whole, line};
    }
}

void append_log_line(std::string& log, const std::string& line) {
    if (!log.empty()) log += '\n';
    log += line;
}

void append_build_verdict(const std::function<void(const std::string&)>& append, int exit_code,
                          const std::string& did_not_run) {
    if (exit_code == -1) append(did_not_run);
    append("");
    append(exit_code == 0 ? "=== Build Complete ===" : "=== Build Failed ===");
}

}  // namespace Scribenta
