// Expansion vessel of a domestic hot-water cylinder fed from the mains: the
// chosen vessel's useful volume and reserve, and when it is too small the
// water sent to the drain, the highest mains pressure and the valve setting
// that would avoid the discharge.
#pragma once

#include <optional>
#include <variant>

namespace calc::vase_sanitaire {

// Temperatures refused as soon as they are typed: hot water above 90 °C,
// cold water below 0 °C.
inline constexpr double eauChaudeMaximale = 90, eauFroideMinimale = 0;
bool eauChaudeRefusee(double th);
bool eauFroideRefusee(double tc);

struct Resultat {
    float ve, vmin, vu;   // litres, each Round(x, 3) as its label shows it
    float vc;             // litres, the chosen vessel as given
    float d;              // litres, Round(D, 3): reserve, negative for water sent to the drain
    bool reserveNegative; // D < 0: the reserve in bold red under the drain heading
    float p5, p7;         // bar, highest mains pressure and valve setting (shown when D < 0)
    float absorbe;        // litres taken in at mains pressure, Round(Vc − X, 3)
    bool alerte10Bars;    // D < 0 and P7 > 10: the warning, P7 in bold red
    double patm;          // Pa, Round(Patm(h), 2) in double
};

// Run-time failure: every result shows "#####". The reserve's appearance is
// set before the pressures are computed, so a failure there still changes
// it: reserveNegative holds the sign of D then, nullopt for an earlier failure.
struct Echec {
    std::optional<bool> reserveNegative;
};

// h altitude (m), th and tc hot and cold water temperatures (°C), Vb the
// cylinder volume (litres), Vc the chosen vessel (litres), Pg its precharge,
// Pn the mains pressure at the vessel, Pv the valve setting (bar). All but h
// and Vb are singles. Never throws.
std::variant<Resultat, Echec> calculer(double h, float th, float tc, double Vb, float Vc, float Pg,
                                       float Pn, float Pv);

} // namespace calc::vase_sanitaire
