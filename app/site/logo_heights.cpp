#include "app/site/logo_heights.h"

#include <utility>

#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

namespace {
constexpr int kMaxLogoHeight = 40;
}

bool is_valid_logo_height(const std::string& text) {
    if (text.empty()) return true;
    std::size_t digits = 0;
    int value = 0;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') {
        if (digits < 3) value = value * 10 + (text[digits] - '0');
        ++digits;
    }
    if (digits < 1 || digits > 3 || value > kMaxLogoHeight) return false;
    std::string unit = text.substr(digits);
    for (char& c : unit) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return unit.empty() || unit == "p" || unit == "px";
}

void LogoHeightEdited::operator()(const std::string& text) const {
    if (!is_valid_logo_height(text)) return;
    (*state).*height = text;
    queue_edit(pointer, text);
    refresh();
}

void TabTextEdited::operator()(const std::string& text) const {
    state->tab_text = text;
    queue_edit("/branding/tab_text", text);
    refresh();
}

void wire_height_field(Ostrel::OApp& app, const std::string& field, const std::string& pointer,
                       PreviewHeight height, std::shared_ptr<PreviewState> state,
                       QueueEdit queue_edit, RefreshLogoPreviews refresh) {
    app.on_change(field, LogoHeightEdited{std::move(state), height, pointer, std::move(queue_edit),
                                          std::move(refresh)});
}

}  // namespace Scribenta
