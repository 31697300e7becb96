#include "calc/exemples.h"

#include <benchmark/benchmark.h>

#include <variant>

namespace {

using namespace calc::deperdition;

// The longest march in practice, some 89,000 steps.
void Deperdition_AcierNuEau90Local0(benchmark::State& state) {
    const Entree entree = exemples::acierNu90();
    int pas = 0;
    for (auto _ : state) {
        auto resultat = calculer(entree);
        benchmark::DoNotOptimize(resultat);
        const auto* r = std::get_if<Resultat>(&resultat);
        if (!r) {
            state.SkipWithError("the calculation failed");
            break;
        }
        pas = r->iterations;
    }
    state.counters["pas"] = pas;
}
BENCHMARK(Deperdition_AcierNuEau90Local0)->Unit(benchmark::kMillisecond);

} // namespace
