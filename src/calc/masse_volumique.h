// Density and specific volume of water, of dry air and of humid air.
#pragma once

#include <optional>
#include <string_view>
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

// The air block's two fields, each read as a single and as a double.
struct EntreeAir {
    float ta = 0; // °C, −20 to 60
    double T = 0; // the same field
    float x = 0;  // kg water/kg dry air, the absolute humidity
    double X = 0; // the same field
};

// What the air calculation formed, each value once reached: singles.
struct IntermediairesAir {
    std::optional<float> pressionSaturante;  // Pa, ps
    std::optional<float> humiditeSaturation; // kg water/kg dry air, xs
};

// An infinite ta is out of range; an infinite x (a humidity beyond the single
// range) is judged against saturation like any other, the humid-air volume
// then coming from X. Throws EchecExecution only for a T that is no finite
// number, which a field read in range as ta cannot give.
std::variant<Air, RefusTemperature> calculerAir(const EntreeAir& entree,
                                                IntermediairesAir* notes = nullptr);

inline constexpr std::string_view formules =
    "ρeau(t) = 999,9193083276 + 0,0523705799·t − 7,80474·10⁻³·t² + 5,36781·10⁻⁵·t³ − "
    "3,032·10⁻⁷·t⁴ + 8,0·10⁻¹⁰·t⁵ (kg/m3, t en °C)\n"
    "Volume massique = 1 / ρ\n"
    "ρair sec = 352,926871875 / (t + 273,15), loi des gaz parfaits (1,2920625 kg/m3 à 0 °C)\n"
    "Air humide : v = (x + 287,1 / 461,24) × 461,24 × (t + 273,15) / 101325 ; ρ = 1 / v\n"
    "Saturation : ps = 288,68 × (1,098 + t / 100)^8,02 ; xs = (286,9865 / 461,24) × ps / "
    "(101325 − ps)";

} // namespace calc::masse_volumique
