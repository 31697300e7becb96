#include "calc/deperdition.h"

#include "calc/echec.h"
#include "nombres/nombres.h"

#include <initializer_list>

namespace calc::deperdition {

namespace {

constexpr double pi = 3.1415927410125732;      // π as a single
constexpr double zeroAbsolu = 273.15;          // K at 0 °C
constexpr float ambianceNulle = 0.1f;          // °C taken for a surroundings field at 0
constexpr double pas = 0.001;                  // °C, one raise of the assumed surface temperature
constexpr double reynoldsFilmTurbulent = 2230; // from here the turbulent film formula
constexpr double reynoldsTurbulentAffiche = 3615; // from here the regime shows "Turbulent"

// The outer convection formulas fail below absolute zero and the inlet is at
// most 150 °C, so a march that can still agree covers at most about 423 °C:
// some 430,000 raises. A bare pipe of 90 °C water in a 0 °C room, the longest
// march in practice, takes about 90,000.
constexpr int iterationsMaximales = 500'000;

// Water: viscosity ν = 1 / (a0 + a1 t + a2 t² + a3 t³) m²/s; film coefficient
// h_i = k (1 + 0.015 t) v^0.87 / d^0.13, k turbulent or laminar; heat
// capacity of the flow 4185.5 J/(kg.K), the flow in l/h taken as kg/h.
constexpr double viscositeEau[] = {556406.7, 19689.27, 124.6096, -0.3783792};
constexpr double filmEauTurbulent = 2040;
constexpr double filmEauLaminaire = 1998;
constexpr double filmEauTemperature = 0.015;
constexpr double exposantVitesseEau = 0.87;
constexpr double exposantDiametreEau = 0.13;
constexpr double capaciteEau = 4185.5; // J/(kg.K)

// Air: ν = b0 + b1 t + b2 t² + b3 t³ m²/s; h_i = (4.13 + k (t/100) −
// 0.0077 (t/100)²) v^0.75 / d^0.25; 0.34 W/K per m³/h of flow.
constexpr double viscositeAir[] = {1.337125e-5, 8.454018e-8, 1.232143e-10, -3.348214e-14};
constexpr double filmAir[] = {4.13, 0.0077};
constexpr double filmAirTurbulent = 0.23;
constexpr double filmAirLaminaire = 0.16;
constexpr double exposantVitesseAir = 0.75;
constexpr double exposantDiametreAir = 0.25;
constexpr double capaciteAir = 0.34; // W/K per m³/h

// Outer free convection: in air h_e = 5 (ΔT / (T_a D))^0.25, in water
// h_e = (18.6 + 20.7 T_moy^0.5) (ΔT / D)^0.25, temperatures in K.
constexpr double convectionAir = 5;
constexpr double convectionEau[] = {18.6, 20.7};

using arith::div;
using arith::puissance;
using arith::simple;

double polynome(const double (&a)[4], double t) {
    return a[0] + a[1] * t + a[2] * puissance(t, 2) + a[3] * puissance(t, 3);
}

// Rounded to 3 decimals and shown as a single.
float affiche(double x) {
    return simple(nombres::Round(x, 3));
}

bool memeAuCentieme(float a, float b) {
    return nombres::Round(a, 2) == nombres::Round(b, 2);
}

// Every working value is stored as a single; each formula runs in double.
std::variant<Resultat, Cause> marche(const Entree& e, Intermediaires& note) {
    const float lambdaP = lambdasConduites[static_cast<std::size_t>(e.conduite)];
    const float tIn = simple(e.temperature);
    const float tA = simple(e.temperatureAmbiante == 0 ? ambianceNulle : e.temperatureAmbiante);
    if (tA > tIn)
        return Cause::AmbianceTropChaude;
    if (tIn > temperatureFluideMaximale)
        return Cause::FluideTropChaud;
    // A field beyond the single range reads as an infinity: an overflow.
    for (const float x : {e.lambdaIsolant, e.diametreInterieur, e.diametreExterieur,
                          e.diametreIsolant, e.debit, e.longueur})
        simple(x);
    arith::fini(e.temperatureDouble);

    const bool eau = e.fluide == Fluide::Eau;
    const bool isolee = e.isolee;
    const double lp = lambdaP;
    const double li = e.lambdaIsolant;
    const double di = e.diametreInterieur;
    const double de = e.diametreExterieur;
    const double dIns = e.diametreIsolant;
    const double q = e.debit;

    const float qs = simple(eau ? q / 1000 / 3600 : q / 3600); // m³/s
    const float v = simple(div(qs, pi * puissance(di / 2, 2)));
    note.vitesse = v;

    // Outer diameter, wall and insulation terms and the flow's heat capacity
    // do not change along the march.
    const float d = isolee ? e.diametreIsolant : e.diametreExterieur;
    const float rParoi = simple(div(d, 2 * lp) * arith::log(div(de, di)));
    note.resistanceParoi = rParoi;
    const float rIsolant = isolee ? simple(div(d, 2 * li) * arith::log(div(dIns, de))) : 0.0f;
    if (isolee)
        note.resistanceIsolant = rIsolant;
    const float l1 = simple(arith::log(div(de, di)));
    const float l2 = isolee ? simple(arith::log(div(dIns, de))) : 0.0f;
    const float c = simple(eau ? capaciteEau * q / 3600 : capaciteAir * q);

    float tS = tA;
    float tOut = tIn;
    float tM = 0, re = 0, y = 0, ui = 0, ue = 0, tNew = 0;
    int n = 0;
    for (;;) {
        if (++n > iterationsMaximales)
            return Cause::SansConvergence;
        note.pas = n;
        tM = simple((double{tIn} + tOut) / 2);
        note.temperatureMoyenne = tM;
        const double t = tM;
        const float nu =
            simple(eau ? div(1, polynome(viscositeEau, t)) : polynome(viscositeAir, t));
        note.viscosite = nu;
        re = simple(div(v * di, nu));
        note.reynolds = re;
        const bool turbulent = re > reynoldsFilmTurbulent;
        float hi;
        if (eau) {
            const double k = turbulent ? filmEauTurbulent : filmEauLaminaire;
            hi = simple(div(k * (1 + filmEauTemperature * t) * puissance(v, exposantVitesseEau),
                            puissance(di, exposantDiametreEau)));
        } else {
            const double k = turbulent ? filmAirTurbulent : filmAirLaminaire;
            const double r = t / 100;
            hi = simple(div((filmAir[0] + k * r - filmAir[1] * puissance(r, 2)) *
                                puissance(v, exposantVitesseAir),
                            puissance(di, exposantDiametreAir)));
        }
        note.filmInterieur = hi;
        const float rInterne = simple(div(1, hi) * div(d, di));
        note.resistanceInterieure = rInterne;

        tS = simple(tS + pas);
        const float dT = simple((tS + zeroAbsolu) - (tA + zeroAbsolu));
        float he;
        if (e.milieu == Milieu::Air) {
            he = simple(convectionAir * puissance(div(dT, (tA + zeroAbsolu) * d), 0.25));
        } else {
            const double moyenne = (tS + zeroAbsolu + tA + zeroAbsolu) / 2;
            he = simple((convectionEau[0] + convectionEau[1] * puissance(moyenne, 0.5)) *
                        puissance(div(dT, d), 0.25));
        }
        note.filmExterieur = he;

        y = simple(div(pi, div(l1, 2 * lp) + div(1, hi * di) + (isolee ? div(l2, 2 * li) : 0) +
                               div(1, double{he} * d)));
        ui = simple(div(1, div(di, 2 * lp) * l1 + div(1, hi) + (isolee ? div(di, 2 * li) * l2 : 0) +
                               div(1, he) * div(di, d)));
        ue = simple(div(1, div(d, 2 * lp) * l1 + div(1, hi) * div(d, di) +
                               (isolee ? div(d, 2 * li) * l2 : 0) + div(1, he)));

        tNew = simple(tM - (tM - double{tA}) * ue * (double{rParoi} + rInterne + rIsolant));
        tOut = simple(tIn - div(double{y} * e.longueur * (tM - double{tA}), c));

        if (tNew < tA)
            return Cause::SurfaceSousAmbiance;
        if (tNew > tIn)
            return Cause::SurfaceAuDessusFluide;
        if (memeAuCentieme(tNew, tS))
            break;
        // Past check 4 the computed temperature is at most the inlet one, and
        // the assumed one only rises: once it rounds above the inlet, no later
        // step can agree.
        if (nombres::Round(tS, 2) > nombres::Round(tIn, 2))
            return Cause::SansConvergence;
    }

    Resultat r{};
    r.y = affiche(y);
    r.ui = affiche(ui);
    r.ue = affiche(ue);
    r.temperatureSurface = affiche(tNew);
    r.temperatureSortie = affiche(tOut);
    const double ecart = double{tM} - tA;
    r.perteLineique = affiche(ecart * y);
    r.perteSurfaciqueExterne = affiche(ecart * ue);
    r.perteTotale = affiche(ecart * y * e.longueur);
    // Computed from what the labels show.
    r.perteTotaleKw = nombres::Round(nombres::relireSimple(r.perteTotale) / 1000, 2);
    r.regime = re > reynoldsTurbulentAffiche ? u"Turbulent" : u"Laminaire";
    r.chute = nombres::Round(
        arith::fini(e.temperatureDouble - nombres::relireSimple(r.temperatureSortie)), 2);
    r.perteSurfaciqueInterne = nombres::Round(ecart * ui, 3);
    r.iterations = n;
    return r;
}

} // namespace

std::variant<Resultat, Cause> calculer(const Entree& entree, Intermediaires* notes) noexcept {
    Intermediaires ici;
    Intermediaires& note = notes != nullptr ? *notes : ici;
    note = {};
    try {
        return marche(entree, note);
    } catch (...) {
        // An arithmetic fault, or anything else a run-time failure could raise.
        return Cause::Execution;
    }
}

} // namespace calc::deperdition
