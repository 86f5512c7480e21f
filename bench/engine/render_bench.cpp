// Every event re-renders the whole tree: expansion, the copy kept for the
// next render and the diff. A render must stay well under a millisecond per
// thousand nodes, with nothing changed and with one text changed.

#include <benchmark/benchmark.h>

#include <string>

#include "ext/ostrel/engine/oapp.h"
#include "ext/ostrel/layers/layers.h"

namespace {

constexpr int kSections = 30;
constexpr int kGroups = 10;
constexpr int kLeaves = 8;
constexpr int kRows = 300;

// 30 sections of 10 groups of 8 leaves, and a list of 300 rows of 4 nodes.
std::string bench_layers() {
    const std::string leaf_attributes =
        R"("Fill": {"->": "#202020", ":Hover": "#303030", ":Disabled": "#101010"},
           "Font.Size": 13, "Padding.Left": 4, "Padding.Right": 4, "Text Color": "#eee",
           "Corner Radii.Top Left": 3, "Layout.Grow": 1)";
    std::string json = R"({"BenchTypes": {"Text": {)" + leaf_attributes + R"(}, "Button": {)" +
                       leaf_attributes + R"(, "Intent": "open"}}, "BenchWin": {)";
    for (int s = 0; s < kSections; ++s) {
        json += "\"S" + std::to_string(s) + R"(": {"Layout.Direction": "column", )";
        for (int g = 0; g < kGroups; ++g) {
            json += "\"G" + std::to_string(g) + R"(": {"Layout.Spacing": 6, )";
            for (int l = 0; l < kLeaves; ++l) {
                const char* type = l % 2 == 0 ? "Text" : "Button";
                json += "\"L" + std::to_string(l) + R"(": {"->": "S:BenchTypes/)" + type +
                        R"(", "Text": "label )" + std::to_string(l) + "\"},";
            }
            json.back() = '}';
            json += ',';
        }
        json.back() = '}';
        json += ',';
    }
    json += R"("List": {"Bind": "List:benchRows", "Row": {"Fill": {"->": "#111", ":First": "#222"},
        "Name": {"->": "S:BenchTypes/Text", "Bind": "Field:name"},
        "Note": {"->": "S:BenchTypes/Text", "Bind": "Field:note; MaxWidth:width"},
        "Remove": {"->": "S:BenchTypes/Button", "Intent": "list:remove"}}}}})";
    return json;
}

std::size_t count_nodes(const Ostrel::RenderNode& node) {
    std::size_t n = 1;
    for (const auto& child : node.children) n += count_nodes(child);
    return n;
}

Ostrel::OApp& bench_app() {
    static Ostrel::OApp* app = [] {
        const Layers::FileTextMap files{{"bench.json", Layers::strip_json_blanks(bench_layers())}};
        Layers::mount_files(Layers::registry(), {}, files, "");
        Layers::resolve_links(Layers::Registry::root(Layers::registry()));
        auto* made = new Ostrel::OApp();
        made->root_name = "BenchWin";
        made->condition_tags = {"Desktop", "Medium"};
        std::vector<Ostrel::ListEntry> rows;
        for (int r = 0; r < kRows; ++r) {
            rows.push_back(
                {"row-" + std::to_string(r),
                 {{"name", "Row " + std::to_string(r)}, {"note", "note"}, {"width", "240"}}});
        }
        made->rows["benchRows"] = std::move(rows);
        made->render();
        return made;
    }();
    return *app;
}

void report(benchmark::State& state, const Ostrel::OApp& app) {
    const double nodes = static_cast<double>(count_nodes(*app.last_tree));
    state.counters["nodes"] = nodes;
    // Seconds per render per thousand nodes.
    state.counters["per_1k_nodes"] =
        benchmark::Counter(nodes / 1000.0, benchmark::Counter::kIsIterationInvariantRate |
                                               benchmark::Counter::kInvert);
}

void BM_RenderUnchanged(benchmark::State& state) {
    Ostrel::OApp& app = bench_app();
    for (auto _ : state) {
        auto patches = app.render();
        benchmark::DoNotOptimize(patches);
    }
    report(state, app);
}
BENCHMARK(BM_RenderUnchanged)->Unit(benchmark::kMicrosecond);

void BM_RenderOneTextChanged(benchmark::State& state) {
    Ostrel::OApp& app = bench_app();
    std::string& text = app.texts["BenchWin/S3/G4/L2"];
    for (auto _ : state) {
        text = text == "first" ? "second" : "first";
        auto patches = app.render();
        if (patches.size() != 1) {
            state.SkipWithError(("expected one Update patch, got " +
                                 std::to_string(patches.size()) + " first " +
                                 (patches.empty() ? std::string() : patches[0].path))
                                    .c_str());
            break;
        }
        benchmark::DoNotOptimize(patches);
    }
    report(state, app);
}
BENCHMARK(BM_RenderOneTextChanged)->Unit(benchmark::kMicrosecond);

}  // namespace
