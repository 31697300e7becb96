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

// The fluid and pipe lists, in list order ("Eau" and "Cuivre" are shown at
// start-up); the surroundings are chosen by the options.
enum class Fluide { Air, Eau };
inline constexpr std::array<std::u16string_view, 2> nomsFluides{u"Air", u"Eau"};
enum class Conduite { Acier, Cuivre, PerPvc };
inline constexpr std::array<std::u16string_view, 3> nomsConduites{u"Acier", u"Cuivre", u"Per/Pvc"};
enum class Milieu { Air, Eau }; // still room air or still tank water

// W/(m.K), the conductivity of each pipe's wall, in list order.
inline constexpr std::array<float, 3> lambdasConduites{50.0f, 380.0f, 0.35f};

// °C, the highest inlet temperature of the fluid.
inline constexpr float temperatureFluideMaximale = 150;

// The fields, each read as a single; the inlet temperature also as a double.
// The insulation fields are read whether shown or not; a single beyond range
// (an infinity) in any of them is a failure.
struct Entree {
    Conduite conduite = Conduite::Acier;
    float temperature = 0;         // T_in, inlet temperature, °C
    double temperatureDouble = 0;  // the same field read as a double
    float temperatureAmbiante = 0; // T_a, room air or tank water, °C
    float lambdaIsolant = 0;       // W/(m.K)
    float diametreInterieur = 0;   // m
    float diametreExterieur = 0;   // m, of the pipe
    float diametreIsolant = 0;     // m, outer diameter of the insulation
    float debit = 0;               // l/h of water or m³/h of air
    float longueur = 0;            // m
    Fluide fluide = Fluide::Eau;
    bool isolee = false;
    Milieu milieu = Milieu::Air;
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
    Execution,             // arithmetic fault, infinite field
};

// What the calculation formed, each value once reached, singles: the
// velocity before the march, the others at its last step.
struct Intermediaires {
    std::optional<float> vitesse;                               // m/s
    std::optional<float> temperatureMoyenne;                    // °C, T_m
    std::optional<float> viscosite;                             // m²/s, kinematic
    std::optional<float> reynolds;                              // Re
    std::optional<float> filmInterieur, filmExterieur;          // W/(m².K), h_i and h_e
    std::optional<float> resistanceParoi, resistanceInterieure; // m².K/W, at the outer surface
    std::optional<float> resistanceIsolant;                     // m².K/W, when insulated
    std::optional<int> pas;                                     // steps of the march
};

// The tab's calculation. Throws nothing.
std::variant<Resultat, Cause> calculer(const Entree& entree,
                                       Intermediaires* notes = nullptr) noexcept;

inline constexpr std::string_view formules =
    "Y = π / (ln(de / di) / (2 λc) + 1 / (hi × di) + ln(diso / de) / (2 λiso) + 1 / (he × D)) "
    "(W/(m.K))\n"
    "Ue = 1 / ((D / (2 λc)) ln(de / di) + (1 / hi)(D / di) + (D / (2 λiso)) ln(diso / de) + "
    "1 / he) ; Ui de même, rapporté au diamètre intérieur\n"
    "Tsortie = Tentrée − Y × L × (Tmoy − Tamb) / C, C = 4185,5 × Q / 3600 (eau) ou 0,34 × Q "
    "(air)\n"
    "Température superficielle Ts = Tmoy − (Tmoy − Tamb) × Ue × (résistances de la paroi, du "
    "film intérieur et de l'isolant), cherchée par pas de 0,001 °C\n"
    "Déperditions : linéiques (Tmoy − Tamb) × Y ; surfaciques (Tmoy − Tamb) × Ue ou Ui ; "
    "totales (Tmoy − Tamb) × Y × L\n"
    "D = diso si la conduite est isolée, de sinon ; λc : Cuivre 380, Acier 50, Per/Pvc "
    "0,35 W/(m.K)";

} // namespace calc::deperdition
