// The flue duct's section search: a sizing ending near 2,000 cm², and one
// whose draught barely exceeds the needs, walked to the 4 m² limit.
#include "calc/cond_fumees.h"

#include <benchmark/benchmark.h>

namespace {

using namespace calc::cond_fumees;

// A 2.5 MW gas boiler on a 20 m concrete-block duct, 2 m of 400 mm pipe.
Saisie chaufferie(double depression) {
    return {.combustible = u"Gaz naturel",
            .materiauRaccordement = u"Acier inox",
            .materiauConduit = u"Boisseaux béton",
            .hauteur = 20,
            .longueur = 20,
            .longueurRaccordement = 2,
            .diametreRaccordement = 0.4f,
            .temperatureFumees = 160,
            .temperatureExterieure = 15,
            .volumeFumees = 10.59f,
            .puissance = 2500,
            .rendement = 0.9f,
            .hauteurDouble = 20,
            .longueurDouble = 20,
            .diametreDouble = 0.4,
            .depressionSortie = depression};
}

void SectionPres2000cm2(benchmark::State& etat) {
    const Saisie s = chaufferie(2);
    for (auto _ : etat)
        benchmark::DoNotOptimize(Section(s));
}
BENCHMARK(SectionPres2000cm2)->Unit(benchmark::kMillisecond);

void SectionJusquALaLimite(benchmark::State& etat) {
    const Saisie s = chaufferie(37.334);
    for (auto _ : etat)
        benchmark::DoNotOptimize(Section(s));
}
BENCHMARK(SectionJusquALaLimite)->Unit(benchmark::kMillisecond);

} // namespace
