// Heat lost by water or air flowing through a straight pipe, bare or
// insulated, lying in still air (a pipe in a room) or in still water (a coil
// in a tank). The outer surface temperature is found by marching up from the
// surroundings' temperature until the assumed and the computed values agree.
#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <variant>

namespace calc::deperdition {

enum class Fluide { Eau, Air };
enum class Milieu { Air, Eau }; // still room air or still tank water

struct Materiau {
    std::u16string_view texte;
    float lambda; // W/(m.K), conductivity of the pipe wall
};

// The pipe list, in list order ("Cuivre" is selected at start-up).
inline constexpr std::array<Materiau, 3> materiaux{{
    {u"Acier", 50.0f},
    {u"Cuivre", 380.0f},
    {u"Per/Pvc", 0.35f},
}};
inline constexpr std::u16string_view materiauInitial = u"Cuivre";

// The fluid list, in list order ("Eau" is selected at start-up).
inline constexpr std::array<std::u16string_view, 2> fluides{u"Air", u"Eau"};
inline constexpr std::u16string_view fluideInitial = u"Eau";

// °C, the highest inlet temperature of the fluid.
inline constexpr float temperatureFluideMaximale = 150;

// Water for exactly "Eau", air for any other text.
Fluide fluideDuTexte(std::u16string_view texte);

// The wall conductivity of a pipe list text; nullopt for an unknown text.
std::optional<float> lambdaConduite(std::u16string_view texte);

// The fields, each read as a single; the inlet temperature also as a double.
// The insulation fields are read whether shown or not; a single beyond range
// (an infinity) in any of them is a failure.
struct Entree {
    std::u16string_view conduite; // text of the pipe list
    float temperature;            // T_in, inlet temperature, °C
    double temperatureDouble;     // the same field read as a double
    float temperatureAmbiante;    // T_a, room air or tank water, °C
    float lambdaIsolant;          // W/(m.K)
    float diametreInterieur;      // m
    float diametreExterieur;      // m, of the pipe
    float diametreIsolant;        // m, outer diameter of the insulation
    float debit;                  // l/h of water or m³/h of air
    float longueur;               // m
    Fluide fluide;
    bool isolee;
    Milieu milieu;
};

// The results as their labels show them.
struct Resultat {
    // Rounded to 3 decimals, shown as singles.
    float y;                      // W/(m.K), loss per metre and per kelvin
    float ui;                     // W/(m².K), referred to the inner surface
    float ue;                     // W/(m².K), referred to the outer surface
    float temperatureSurface;     // °C, outer surface
    float temperatureSortie;      // °C, outlet
    float perteLineique;          // W/m
    float perteSurfaciqueExterne; // W/m² of outer surface
    float perteTotale;            // W
    // The total as its label shows it, in kW, rounded to 2 decimals, shown as
    // a double in the unit label "W (… kW)".
    double perteTotaleKw;
    std::u16string_view regime;    // "Turbulent" or "Laminaire"
    double chute;                  // °C, inlet field minus outlet label, 2 decimals
    double perteSurfaciqueInterne; // W/m² of inner surface, 3 decimals, shown as a double
    int iterations;                // steps of the surface-temperature march
};

// Why the calculation failed. Whatever the cause, every result shows
// "#####" and the total's unit label "W (0 kW)".
enum class Cause {
    AmbianceTropChaude,    // surroundings warmer than the fluid
    FluideTropChaud,       // fluid above 150 °C
    SurfaceSousAmbiance,   // computed surface below the surroundings
    SurfaceAuDessusFluide, // computed surface above the inlet temperature
    SansConvergence,       // the march can no longer agree, or ran too long
    Execution,             // arithmetic fault, infinite field, unknown pipe text
};

// The tab's calculation. Throws nothing.
std::variant<Resultat, Cause> calculer(const Entree& entree) noexcept;

} // namespace calc::deperdition
