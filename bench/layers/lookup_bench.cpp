// The engine asks every node's attributes for a state variant at every
// render: these lookups must stay a few comparisons, with no allocation.

#include <benchmark/benchmark.h>

#include "ext/ostrel/layers/layers.h"

namespace {

using Json = nlohmann::ordered_json;

Layers::LStyle make_button() {
    return Layers::LStyle(
        "Button",
        Json::parse(R"({"Fill":{"->":"#333",":Hover":"#444",":Pressed":"#555",)"
                    R"(":Checked":"#666",":Checked:Hover":"#777",":Disabled":"#222"},)"
                    R"("Radius":4,"Padding":8,"Font.Size":14,"Text":"L:Theme/Foreground"})"),
        {});
}

void BM_AttributeLookup(benchmark::State& state) {
    Layers::LStyle button = make_button();
    for (auto _ : state) {
        benchmark::DoNotOptimize(button.attribute("Fill"));
        benchmark::DoNotOptimize(button.attribute("Font.Size"));
        benchmark::DoNotOptimize(button.attribute("Missing"));
    }
}
BENCHMARK(BM_AttributeLookup);

void BM_StateVariant(benchmark::State& state) {
    Layers::LStyle button = make_button();
    Layers::LAttribute* fill = button.attribute("Fill");
    const std::vector<std::string> active = {"Desktop", "Medium", "Checked", "Hover"};
    for (auto _ : state) benchmark::DoNotOptimize(fill->state_variant(active));
}
BENCHMARK(BM_StateVariant);

}  // namespace
