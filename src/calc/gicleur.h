// Oil-burner nozzle selection: from the boiler's power, efficiency and fuel
// heating value, the first nozzle of a standard range that delivers the
// required flow, the pump pressure raised from the given one until it does.
#pragma once

#include <array>
#include <optional>

namespace calc::gicleur {

// The 28 nozzle sizes of the range, US gal/h at the 7-bar rating, in list
// order (element 0 is the first row of the list).
const std::array<float, 28>& Gamme_Gicleurs();

// 0 when nombre / diviseur, computed in double and stored as a single, is a
// whole number; that single quotient otherwise. Throws EchecExecution on a
// zero divisor or a quotient beyond the single range.
float Modulo(double nombre, double diviseur);

// The nozzle search. puissance in kW, rendement a ratio, pci in kWh/l,
// pression in bar: raised in steps of 0.01 bar (0.11 bar after a multiple of
// 0.05 missing from the range) until a size of the range fits, and handed
// back 0.01 bar above the pressure at which that size was computed. nullopt
// ("#####") when no size fits at 20 bar or below, or on any arithmetic
// failure (an infinite input among them); pression then keeps the value
// reached.
std::optional<double> Gicleur(float puissance, float& pression, float rendement, float pci);

struct Resultat {
    double gicleur; // US gal/h
    float pression; // bar, pump pressure redefined for that nozzle
    double debit;   // l/h of fuel oil
    int rangee;     // row of the range list holding the nozzle, -1 if none
};

// The tab's calculation: the search run on the single readings, the flow on
// the double readings of power and efficiency. nullopt: the three results
// show "#####".
std::optional<Resultat> calculer(float puissance, float pression, float rendement, float pci,
                                 double puissanceDouble, double rendementDouble);

} // namespace calc::gicleur
