// The layout's measure and draw passes natively, with the recording surface of the tests.
#include "bench/markup/MarkupSamples.h"
#include "markup/portable/MarkupDrawer.h"
#include "tests/markup/support/FakePlatformActions.h"
#include "tests/markup/support/FakeSurface.h"

#include <benchmark/benchmark.h>

namespace {

using namespace fennick;

void MeasureAndDraw(benchmark::State& state, const std::wstring& text, int wrapWidth)
{
    test::FakePlatformActions actions;
    test::FakeSurface surface;
    MarkupDrawer drawer(actions);
    drawer.SetWrapWidth(wrapWidth);
    for (auto _ : state) {
        const PixelSize size = drawer.Measure(surface, text);
        drawer.Draw(surface, {0, 0, size.width, size.height});
        benchmark::DoNotOptimize(surface.calls.data());
        surface.calls.clear();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void LabelText(benchmark::State& state)
{
    MeasureAndDraw(state, bench::LabelText(), 400);
}

void MixedDocument(benchmark::State& state)
{
    MeasureAndDraw(state, bench::MixedDocument(20000), 600);
}

// Rows of 40 cells: 50 and 500 rows show how the time grows with the cells.
void Table(benchmark::State& state)
{
    MeasureAndDraw(state, bench::Table(40, static_cast<int>(state.range(0))), 0);
    state.counters["cells"] = static_cast<double>(40 * state.range(0));
}

BENCHMARK(LabelText)->Unit(benchmark::kMicrosecond);
BENCHMARK(MixedDocument)->Unit(benchmark::kMicrosecond);
BENCHMARK(Table)->Arg(50)->Arg(500)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
