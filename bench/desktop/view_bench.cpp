// The first render builds every widget; later renders must only touch the
// widgets whose node changed. A text change in a screen of about a thousand
// widgets should cost far less than building that screen.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>
#include <string>

#include "ext/ostrel/desktop/desktop_view.h"
#include "ext/ostrel/layers/layers.h"

namespace {

constexpr int kSections = 20;
constexpr int kRows = 12;

// 20 sections of 12 rows, each a row box with a label, an editor and a button.
std::string bench_layers() {
    std::string json = R"({"DeskTypes": {"Box": {}, "Text": {}, "Editor": {}, "Button": {}},
        "DeskWin": {"->": "S:DeskTypes/Box", "Layout.Scroll": "Vertical", )";
    for (int s = 0; s < kSections; ++s) {
        json += "\"S" + std::to_string(s) + R"json(": {"->": "S:DeskTypes/Box", "Fill": "#202020",
            "Padding.(Left,Top,Right,Bottom)": 8, "Corner Radii.Top Left": 4, )json";
        for (int r = 0; r < kRows; ++r) {
            json += "\"R" + std::to_string(r) + R"(": {"->": "S:DeskTypes/Box",
                "Layout.Direction": "Row", "Layout.Spacing": 6,
                "Label": {"->": "S:DeskTypes/Text", "Text": "Label", "Font.Size": 13},
                "Field": {"->": "S:DeskTypes/Editor", "Placeholder": "Value", "Layout.Grow": 1},
                "Go": {"->": "S:DeskTypes/Button", "Text": "Go"}},)";
        }
        json.back() = '}';
        json += ',';
    }
    json.back() = '}';
    json += '}';
    return json;
}

QApplication& bench_qt() {
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "desktop-bench";
        static char* argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    return *app;
}

void load_layers_once() {
    static const bool loaded = [] {
        const Layers::FileTextMap files{{"desk.json", Layers::strip_json_blanks(bench_layers())}};
        Layers::mount_files(Layers::registry(), {}, files, "");
        Layers::resolve_links(Layers::Registry::root(Layers::registry()));
        return true;
    }();
    (void)loaded;
}

void BM_BuildScreen(benchmark::State& state) {
    bench_qt();
    load_layers_once();
    for (auto _ : state) {
        Ostrel::OApp app;
        app.set_root("DeskWin");
        QWidget* root = Ostrel::create_desktop_view(app);
        benchmark::DoNotOptimize(root);
        state.PauseTiming();
        delete root;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BuildScreen)->Unit(benchmark::kMillisecond);

void BM_OneTextChange(benchmark::State& state) {
    bench_qt();
    load_layers_once();
    Ostrel::OApp app;
    app.set_root("DeskWin");
    QWidget* root = Ostrel::create_desktop_view(app);
    Ostrel::DesktopView* view = Ostrel::DesktopView::of(root);
    int n = 0;
    for (auto _ : state) {
        app.texts["DeskWin/S7/R5/Label"] = "Label " + std::to_string(++n);
        view->apply_patches(app.render());
    }
    delete root;
}
BENCHMARK(BM_OneTextChange)->Unit(benchmark::kMicrosecond);

}  // namespace
