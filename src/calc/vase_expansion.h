// Closed expansion vessel of a hot-water heating installation: expanded
// volume, minimum vessel volume, the vessel picked from a standard range, its
// useful volume, water reserve and highest cold filling pressure.
#pragma once

#include <array>
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

// h altitude (m), tmax and tfill the maximum mean and filling temperatures
// (°C, singles), V the water content (litres), H the static height (m), Pv
// the safety valve setting (bar, single). Never throws.
std::variant<Resultat, RefusHauteur, RefusVolume, Echec> calculer(double h, float tmax, float tfill,
                                                                  double V, double H, float Pv);

} // namespace calc::vase_expansion
