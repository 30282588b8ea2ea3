// The flow relations, the Mach search and the chart drawing, without any window.

#include "chart/frictionchart.h"
#include "flow/machsearch.h"

#include "tests/support/recordingsurface.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

using velmora::FlowState;
using velmora::SilentMessenger;

void BM_FLD4_for_M(benchmark::State& state)
{
    const FlowState flow = velmora::loadedFlowState();
    double mach = 0.25;
    for (auto _ : state) {
        benchmark::DoNotOptimize(flow.FLD4_for_M(mach));
        mach = mach < 5.0 ? mach + 0.05 : 0.25;
    }
}
BENCHMARK(BM_FLD4_for_M);

struct SearchCase {
    const char* label;
    double target;
    double step;
    int direction;
};

// Each search of the γ = 1.4 table, from the side it was made on.
constexpr std::array searches{
    SearchCase{"sub 0.5", 0.5, 0.5, -1},       SearchCase{"sup 0.5", 0.5, 1.0, +1},
    SearchCase{"sub 0.305", 0.305, 0.5, -1},   SearchCase{"sup 0.305", 0.305, 1.0, +1},
    SearchCase{"sub 0.1", 0.1, 0.5, -1},       SearchCase{"sup 0.1", 0.1, 1.0, +1},
    SearchCase{"sub 1.0", 1.0, 0.5, -1},       SearchCase{"sup 1.0", 1.0, 1.0, +1},
    SearchCase{"sub 0.7", 0.7, 0.5, -1},       SearchCase{"sup 0.7", 0.7, 1.0, +1},
    SearchCase{"sub 0.7299", 0.7299, 0.5, -1}, SearchCase{"sup 0.7299", 0.7299, 1.0, +1},
    SearchCase{"sub 0", 0.0, 0.5, -1},         SearchCase{"sup 0", 0.0, 1.0, +1},
};

void BM_MachSearch(benchmark::State& state)
{
    const SearchCase& c = searches.at(std::size_t(state.range(0)));
    const FlowState flow = velmora::loadedFlowState();
    SilentMessenger messenger;
    for (auto _ : state) {
        double mach = 0.0;
        double step = c.step;
        int direction = c.direction;
        benchmark::DoNotOptimize(
            velmora::iter_for_M_for_Given_FLD4(flow, mach, step, direction, c.target, messenger));
        benchmark::DoNotOptimize(mach);
    }
    state.SetLabel(c.label);
}
BENCHMARK(BM_MachSearch)->DenseRange(0, int(searches.size()) - 1);

void BM_FLD4_Graph(benchmark::State& state)
{
    const FlowState flow = velmora::loadedFlowState();
    velmora::testing::RecordingSurface surface;
    surface.requests.reserve(128);
    for (auto _ : state) {
        surface.requests.clear();
        velmora::FLD4_Graph(flow, surface);
        benchmark::DoNotOptimize(surface.requests.data());
    }
}
BENCHMARK(BM_FLD4_Graph);

} // namespace

BENCHMARK_MAIN();
