// Combustion analysis of a burner's flue gas: conversion between the CO2 and
// O2 contents, and the combustion efficiency (Siegert's flue-gas loss) with
// the excess air, the air factor, the water dew point and the flue-gas volume.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace calc::combustion {

// Items of the fuel list and of the two lists of the measured gas, in list
// order. The calculations compare a list's text exactly with these items; a
// text that is none of them is handled as a run-time failure.
const std::array<std::u16string_view, 3>& Combustibles();
const std::array<std::u16string_view, 2>& Mesures(); // "CO2 mesuré", "O2 mesuré"

// Unit of the flue-gas volume of that fuel: per m3(n) of natural gas, per kg
// of the others (heating oil counted by mass).
std::u16string_view uniteVolume(std::u16string_view combustible);

// Conversion: from the measured content x (%, read as a double; nullopt while
// the field holds no number) the content of the other gas, rounded to 3
// places. nullopt is a failure: results 1 to 6 of the efficiency show
// "#####" and the conversion's own result keeps its value.
std::optional<double> convertir(std::u16string_view combustible, std::u16string_view mesure,
                                std::optional<double> x);

// Flue-gas loss in %, rounded to 2 places and held as a single. tf, ta: flue
// gas and combustion air temperatures (°C); teneur: the measured CO2 or O2
// (%) read as a single, nullopt while its field holds no number. Never fails:
// any run-time failure (a CO2 of 0, an O2 of 20.9, an infinite reading)
// gives 0.
float Pertes_Fumees(std::u16string_view combustible, std::u16string_view mesure, float tf, float ta,
                    std::optional<float> teneur);

// Excess air as a fraction (0.2 for 20 %), single, unrounded. 0 on any
// run-time failure, like Pertes_Fumees.
float Exces_Air(std::u16string_view combustible, std::u16string_view mesure,
                std::optional<float> teneur);

// The efficiency results as their labels show them.
struct Rendement {
    float pertes;      // %, flue-gas loss: written as a single
    double rendement;  // %, 100 minus the loss as shown
    double excesAir;   // %, 3 places
    double facteurAir; // n, 2 places
    double rosee;      // °C, water dew point of the flue gas, 2 places
    double volume;     // m3(n) per kg or per m3(n) of fuel, 2 places
};

// The efficiency calculation. tf, ta, teneur: the three fields read as
// singles (a magnitude beyond the single range as an infinity; nullopt while
// a field holds no number). nullopt is a failure: the six results show
// "#####". A loss or excess air that cannot be computed counts as 0 and the
// calculation goes on.
std::optional<Rendement> calculerRendement(std::u16string_view combustible,
                                           std::u16string_view mesure, std::optional<float> tf,
                                           std::optional<float> ta, std::optional<float> teneur);

} // namespace calc::combustion
