// Combustion analysis of a burner's flue gas: conversion between the CO2 and
// O2 contents, and the combustion efficiency (Siegert's flue-gas loss) with
// the excess air, the air factor, the water dew point and the flue-gas volume.
#pragma once

#include "calc/combustible.h"

#include <array>
#include <optional>
#include <string_view>

namespace calc::combustion {

// The gas measured in the flue gas, in the order of its lists.
enum class Mesure { CO2, O2 };
inline constexpr std::array<std::u16string_view, 2> nomsMesures = {u"CO2 mesuré", u"O2 mesuré"};

// Unit of the flue-gas volume of that fuel: per m3(n) of natural gas, per kg
// of the others (heating oil counted by mass).
std::u16string_view uniteVolume(Combustible combustible);

// The conversion block: the measured content x (%, read as a double; nullopt
// while the field holds no number).
struct EntreeConversion {
    Combustible combustible = Combustible::Fuel;
    Mesure mesure = Mesure::CO2;
    std::optional<double> x;
};

// The content of the other gas, rounded to 3 places. nullopt is a failure:
// results 1 to 6 of the efficiency show "#####" and the conversion's own
// result keeps its value.
std::optional<double> convertir(const EntreeConversion& entree);

// What the efficiency calculation formed on its way, each value once reached:
// the fuel's constants it used (A1 with a CO2 reading, A2 with an O2 one,
// CO2max where the excess air is taken from CO2), and singles as the table
// holds them.
struct Intermediaires {
    std::optional<float> co2Max; // %
    std::optional<float> a1, a2, b;
    std::optional<float> air, fumees, vapeur; // Va, Vf, Vw, m3(n) per unit of fuel
    std::optional<Combustible> combustible;   // whose unit the volumes take
    std::optional<double> pressionVapeur;     // Pa, partial pressure of the water vapour
};

// Flue-gas loss in %, rounded to 2 places and held as a single. tf, ta: flue
// gas and combustion air temperatures (°C); teneur: the measured CO2 or O2
// (%) read as a single, nullopt while its field holds no number. Never fails:
// any run-time failure (a CO2 of 0, an O2 of 20.9, an infinite reading)
// gives 0.
float Pertes_Fumees(Combustible combustible, Mesure mesure, float tf, float ta,
                    std::optional<float> teneur, Intermediaires* notes = nullptr);

// Excess air as a fraction (0.2 for 20 %), single, unrounded. 0 on any
// run-time failure, like Pertes_Fumees.
float Exces_Air(Combustible combustible, Mesure mesure, std::optional<float> teneur,
                Intermediaires* notes = nullptr);

// The efficiency results as their labels show them.
struct Rendement {
    float pertes;      // %, flue-gas loss: written as a single
    double rendement;  // %, 100 minus the loss as shown
    double excesAir;   // %, 3 places
    double facteurAir; // n, 2 places
    double rosee;      // °C, water dew point of the flue gas, 2 places
    double volume;     // m3(n) per kg or per m3(n) of fuel, 2 places
};

// The efficiency block: the three fields read as singles (a magnitude beyond
// the single range as an infinity; nullopt while a field holds no number).
struct EntreeRendement {
    Combustible combustible = Combustible::Fuel;
    Mesure mesure = Mesure::CO2;
    std::optional<float> tf;     // °C, flue gas
    std::optional<float> ta;     // °C, combustion air
    std::optional<float> teneur; // %, the measured CO2 or O2
};

// The efficiency calculation. nullopt is a failure: the six results show
// "#####". A loss or excess air that cannot be computed counts as 0 and the
// calculation goes on.
std::optional<Rendement> calculerRendement(const EntreeRendement& entree,
                                           Intermediaires* notes = nullptr);

inline constexpr std::string_view formules =
    "O2 = (CO2max − CO2) / CO2max × 20,9 ; CO2 = (1 − O2 / 20,9) × CO2max\n"
    "Pertes par les fumées, formule de Siegert : q = (A1 / CO2 + B) × (tf − ta), "
    "ou (A2 / (20,9 − O2) + B) × (tf − ta)\n"
    "Rendement de combustion = 100 − q\n"
    "Excès d'air e = (CO2max − CO2) / CO2, ou O2 / (20,9 − O2) ; facteur d'air n = 1 + e\n"
    "Volume de gaz brûlés V = (n − 1) × Va + Vf\n"
    "Température de rosée = ((Vw / V × 101325 / 288,68)^(1 / 8,02) − 1,098) × 100\n"
    "Va, Vf, Vw : volumes d'air, de fumées et de vapeur d'eau de la combustion neutre du "
    "combustible";

} // namespace calc::combustion
