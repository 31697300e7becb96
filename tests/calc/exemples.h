// Examples shared by the calculators' tests and the benchmarks, which time the longest searches on
// inputs whose results the tests check.
#pragma once

#include "calc/cond_fumees.h"
#include "calc/deperdition.h"

namespace exemples {

using calc::cond_fumees::Materiau;
using calc::cond_fumees::Saisie;

// A 24 kW gas boiler on an 8 m concrete-block duct, 1 m of 80 mm stainless pipe.
inline Saisie gaz24kW() {
    Saisie s{.combustible = calc::Combustible::GazNaturel,
             .materiauRaccordement = Materiau::AcierInox,
             .materiauConduit = Materiau::BoisseauxBeton};
    s.hauteur = s.longueur = 8, s.longueurRaccordement = 1, s.diametreRaccordement = 0.08f;
    s.temperatureFumees = 120, s.temperatureExterieure = 15, s.volumeFumees = 10.59f;
    s.puissance = 24, s.rendement = 0.9f, s.depressionSortie = 10, s.depressionAirComburant = 4;
    s.hauteurDouble = s.longueurDouble = 8, s.diametreDouble = 0.08;
    return s;
}

// The same gas at 2.5 MW on a 20 m duct, 2 m of 400 mm pipe, the combustion air drawing nothing: a
// section near 4 m² when the boiler needs `depression` Pa at its outlet.
inline Saisie chaufferie(double depression) {
    Saisie s = gaz24kW();
    s.hauteur = s.longueur = 20, s.longueurRaccordement = 2, s.diametreRaccordement = 0.4f;
    s.temperatureFumees = 160, s.puissance = 2500, s.depressionAirComburant = 0;
    s.hauteurDouble = s.longueurDouble = 20, s.diametreDouble = 0.4;
    s.depressionSortie = depression;
    return s;
}

// A bare steel pipe carrying 500 l/h of 90 °C water through 10 m of a 0 °C room: its surface ends
// near 89 °C, the longest march in practice at 0.001 °C a step.
inline calc::deperdition::Entree acierNu90() {
    using namespace calc::deperdition;
    return {Conduite::Acier, 90,    90,         0, 0, 0.0161f, 0.0213f, 0, 500, 10,
            Fluide::Eau,     false, Milieu::Air};
}

} // namespace exemples
