#pragma once

// The porcelain lines of the build tool as the site and project build logs
// read them: a letter, a TAB, then text.

#include <functional>
#include <string>

namespace Scribenta {

// What a build log does with one output line.
enum class BuildLineKind {
    Whole,    // shown as it came: no letter and TAB, or a letter without a meaning here
    Message,  // "E" and "I": the text is shown
    Detail,   // "A": the text is shown only while Advanced is on
    Output,   // "O": the text is the output location
};

struct BuildLine {
    BuildLineKind kind = BuildLineKind::Whole;
    std::string text;  // everything after the TAB; the whole line for Whole
};

BuildLine read_build_line(const std::string& line);

// Appends `line` to `log`, "\n" first unless the log is empty: an empty line
// adds only the separator, and nothing at all to an empty log.
void append_log_line(std::string& log, const std::string& line);

// The end of every build log: the did-not-run line for exit code -1, an empty
// line, then the verdict ("=== Build Complete ===" only for exit code 0).
void append_build_verdict(const std::function<void(const std::string&)>& append, int exit_code,
                          const std::string& did_not_run);

}  // namespace Scribenta
