#include "app/changed_elsewhere.h"

#include <utility>

#include "app/text_file.h"

namespace Scribenta {

namespace {

bool changed_elsewhere(const std::string& path, const std::string& known, const std::string& text) {
    std::string now;
    if (!read_text_file(path, now)) return false;
    return now != known && now != text;
}

}  // namespace

void write_or_ask(const ShowConfirm& ask, const std::string& path, const std::string& known,
                  const std::string& text, std::function<void()> write) {
    if (!changed_elsewhere(path, known, text)) {
        write();
        return;
    }
    ask("Replace Changes Made Elsewhere?",
        path +
            " was changed by another program since it was opened here. Saving replaces "
            "those changes.",
        "Replace", std::move(write));
}

}  // namespace Scribenta
