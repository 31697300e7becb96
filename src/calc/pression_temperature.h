// Pressure a heating installation reaches at a given water temperature, for
// the chosen expansion vessel and the pressure it was filled at cold.
#pragma once

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

// h altitude (m), tfill filling temperature (°C, single), V water content
// (litres), pv valve setting (bar, single); pst static pressure, vn vessel
// volume and pp its precharge as their labels show them (bar, litres, bar);
// pf filling pressure (bar), t water temperature (°C, single). Never throws.
Resultat calculer(double h, float tfill, double V, float pv, double pst, double vn, double pp,
                  double pf, float t);

} // namespace calc::pression_temperature
