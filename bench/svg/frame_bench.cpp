// Cost of one frame of an animated icon: the renderer asks for one every
// 16 ms for every animated icon on screen, so a frame must take a small
// fraction of that.

#include <benchmark/benchmark.h>

#include <string>

#include "ext/ostrel/svg/animated_svg.h"

namespace {

// A spinner with a SMIL rotation and dash animation plus CSS keyframes for a
// pulsing dot, its opacity and a dot moving along a path.
const std::string kIcon = R"(<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="24" height="24" viewBox="0 0 24 24">
  <style><![CDATA[
    @keyframes pulse { 0% { transform: scale(1) } 50% { transform: scale(1.2); animation-timing-function: cubic-bezier(0.4, 0, 0.2, 1) } 100% { transform: scale(1) } }
    @keyframes fade { 0%, 100% { opacity: 1 } 50% { opacity: 0.3 } }
    @keyframes orbit { from { offset-distance: 0% } to { offset-distance: 100% } }
    .dot { animation: pulse 1.2s infinite; transform-origin: 12px 12px }
    .halo { animation: fade 2s ease-in-out infinite }
    #sat { offset-path: path('M12 2 C17.5 2 22 6.5 22 12 C22 17.5 17.5 22 12 22 C6.5 22 2 17.5 2 12 C2 6.5 6.5 2 12 2 Z'); animation: orbit 3s linear infinite }
  ]]></style>
  <g fill="none" stroke="currentColor" stroke-width="2">
    <circle class="halo" cx="12" cy="12" r="10" opacity="0.25"/>
    <path d="M12 2a10 10 0 0 1 10 10" stroke-linecap="round">
      <animateTransform attributeName="transform" type="rotate" values="0 12 12;360 12 12"
                        dur="0.8s" repeatCount="indefinite"/>
    </path>
    <circle cx="12" cy="12" r="9" stroke-dasharray="14 43" stroke-dashoffset="0">
      <animate attributeName="stroke-dashoffset" values="0;-57" dur="1.6s"
               calcMode="spline" keySplines="0.42 0 0.58 1" repeatCount="indefinite"/>
    </circle>
  </g>
  <circle class="dot" cx="12" cy="12" r="3" fill="currentColor"/>
  <circle id="sat" r="1.5" fill="currentColor"/>
</svg>
)";

void BM_FrameText(benchmark::State& state) {
    const auto doc = Ostrel::AnimatedSvg::parse(kIcon);
    double t = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Ostrel::AnimatedSvg::frame_text(doc, t));
        t += 16;
    }
}
BENCHMARK(BM_FrameText);

void BM_Parse(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Ostrel::AnimatedSvg::parse(kIcon));
}
BENCHMARK(BM_Parse);

// A group turned by 8 × n rotations under n additive animations, each of
// which adds to that transform: parsing grows with the text, not with the
// rotations times the animations.
void BM_ParseAdditiveUnderLongTransform(benchmark::State& state) {
    const auto n = static_cast<int>(state.range(0));
    std::string text = "<svg><g transform='";
    for (int i = 0; i < 8 * n; ++i) text += "rotate(1) ";
    text += "'>";
    for (int i = 0; i < n; ++i) {
        text += "<animateTransform type='rotate' from='0' to='90' dur='1s' additive='sum'/>";
    }
    text += "</g></svg>";
    for (auto _ : state) benchmark::DoNotOptimize(Ostrel::AnimatedSvg::parse(text));
}
BENCHMARK(BM_ParseAdditiveUnderLongTransform)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond);

}  // namespace
