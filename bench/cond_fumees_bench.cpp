// The flue duct's section search: a sizing ending near 2,000 cm², and one
// whose draught barely exceeds the needs, walked to the 4 m² limit.
#include "calc/exemples.h"

#include <benchmark/benchmark.h>

namespace {

void SectionPres2000cm2(benchmark::State& etat) {
    const auto s = exemples::chaufferie(2);
    for (auto _ : etat)
        benchmark::DoNotOptimize(Section(s));
}
BENCHMARK(SectionPres2000cm2)->Unit(benchmark::kMillisecond);

void SectionJusquALaLimite(benchmark::State& etat) {
    const auto s = exemples::chaufferie(37.334);
    for (auto _ : etat)
        benchmark::DoNotOptimize(Section(s));
}
BENCHMARK(SectionJusquALaLimite)->Unit(benchmark::kMillisecond);

} // namespace
