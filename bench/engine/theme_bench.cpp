// Theme files are read at every start, and one may be crafted: reading one
// must cost in step with its size whatever its shape. The bytes per second
// must stay about level from 25,000 items to 400,000; a cost growing with
// the square of the size would fall sixteenfold.

#include <benchmark/benchmark.h>

#include <string>

#include "ext/ostrel/engine/theme_info.h"

namespace {

// A theme whose one variable is a list of `count` empty objects.
std::string list_of_empty_objects(int count) {
    std::string list;
    for (int i = 0; i < count; ++i) list += i == 0 ? "{}" : ",{}";
    return R"({"T": {"Primary": "#111", "List": [)" + list + "]}}";
}

// A theme of `count` variables.
std::string theme_with_variables(int count) {
    std::string members;
    for (int i = 0; i < count; ++i) members += R"(,"V)" + std::to_string(i) + R"(": 1)";
    return R"({"T": {"Primary": "#111")" + members + "}}";
}

// Reads the theme that `make` writes with range(0) items.
void BM_Theme(benchmark::State& state, std::string (*make)(int count)) {
    const std::string text = make(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Ostrel::ThemeInfo info;
        benchmark::DoNotOptimize(Ostrel::parse_theme_json(text, info));
        benchmark::DoNotOptimize(info);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}

void sizes(benchmark::internal::Benchmark* bench) {
    bench->Arg(25000)->Arg(100000)->Arg(400000)->Unit(benchmark::kMillisecond);
}

BENCHMARK_CAPTURE(BM_Theme, empty_objects, list_of_empty_objects)->Apply(sizes);
BENCHMARK_CAPTURE(BM_Theme, variables, theme_with_variables)->Apply(sizes);

}  // namespace
