#include "calc/cond_fumees.h"

#include "calc/echec.h"
#include "nombres/nombres.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <optional>

namespace calc::cond_fumees {

namespace {

constexpr double pi = 3.1415927410125732; // π as a single

constexpr double densiteFumees = 1.27; // kg/m³ at 0 °C
constexpr double densiteAir = 1.293;   // kg/m³ at 0 °C
constexpr double zeroAbsolu = 273.15;  // K at 0 °C
constexpr double g = 9.81;             // m/s²
constexpr double viscosite = 1.51e-5;  // m²/s, kinematic, flue gas
constexpr double refroidissement = 5;  // °C lost per metre of pipe and duct
constexpr double coude45 = 0.3;        // loss coefficient of a 45° or offset bend
constexpr double coude90 = 0.4;
constexpr double raccords = 0.53; // the connecting pipe's fittings
constexpr double securite = 1.5;
constexpr double pas = 0.000001; // m², one step of the search

// The search stops above 4 m², a 2 m square duct, far beyond any flue of a
// boiler on natural draught: the draught then barely exceeds the needs, and
// is reported too weak. Below 8 m² a step adds at least 0.95e-6 m² to the
// single, so the limit is passed within this many steps.
constexpr float sectionMaximale = 4;
constexpr long pasMaximum = 4'300'000;
// The losses fall as the section grows: the search judges every 1000th
// section of the sequence, then walks step by step through the last stretch.
constexpr long foulee = 1000;

// m, in the order of the materials.
constexpr std::array<float, 7> rugosites = {0.001f, 0.001f, 0.0005f, 0.002f,
                                            0.015f, 0.008f, 0.008f};

// kWh per l, m3(n) or kg, in the order of the fuels.
constexpr std::array<float, 3> pcis = {10.25f, 10.56f, 12.8f};

float rugosite(Materiau materiau) {
    return rugosites[static_cast<std::size_t>(materiau)];
}

double log10(double x) {
    return arith::log(x) / std::log(10.0);
}

// Darcy friction factor at Reynolds number re and relative roughness r:
// laminar below 2230, otherwise three steps of Colebrook's equation in
// 1/√λ, extrapolated by Aitken's method.
float frottement(float re, float r) {
    if (re < 2230)
        return arith::simple(arith::div(64, re));
    const double rugueux = r / 3.71;
    const float a0 = arith::simple(-2 * log10(rugueux + arith::div(12, re)));
    const float a1 = arith::simple(-2 * log10(rugueux + arith::div(2.51 * a0, re)));
    const float a2 = arith::simple(-2 * log10(rugueux + arith::div(2.51 * a1, re)));
    const double ecart = a0 - static_cast<double>(a1);
    // Three equal steps have converged: the extrapolation, 0/0, is that value.
    if (ecart == 0 && a2 == a1)
        return arith::simple(arith::puissance(a0, -2));
    const double a = a0 - arith::div(ecart * ecart, a2 - 2.0 * a1 + a0);
    return arith::simple(arith::puissance(a, -2));
}

// The flow of the fuel burnt, as a normal volume (m3(n)/s) times the flue
// gas density; divided by that density and a section, it gives the velocity.
// The normal flow is not corrected for the gas temperature.
double debitMassique(const Saisie& s, float pci, float rhoFumees) {
    const double debit = arith::div(arith::div(s.puissance, s.rendement), pci) *
                         arith::fini(static_cast<double>(rhoFumees) * s.volumeFumees);
    return arith::div(arith::fini(debit), 3600);
}

// Flue-gas velocity (m/s) in a section (m²).
float vitesse(double debit, float rhoFumees, float section) {
    return arith::simple(arith::div(debit, arith::fini(static_cast<double>(rhoFumees) * section)));
}

// Pressure loss (Pa) of a length with its bends at a velocity, with the
// safety factor and the flue gas density at 0 °C.
float perte(float w, float lambda, double longueur, float diametre, float zeta) {
    const double frottements = arith::div(arith::fini(lambda * longueur), diametre);
    return arith::simple(arith::fini(static_cast<double>(w) * w) *
                         arith::fini((frottements + zeta) * securite * densiteFumees / 2));
}

// The section `n` steps of the search after `section`, exactly as n
// additions of the step stored each time as a single would give it. Within
// a binade every addition moves the single by the same number of units, so a
// run of them is taken at once; the addition that leaves the binade is made
// on its own.
float avancer(float section, long n) {
    while (n > 0) {
        const float suivante = arith::simple(section + pas);
        const float increment = suivante - section;
        const float apres = arith::simple(suivante + pas);
        const int binade = std::ilogb(section);
        if (increment <= 0 || apres - suivante != increment || std::ilogb(apres) != binade) {
            section = suivante;
            --n;
            continue;
        }
        // Additions that stay below the next binade, the first one included.
        const double plafond = std::ldexp(1.0, binade + 1);
        const long dansBinade = static_cast<long>((plafond - section) / increment) - 1;
        const long m = std::max(1L, std::min(n, dansBinade));
        section = static_cast<float>(section + static_cast<double>(m) * increment);
        n -= m;
    }
    return section;
}

// The sizing proper: run-time failures are thrown.
std::variant<float, Refus> chercher(const Saisie& s, Intermediaires& note) {
    const float kRaccordement = rugosite(s.materiauRaccordement);
    const float kConduit = rugosite(s.materiauConduit);
    const float pci = pcis[static_cast<std::size_t>(s.combustible)];
    for (const float v :
         {s.hauteur, s.longueur, s.longueurRaccordement, s.diametreRaccordement,
          s.temperatureFumees, s.temperatureExterieure, s.volumeFumees, s.puissance, s.rendement})
        arith::fini(v);

    // The flue gas cools along the pipe and the duct: mean of both ends.
    const double tf = s.temperatureFumees;
    const float tm = arith::simple(
        (tf + (tf - refroidissement * (static_cast<double>(s.longueur) + s.longueurRaccordement))) /
        2);
    note.temperatureMoyenne = tm;
    const float rhoFumees = arith::simple(arith::div(densiteFumees * zeroAbsolu, tm + zeroAbsolu));
    note.masseVolumiqueFumees = rhoFumees;
    const float rhoAir =
        arith::simple(arith::div(densiteAir * zeroAbsolu, s.temperatureExterieure + zeroAbsolu));
    note.masseVolumiqueAir = rhoAir;
    // Natural draught of the duct's height, Pa.
    const float tirage =
        arith::simple(arith::fini((rhoAir - static_cast<double>(rhoFumees)) * s.hauteur * g));
    note.tirage = tirage;

    // Connecting pipe.
    const double dc = s.diametreRaccordement;
    const float sectionRaccordement = arith::simple(pi * arith::fini((dc / 2) * (dc / 2)));
    // In cm², a single; a section no single holds in cm² is left out.
    if (const auto cm2 = static_cast<float>(sectionRaccordement * 10000.0); std::isfinite(cm2))
        note.sectionRaccordement = cm2;
    const double debit = debitMassique(s, pci, rhoFumees);
    const float wc = vitesse(debit, rhoFumees, sectionRaccordement);
    note.vitesseRaccordement = wc;
    const float reC = arith::simple(arith::div(arith::fini(wc * dc), viscosite));
    note.reynoldsRaccordement = reC;
    const float lambdaC = frottement(reC, arith::simple(arith::div(kRaccordement, dc)));
    note.frottementRaccordement = lambdaC;
    const float zetaC =
        arith::simple(arith::fini(coude45 * s.coudes45 + coude90 * s.coudes90 + raccords));
    const float perteRaccordement =
        perte(wc, lambdaC, s.longueurRaccordement, s.diametreRaccordement, zetaC);
    note.perteRaccordement = perteRaccordement;

    const double besoins = s.depressionSortie + perteRaccordement + s.depressionAirComburant;
    if (arith::fini(besoins) >= tirage)
        return Refus::DepressionInsuffisante;

    // From the pipe's section up, the first section whose losses the draught
    // covers; a square duct of that section, its side as hydraulic diameter.
    const float zetaConduit = arith::simple(arith::fini(coude45 * s.coudesDevoiement));
    struct Jugement {
        bool couverte;  // the draught covers the losses
        bool laminaire; // the friction law in force
    };
    // The duct's values at the last section judged.
    struct Conduit {
        float w, re, lambda, perte;
        double pertes;
    } dernier{};
    const auto juger = [&](float section) {
        const float w = vitesse(debit, rhoFumees, section);
        const float d = arith::simple(arith::racine(section));
        const float re =
            arith::simple(arith::div(arith::fini(static_cast<double>(d) * w), viscosite));
        const float lambda = frottement(re, arith::simple(arith::div(kConduit, d)));
        const float perteConduit = perte(w, lambda, s.longueur, d, zetaConduit);
        const double pertes = arith::fini(perteRaccordement + static_cast<double>(perteConduit) +
                                          s.depressionSortie + s.depressionAirComburant);
        dernier = {w, re, lambda, perteConduit, pertes};
        return Jugement{!(pertes > tirage), re < 2230};
    };

    // From the section after `debut`, step by step: the first one covered
    // with its steps past `debut`, or nullopt when `n` steps found none.
    const auto parcourir = [&](float debut, long n) -> std::optional<std::pair<float, long>> {
        float section = debut;
        for (long i = 0; i < n && section <= sectionMaximale; ++i) {
            section = arith::simple(section + pas);
            if (section <= sectionMaximale && juger(section).couverte)
                return std::pair(section, i + 1);
        }
        return std::nullopt;
    };

    // A stretch is walked step by step when it is the first, when its end is
    // covered, lies beyond the limit or fails, or when the friction law
    // changes along it (the only place where the losses may rise with the
    // section).
    float section = sectionRaccordement;
    std::optional<bool> laminaire;
    for (long fait = 0; fait < pasMaximum; fait += foulee) {
        const float fin = avancer(section, foulee);
        std::optional<Jugement> jugement;
        if (fin <= sectionMaximale) {
            try {
                jugement = juger(fin);
            } catch (const EchecExecution&) {
            }
        }
        const bool parPas =
            !jugement || jugement->couverte || !laminaire || *laminaire != jugement->laminaire;
        if (parPas) {
            if (const auto trouvee = parcourir(section, foulee)) {
                note.vitesseConduit = dernier.w;
                note.reynoldsConduit = dernier.re;
                note.frottementConduit = dernier.lambda;
                note.perteConduit = dernier.perte;
                note.total = dernier.pertes;
                note.pas = fait + trouvee->second;
                return trouvee->first;
            }
            if (!jugement)
                break;
        }
        laminaire = jugement->laminaire;
        section = fin;
    }
    return Refus::DepressionInsuffisante;
}

} // namespace

std::variant<float, Refus> Section(const Saisie& s, Intermediaires* notes) {
    Intermediaires ici;
    Intermediaires& note = notes != nullptr ? *notes : ici;
    note = {};
    try {
        return chercher(s, note);
    } catch (const EchecExecution&) {
        note.echec = true;
        return 0.0f;
    }
}

std::variant<Resultat, Refus> calculer(const Saisie& s, Intermediaires* notes) {
    if (notes != nullptr)
        *notes = {};
    if (s.hauteurDouble > s.longueurDouble)
        return Refus::HauteurSuperieureLongueur;
    for (const float v :
         {s.hauteur, s.longueur, s.longueurRaccordement, s.diametreRaccordement,
          s.temperatureFumees, s.temperatureExterieure, s.volumeFumees, s.puissance, s.rendement})
        if (!std::isfinite(v))
            return Refus::HorsPlage;

    const auto section = Section(s, notes);
    if (const Refus* refus = std::get_if<Refus>(&section))
        return *refus;

    // From here every value comes from the section as its label shows it,
    // and nothing can overflow: the section is a single, the diameter a
    // number within the single range.
    Resultat r{};
    r.section = nombres::Round(nombres::relireSimple(std::get<float>(section)) * 10000, 2);
    const double cm2 = nombres::relireDouble(r.section);
    const double cote = std::sqrt(cm2);
    r.cote = s.diametreDouble > cote / 100 ? nombres::relireDouble(s.diametreDouble * 100)
                                           : nombres::Round(cote, 2);
    r.diametre = nombres::Round(2 * std::sqrt(cm2 / pi), 2);
    return r;
}

} // namespace calc::cond_fumees
