// SPDX-License-Identifier: GPL-3.0-or-later
// The rules kernel per code: decoding an index and scoring a candidate, the two steps the plain
// filter pass makes for every remaining code. items_per_second gives codes per second.

#include "game/Main.h"

#include <benchmark/benchmark.h>
#include <random>
#include <vector>

namespace {

constexpr int32_t Farben = 8;
constexpr int32_t Stellen = 8;
constexpr int32_t Alle = 16777216; // 8^8

void IndexZuCodeMessen(benchmark::State& state)
{
    int8_t code[10];
    int32_t index = 0;
    for (auto _ : state) {
        IndexZuCode(Farben, Stellen, index, code);
        benchmark::DoNotOptimize(code);
        index = index + 1 == Alle ? 0 : index + 1;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(IndexZuCodeMessen);

void BewerteCodeMessen(benchmark::State& state)
{
    // Candidates spread over the whole range, so the branches see what a pass sees.
    std::mt19937 zufall(5);
    std::vector<int8_t> codes(4096 * 10);
    for (size_t c = 0; c < 4096; ++c)
        IndexZuCode(Farben, Stellen, static_cast<int32_t>(zufall() % Alle), &codes[c * 10]);
    const int8_t rate[10] = {0, 1, 2, 3, 4, 5, 6, 7};
    size_t c = 0;
    for (auto _ : state) {
        int32_t schwarz = 0;
        int32_t weiss = 0;
        BewerteCode(&codes[c * 10], rate, Stellen, schwarz, weiss);
        benchmark::DoNotOptimize(schwarz);
        benchmark::DoNotOptimize(weiss);
        c = (c + 1) & 4095;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BewerteCodeMessen);

} // namespace
