// The pointer entering and leaving a sidebar tab with the sample site open:
// the enter or leave event, the "Hover" word, the one coalesced render and
// its patches, until the event loop is idle again.

#include <benchmark/benchmark.h>
#include <QEnterEvent>

#include "bench/site/site_screen.h"

namespace {

void BM_SidebarTabHover(benchmark::State& state) {
    site_bench::SiteScreen screen;
    std::string tab_path;
    for (const auto& [path, entry] : screen.view().registry()) {
        if (path.ends_with("/Sidebar/Projects Tab")) tab_path = path;
    }
    const auto* entry = screen.view().find(tab_path);
    if (entry == nullptr) {
        state.SkipWithError("the sidebar's Projects tab was not rendered");
        return;
    }
    QWidget* tab = entry->widget;
    bool inside = false;
    for (auto _ : state) {
        if (inside) {
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(tab, &leave);
        } else {
            QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
            QApplication::sendEvent(tab, &enter);
        }
        screen.idle();
        inside = !inside;
    }
    const auto words = screen.app().node_states.find(tab_path);
    const bool hovered = words != screen.app().node_states.end() && words->second.count("Hover");
    if (hovered != inside) state.SkipWithError("the tab's hover word did not follow the pointer");
}
BENCHMARK(BM_SidebarTabHover)->Unit(benchmark::kMicrosecond);

}  // namespace
