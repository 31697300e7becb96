// Expansion vessel of a domestic hot-water cylinder fed from the mains: the
// chosen vessel's useful volume and reserve, and when it is too small the
// water sent to the drain, the highest mains pressure and the valve setting
// that would avoid the discharge.
#pragma once

#include <optional>
#include <string_view>
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

// All but h and Vb are read as singles.
struct Entree {
    double h = 0;  // m, altitude
    float th = 0;  // °C, hot water
    float tc = 0;  // °C, cold water
    double Vb = 0; // litres, cylinder
    float Vc = 0;  // litres, the chosen vessel
    float Pg = 0;  // bar, its precharge
    float Pn = 0;  // bar, mains pressure at the vessel
    float Pv = 0;  // bar, valve setting
};

// What the calculation formed, each value once reached, singles.
struct Intermediaires {
    std::optional<float> rhoC, rhoH; // kg/m³, cold and hot water
    std::optional<float> pa;         // bar, atmospheric pressure
    std::optional<float> a, g, n;    // bar absolute: valve setting, precharge, mains
    std::optional<float> x;          // litres, the vessel's gas at mains pressure
};

// Never throws.
std::variant<Resultat, Echec> calculer(const Entree& entree, Intermediaires* notes = nullptr);

inline constexpr std::string_view formules =
    "Ve = Vb × (ρ(tfroide) / ρ(tchaude) − 1)\n"
    "Pressions absolues : A = Patm + Pv (soupape), G = Patm + Pg (gonflage), N = Patm + Pn "
    "(réseau)\n"
    "Vmin = Ve × A / (A − G) / (G / N), loi de Boyle-Mariotte\n"
    "Vu = (A − G) / A × Vc × (G / N) ; réserve D = Vu − Ve\n"
    "Pression maximale au réseau = Vc / Vmin × N − Patm\n"
    "Tarage de la soupape = G × X / (X − Ve) − Patm, avec X = Vc × G / N (loi de "
    "Boyle-Mariotte)\n"
    "Volume absorbé au réseau = Vc − X\n"
    "Patm = 101325 × (1 − 2,26·10⁻⁵ × h)^5,26 Pa, nivellement barométrique ; ρ : masse "
    "volumique de l'eau (onglet Masse volumique)";

} // namespace calc::vase_sanitaire
