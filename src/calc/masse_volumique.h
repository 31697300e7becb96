// Density and specific volume of water, of dry air and of humid air.
#pragma once

#include <variant>

namespace calc::masse_volumique {

// A temperature outside the range of the correlation.
enum class RefusTemperature { TropBasse, TropHaute };

// Water, each value rounded as its label shows it.
struct Eau {
    double kgM3; // density, kg/m³
    double kgL;  // density, kg/l
    double m3Kg; // specific volume, m³/kg
    double lKg;  // specific volume, l/kg (m³/tonne)
};

// The temperatures the correlations hold for, °C, bounds included.
inline constexpr float eauMinimale = 0, eauMaximale = 150;
inline constexpr float airMinimale = -20, airMaximale = 60;

// t: the water temperature in °C read as a single, 0 to 150 °C.
std::variant<Eau, RefusTemperature> calculerEau(float t);

// Air, each value rounded as its label shows it. Humid-air values are per kg
// of dry air.
struct Air {
    double secKgM3; // dry air, kg/m³
    double secM3Kg; // dry air, m³/kg
    enum class Humide {
        Calcule, // humideKgM3 and humideM3Kg hold the humid-air pair
        Sature,  // humidity above saturation; saturation holds the limit
        Echec,   // arithmetic failure: the humid-air labels show "####"
    } humide;
    double humideKgM3;
    double humideM3Kg;
    float saturation; // kg water/kg dry air, rounded to 7 places
};

// ta and T: the air temperature (−20 to 60 °C) read as a single and as a
// double; x and X: the absolute humidity (kg water/kg dry air) read as a
// single and as a double. An infinite ta is out of range; an infinite x (a
// humidity beyond the single range) is judged against saturation like any
// other, the humid-air volume then coming from X.
// Throws EchecExecution only for a T that is no finite number, which a field
// read in range as ta cannot give.
std::variant<Air, RefusTemperature> calculerAir(float ta, double T, float x, double X);

} // namespace calc::masse_volumique
