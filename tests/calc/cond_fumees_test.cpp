// The flue duct's sizing and its offset.
#include "calc/devoiement.h"
#include "calc/exemples.h"
#include "nombres/nombres.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

using namespace calc::cond_fumees;
using calc::Combustible;
using exemples::gaz24kW;

namespace {

// A field typed as the single's shortest text, read as a double.
double enDouble(float v) {
    return nombres::lireDouble(nombres::ecrireSimple(v, u'.'), u'.').value();
}

// The results, the height, length and pipe diameter read as doubles too.
std::tuple<double, double, double> resultats(Saisie s) {
    s.hauteurDouble = enDouble(s.hauteur), s.longueurDouble = enDouble(s.longueur);
    s.diametreDouble = enDouble(s.diametreRaccordement);
    const auto r = std::get<Resultat>(calculer(s));
    return {r.section, r.cote, r.diametre};
}

Refus refus(const Saisie& s) {
    return std::get<Refus>(calculer(s));
}

TEST(CondFumees, Dimensionnement) {
    EXPECT_EQ(resultats(gaz24kW()), std::tuple(82.83, 9.1, 10.27));

    // Heating oil, aluminium pipe, brick duct, bends in both: turbulent flow.
    Saisie s = gaz24kW();
    s.combustible = Combustible::Fuel, s.materiauRaccordement = Materiau::Aluminium;
    s.materiauConduit = Materiau::BriquesSansEnduit, s.temperatureExterieure = 0;
    s.hauteur = 6, s.longueur = 9, s.longueurRaccordement = 2, s.diametreRaccordement = 0.1f;
    s.temperatureFumees = 180, s.volumeFumees = 11.37f, s.puissance = 35, s.rendement = 0.92f;
    s.coudes45 = 2, s.coudes90 = 1, s.coudesDevoiement = 2, s.depressionSortie = 12;
    EXPECT_EQ(resultats(s), std::tuple(135.23, 11.63, 13.12));

    // Laminar flow in a small boiler's pipe and duct; the 5 cm pipe is wider than the square side
    // the section needs (4.9 cm).
    s = gaz24kW();
    s.materiauRaccordement = Materiau::Plastique, s.hauteur = 5, s.longueur = 6;
    s.longueurRaccordement = 0.5f, s.diametreRaccordement = 0.05f, s.temperatureFumees = 80;
    s.puissance = 4, s.rendement = 0.95f, s.coudes90 = 1, s.coudesDevoiement = 1;
    s.depressionSortie = 6, s.depressionAirComburant = 2;
    EXPECT_EQ(resultats(s), std::tuple(24.05, 5.0, 5.53));

    // Stainless pipe and duct at a low velocity: on the way the three Colebrook steps meet exactly,
    // and their common value is the friction.
    s = gaz24kW();
    s.materiauConduit = Materiau::AcierInox, s.hauteur = 5, s.longueur = 5;
    s.diametreRaccordement = 0.1f, s.puissance = 25;
    EXPECT_EQ(std::get<Resultat>(calculer(s)).section, 188.07);

    // 30 kW on 5 m: the section's label shows 0.0448215 m², whose 448.215 cm² rounds down; the
    // single itself, 0.0448215045…, would round up.
    s = gaz24kW();
    s.puissance = 30, s.hauteur = s.longueur = 5, s.temperatureFumees = 140;
    EXPECT_EQ(resultats(s), std::tuple(448.21, 21.17, 23.89));

    // Near 4 m², the search still finds the first section covered.
    EXPECT_EQ(std::get<Resultat>(calculer(exemples::chaufferie(37.3336))).section, 39854.07);

    // Every length, temperature, volume and power at 0: a pipe of zero section, all results 0. A
    // zero efficiency: the side falls back on the pipe, in cm.
    s = gaz24kW();
    s.hauteur = s.longueur = s.longueurRaccordement = s.diametreRaccordement = 0;
    s.temperatureFumees = s.volumeFumees = s.puissance = 0;
    EXPECT_EQ(resultats(s), std::tuple(0.0, 0.0, 0.0));
    s = gaz24kW();
    s.rendement = 0, s.diametreRaccordement = 0.15f;
    EXPECT_EQ(resultats(s), std::tuple(0.0, 15.0, 0.0));
}

TEST(CondFumees, Refus) {
    Saisie s = gaz24kW();
    s.hauteurDouble = 8, s.longueurDouble = 6;
    EXPECT_EQ(refus(s), Refus::HauteurSuperieureLongueur);
    s.hauteurDouble = 9, s.longueurDouble = 12;
    EXPECT_TRUE(std::holds_alternative<Resultat>(calculer(s)));

    s = gaz24kW();
    s.depressionSortie = 17; // beyond the pipe, the 8 m duct draws about 16.6 Pa
    EXPECT_EQ(refus(s), Refus::DepressionInsuffisante);
    s.puissance = std::numeric_limits<float>::infinity();
    EXPECT_EQ(refus(s), Refus::HorsPlage);

    // A billion offset bends: the losses still exceed the draught at 32 m², where adding a step no
    // longer changes the single. The search stops at 4 m², as it does when the draught only covers
    // the needs beyond it, or when the connecting pipe is already wider.
    s = gaz24kW();
    s.coudesDevoiement = 1e9;
    EXPECT_EQ(refus(s), Refus::DepressionInsuffisante);
    EXPECT_EQ(refus(exemples::chaufferie(37.334)), Refus::DepressionInsuffisante);
    s = gaz24kW();
    s.diametreRaccordement = 7, s.diametreDouble = 7;
    EXPECT_EQ(refus(s), Refus::DepressionInsuffisante);
}

std::tuple<double, double, double> longueurs(double d, double angle, double h) {
    const auto r = calc::devoiement::calculer({d, angle, h}).value();
    return {r.longueurInclinee, r.hauteurInclinee, r.longueurTotale};
}

TEST(Devoiement, Longueurs) {
    namespace dv = calc::devoiement;
    for (const double h : {0.0, -1.0})
        EXPECT_EQ(dv::controlerOuverture(h), dv::Refus::HauteurManquante) << h;
    EXPECT_EQ(dv::controlerOuverture(0.01), std::nullopt);

    EXPECT_EQ(longueurs(1, 45, 8), std::tuple(1.41, 1.0, 8.41));
    EXPECT_EQ(longueurs(1.5, 0, 8), std::tuple(1.5, 0.0, 9.5));
    // From the rounded lengths: 8 - 0.58 + 1.15, not 8 - 0.5774 + 1.1547.
    EXPECT_EQ(longueurs(1, 30, 8), std::tuple(1.15, 0.58, 8.57));

    // A vertical inclined part divides by zero; a length beyond the double range; the largest
    // double, which its label would write past the range.
    for (const dv::Entree& e :
         {dv::Entree{1, 90, 8}, {1e308, 60, 8}, {0, 0, 1.7976931348623157e308}})
        EXPECT_EQ(dv::calculer(e), std::nullopt);
}

} // namespace
