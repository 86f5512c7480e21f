// Start-up loads every shipped layer file: the framework's widgets and
// mounts and the application's styles, then binds the links. Loading must
// stay a small part of start-up; the limits against hostile files must not
// cost real files anything.

#include <benchmark/benchmark.h>

#include "ext/ostrel/layers/layers.h"

namespace {

void BM_LoadShippedLayers(benchmark::State& state) {
    const std::string root = SCRIBENTA_SOURCE_DIR;
    // Links are bound against the process-wide registry, so each round
    // starts it afresh.
    Layers::Registry& registry = Layers::registry();
    for (auto _ : state) {
        registry.pending.clear();
        registry.root_style = std::make_unique<Layers::LStyle>();
        Layers::load_directory(registry, root + "/ext/ostrel/styles/widgets", "Ostrel");
        Layers::load_directory(registry, root + "/ext/ostrel/styles/mounts", "");
        Layers::load_directory(registry, root + "/styles", "");
        Layers::resolve_links(Layers::Registry::root(registry));
        benchmark::DoNotOptimize(Layers::Registry::root(registry));
    }
}
BENCHMARK(BM_LoadShippedLayers)->Unit(benchmark::kMillisecond);

}  // namespace
