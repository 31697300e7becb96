// Closed expansion vessel of a hot-water heating installation: expanded
// volume, minimum vessel volume, the vessel picked from a standard range, its
// useful volume, water reserve and highest cold filling pressure.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>
#include <variant>

namespace calc::vase_expansion {

struct Vase {
    int volume;           // litres
    float precharge;      // bar, factory precharge
    std::string_view nom; // as listed, decimal comma always: "18/0,5"
};

// A precharge class: taken when 10 × the static pressure is at most `borne`;
// its vessels in search order (increasing volume).
struct Classe {
    int borne;
    float precharge; // bar
    std::span<const Vase> vases;
};

// The standard range, the five classes in search order.
const std::array<Classe, 5>& gamme();

// bar, the highest static pressure: that of the highest precharge of the range.
inline constexpr float pressionStatiqueMaximale = 2.5f;

// A mean operating temperature (°C) above 100 is refused as soon as it is
// typed: a low-temperature heating installation does not run above it.
inline constexpr double temperatureMaximale = 100;
bool temperatureRefusee(double t);

struct Resultat {
    float ve, vmin, vu, pst, vr, pfill; // each Round(x, 2) as its label shows it
    Vase vase;                          // the chosen vessel
    double patm;                        // Pa, Round(Patm(h), 2) in double
};
struct RefusHauteur {}; // static pressure above 2.5 bar
struct RefusVolume {
    float vmin; // Round(Vmin, 2), the volume named in the message
};
struct Echec {}; // run-time failure: "#####", no message

struct Entree {
    double h = 0;    // m, altitude
    float tmax = 0;  // °C, highest mean operating temperature
    float tfill = 0; // °C, filling temperature
    double V = 0;    // litres, water content
    double H = 0;    // m, static height
    float Pv = 0;    // bar, safety valve setting
};

// What the calculation formed, each value once reached, singles.
struct Intermediaires {
    std::optional<float> rhoFill, rhoMax; // kg/m³, at the filling and the highest temperature
    std::optional<float> pa;              // bar, atmospheric pressure
    std::optional<float> a;               // bar, absolute final pressure Pa + Pv
    std::optional<float> b;               // bar, absolute initial pressure Pa + Pst
    std::optional<float> vminInitial;     // litres, Vmin before any correction
    std::optional<long> corrections;      // times the shortfall was added to Vmin
};

// Never throws.
std::variant<Resultat, RefusHauteur, RefusVolume, Echec> calculer(const Entree& entree,
                                                                  Intermediaires* notes = nullptr);

inline constexpr std::string_view formules =
    "Ve = V × (ρ(tremplissage) / ρ(tmax) − 1)\n"
    "Pst = H × ρ(tremplissage) × 9,81 / 100000\n"
    "Vmin = Ve × (Patm + Pv) / (Pv − Pst), loi de Boyle-Mariotte entre les pressions absolues "
    "initiale Patm + Pst et finale Patm + Pv ; tant que Vu < Ve, Vmin augmente de Ve − Vu\n"
    "Vu = Vn × (Pv − Pp) / (Patm + Pv) ; réserve Vr = Vu − Ve\n"
    "Pression maximale de remplissage à froid = (Patm + Pp) × Vn / (Vn − Vr) − Patm (loi de "
    "Boyle-Mariotte)";

} // namespace calc::vase_expansion
