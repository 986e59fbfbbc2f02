// One full Generate per iteration for each pattern, 32000 stars, sliders at mid travel.
#include <benchmark/benchmark.h>

#include "saver/engine/engine_state.h"
#include "saver/engine/generator.h"
#include "saver/engine/random.h"
#include "saver/model/view.h"

namespace {

void BM_Generate(benchmark::State& state) {
    xcolormode = static_cast<int>(state.range(0));
    tracking = static_cast<int>(state.range(1));
    track20k = track20l = track20e = 64;
    bars = 1;
    meteor_count = 801; // 10 % meteors of a full population
    seed_random(1u);
    for (auto _ : state) {
        anchor_flag = 0;
        generate();
        benchmark::DoNotOptimize(target_stars);
        benchmark::ClobberMemory();
    }
    state.SetLabel(generator_mode_name(xcolormode));
    state.SetItemsProcessed(state.iterations() * STAR_COUNT);
}

void generator_cases(benchmark::internal::Benchmark* b) {
    for (int mode = GEN_RANDOM; mode <= GEN_SINE_T; ++mode) {
        b->Args({mode, 0});
        // AUX changes the work of every pattern but "Random" and "Shell".
        if (mode != GEN_RANDOM && mode != GEN_SHELL) b->Args({mode, 1});
    }
}

} // namespace

BENCHMARK(BM_Generate)
    ->ArgNames({"mode", "aux"})
    ->Apply(generator_cases)
    ->Unit(benchmark::kMillisecond);
