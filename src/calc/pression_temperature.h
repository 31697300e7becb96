// Pressure a heating installation reaches at a given water temperature, for
// the chosen expansion vessel and the pressure it was filled at cold.
#pragma once

#include <optional>
#include <string_view>
#include <variant>

namespace calc::pression_temperature {

// The three figures shown, each as the single its label writes.
struct Lignes {
    float p;   // bar, Round(P, 2)
    float vd;  // litres expanded since filling, Round(Vd, 2)
    float vw0; // litres held by the vessel at filling, Round(Vw0, 2)
};
struct Normal {
    Lignes l;
};
struct Decharge { // the valve discharges (Pv < P or P < 0): message, the lines, "#####"
    Lignes l;
};
struct RefusVase {}; // the vessel cannot take the expanded water
struct Echec {};     // run-time failure: "#####", no message

struct Resultat {
    bool alerteStatique; // Pf < Pst: advisory warning shown before anything else
    std::variant<Normal, Decharge, RefusVase, Echec> fin;
};

struct Entree {
    // The vessel block's fields.
    double h = 0;    // m, altitude
    float tfill = 0; // °C, filling temperature
    double V = 0;    // litres, water content
    float pv = 0;    // bar, valve setting
    // The chosen vessel as the vessel block's result labels show it: their
    // texts read back, not the values computed.
    double pstAffichee = 0; // bar, static pressure
    double vnAffiche = 0;   // litres, vessel volume
    double ppAffichee = 0;  // bar, its precharge
    // This block's fields.
    float t = 0;   // °C, water temperature
    double pf = 0; // bar, filling pressure
};

// What the calculation formed, once reached.
struct Intermediaires {
    std::optional<float> rhoT; // kg/m³, the water at t, a single
};

// Never throws.
Resultat calculer(const Entree& entree, Intermediaires* notes = nullptr);

inline constexpr std::string_view formules =
    "Pression à t, loi de Boyle-Mariotte : P = (Patm + Pp) × Vn / (Vn − Vw0 − Vd) − Patm\n"
    "avec Vd = V × (ρ(tremplissage) / ρ(t) − 1) et Vw0 = Vn − Vn × (Pp + Patm) / (Pf + Patm), "
    "loi de Boyle-Mariotte du gonflage à la pression de remplissage\n"
    "Patm = 101325 × (1 − 2,26·10⁻⁵ × h)^5,26 Pa, nivellement barométrique ; ρ : masse "
    "volumique de l'eau (onglet Masse volumique)";

} // namespace calc::pression_temperature
