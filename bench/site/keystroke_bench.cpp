// One keystroke in the title field with the sample site open: the key event
// through the editor widget, the "input:" event and its handler, the
// coalesced render and the patches applied to the widgets, until the event
// loop is idle again. Beside it, the same keystroke into a plain QLineEdit
// in a bare window of the same size.
//
// Each iteration types one character or erases it again (a key press and its
// release), so the text stays the same length throughout.

#include <benchmark/benchmark.h>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>
#include <cstdint>

#include "bench/site/site_screen.h"
#include "ext/ostrel/desktop/editor_widget.h"

namespace {

void key_click(QWidget* target, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
}

void type_or_erase(QWidget* target, bool erase) {
    if (erase) {
        key_click(target, Qt::Key_Backspace, QString());
    } else {
        key_click(target, Qt::Key_A, QStringLiteral("a"));
    }
}

void BM_TitleKeystroke(benchmark::State& state) {
    site_bench::SiteScreen screen;
    const std::string title = screen.site().paths.site_form + "/Title Field";
    const auto* entry = screen.view().find(title);
    if (entry == nullptr || entry->editor == nullptr) {
        state.SkipWithError("the title field was not rendered");
        return;
    }
    QLineEdit* field = entry->editor->line_edit;
    // Counts the "input:" events that reach the title's handler.
    std::int64_t inputs = 0;
    auto handler = screen.app().change_handlers[title];
    screen.app().on_change(title, [&inputs, handler](const std::string& text) {
        ++inputs;
        handler(text);
    });
    screen.root()->activateWindow();
    field->setFocus();
    field->end(false);
    screen.idle();
    bool erase = false;
    for (auto _ : state) {
        type_or_erase(field, erase);
        screen.idle();
        erase = !erase;
    }
    if (inputs != state.iterations() || screen.app().value(title).rfind("Acme Docs", 0) != 0) {
        state.SkipWithError("not every keystroke reached the title's handler");
    }
}
BENCHMARK(BM_TitleKeystroke)->Unit(benchmark::kMicrosecond);

void BM_PlainLineEditKeystroke(benchmark::State& state) {
    site_bench::qt_app();
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* field = new QLineEdit(QStringLiteral("Acme Docs"));
    layout->addWidget(field);
    layout->addStretch();
    window.resize(1000, 700);
    window.show();
    window.activateWindow();
    field->setFocus();
    QCoreApplication::processEvents();
    bool erase = false;
    for (auto _ : state) {
        type_or_erase(field, erase);
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::sendPostedEvents();
        erase = !erase;
    }
}
BENCHMARK(BM_PlainLineEditKeystroke)->Unit(benchmark::kMicrosecond);

}  // namespace
