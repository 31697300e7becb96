#include "calc/deperdition.h"

#include <benchmark/benchmark.h>

#include <variant>

namespace {

using namespace calc::deperdition;

// A bare steel pipe carrying 90 °C water through a 0 °C room: its surface
// ends near 89 °C, the longest march in practice at 0.001 °C a step.
void Deperdition_AcierNuEau90Local0(benchmark::State& state) {
    const Entree entree{.conduite = u"Acier",
                        .temperature = 90,
                        .temperatureDouble = 90,
                        .temperatureAmbiante = 0,
                        .lambdaIsolant = 0,
                        .diametreInterieur = 0.0161f,
                        .diametreExterieur = 0.0213f,
                        .diametreIsolant = 0,
                        .debit = 500,
                        .longueur = 10,
                        .fluide = Fluide::Eau,
                        .isolee = false,
                        .milieu = Milieu::Air};
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
