// Oil-burner nozzle selection: from the boiler's power, efficiency and fuel
// heating value, the first nozzle of a standard range that delivers the
// required flow, the pump pressure raised from the given one until it does.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace calc::gicleur {

// The 28 nozzle sizes of the range, US gal/h at the 7-bar rating, in list
// order (element 0 is the first row of the list).
const std::array<float, 28>& Gamme_Gicleurs();

// 0 when nombre / diviseur, computed in double and stored as a single, is a
// whole number; that single quotient otherwise. Throws EchecExecution on a
// zero divisor or a quotient beyond the single range.
float Modulo(double nombre, double diviseur);

// What the search formed on its way: each value once reached.
struct Intermediaires {
    std::optional<double> debit;          // l/h, P / n / PCI from the single readings
    std::optional<double> gicleurCalcule; // US gal/h at the pressure kept, before rounding
    std::optional<int> relevements;       // raises of the pressure, by 0.01 or 0.1 bar
};

// The nozzle search. puissance in kW, rendement a ratio, pci in kWh/l,
// pression in bar: raised in steps of 0.01 bar (0.11 bar after a multiple of
// 0.05 missing from the range) until a size of the range fits, and handed
// back 0.01 bar above the pressure at which that size was computed. nullopt
// ("#####") when no size fits at 20 bar or below, or on any arithmetic
// failure (an infinite input among them); pression then keeps the value
// reached. `notes`, if given, receives what the search formed.
std::optional<double> Gicleur(float puissance, float& pression, float rendement, float pci,
                              Intermediaires* notes = nullptr);

// The tab's fields: the search runs on the single readings, the flow on the
// double readings of power and efficiency.
struct Entree {
    float puissance = 0; // kW
    float rendement = 0; // a ratio
    float pression = 0;  // bar, the pump pressure to start from
    float pci = 0;       // kWh/l
    double puissanceDouble = 0;
    double rendementDouble = 0;
};

struct Resultat {
    double gicleur; // US gal/h
    float pression; // bar, pump pressure redefined for that nozzle
    double debit;   // l/h of fuel oil
    int rangee;     // row of the range list holding the nozzle, -1 if none
};

// The tab's calculation. nullopt: the three results show "#####".
std::optional<Resultat> calculer(const Entree& entree, Intermediaires* notes = nullptr);

// The formulas, as the calculation sheet shows them, one a line.
inline constexpr std::string_view formules =
    "Débit de fioul : Q = P / n / PCI (l/h)\n"
    "Gicleur à la pression p : G = Q / (3,785 × (p / 7)^0,5) (Us gal/h, calibre à 7 bars)\n"
    "La pression monte de 0,01 bar à la fois jusqu'au premier gicleur de la gamme "
    "(20 bars au plus).";

} // namespace calc::gicleur
