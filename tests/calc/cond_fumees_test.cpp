#include "calc/cond_fumees.h"
#include "entry/nombres.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

using namespace calc::cond_fumees;

namespace {

// A 24 kW gas boiler on an 8 m concrete-block duct, 1 m of 80 mm stainless pipe.
Saisie gaz24kW() {
    return {.combustible = u"Gaz naturel",
            .materiauRaccordement = u"Acier inox",
            .materiauConduit = u"Boisseaux béton",
            .hauteur = 8,
            .longueur = 8,
            .longueurRaccordement = 1,
            .diametreRaccordement = 0.08f,
            .temperatureFumees = 120,
            .temperatureExterieure = 15,
            .volumeFumees = 10.59f,
            .puissance = 24,
            .rendement = 0.9f,
            .hauteurDouble = 8,
            .longueurDouble = 8,
            .diametreDouble = 0.08,
            .depressionSortie = 10,
            .depressionAirComburant = 4};
}

// A field typed as the single's shortest text, read as a double.
double enDouble(float v) {
    return entry::lireDouble(entry::ecrireSimple(v, u'.'), u'.').value();
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
    s.combustible = u"Fuel domestique", s.materiauRaccordement = u"Aluminium";
    s.materiauConduit = u"Briques sans enduit", s.temperatureExterieure = 0;
    s.hauteur = 6, s.longueur = 9, s.longueurRaccordement = 2, s.diametreRaccordement = 0.1f;
    s.temperatureFumees = 180, s.volumeFumees = 11.37f, s.puissance = 35, s.rendement = 0.92f;
    s.coudes45 = 2, s.coudes90 = 1, s.coudesDevoiement = 2, s.depressionSortie = 12;
    EXPECT_EQ(resultats(s), std::tuple(135.23, 11.63, 13.12));

    // Laminar flow in a small boiler's pipe and duct; the 5 cm pipe is wider
    // than the square side the section needs (4.9 cm).
    s = gaz24kW();
    s.materiauRaccordement = u"Plastique", s.hauteur = 5, s.longueur = 6;
    s.longueurRaccordement = 0.5f, s.diametreRaccordement = 0.05f, s.temperatureFumees = 80;
    s.puissance = 4, s.rendement = 0.95f, s.coudes90 = 1, s.coudesDevoiement = 1;
    s.depressionSortie = 6, s.depressionAirComburant = 2;
    EXPECT_EQ(resultats(s), std::tuple(24.05, 5.0, 5.53));

    // Stainless pipe and duct at a low velocity: on the way the three
    // Colebrook steps meet exactly, and their common value is the friction.
    s = gaz24kW();
    s.materiauConduit = u"Acier inox", s.hauteur = 5, s.longueur = 5;
    s.diametreRaccordement = 0.1f, s.puissance = 25;
    EXPECT_EQ(std::get<Resultat>(calculer(s)).section, 188.07);

    // Near 4 m², the search still finds the first section covered.
    s = gaz24kW();
    s.hauteur = 20, s.longueur = 20, s.longueurRaccordement = 2, s.diametreRaccordement = 0.4f;
    s.temperatureFumees = 160, s.puissance = 2500, s.depressionAirComburant = 0;
    s.depressionSortie = 37.3336;
    EXPECT_EQ(std::get<Resultat>(calculer(s)).section, 39854.07);
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

    // A billion offset bends: the losses still exceed the draught at 32 m²,
    // where adding a step no longer changes the single. The search stops at 4 m².
    s = gaz24kW();
    s.coudesDevoiement = 1e9;
    EXPECT_EQ(refus(s), Refus::DepressionInsuffisante);
    // A connecting pipe already beyond the limit.
    s.diametreRaccordement = 7, s.diametreDouble = 7;
    EXPECT_EQ(refus(s), Refus::DepressionInsuffisante);
}

TEST(CondFumees, Echecs) {
    // Every field at its default: a pipe of zero section, all results 0.
    Saisie s{.combustible = u"Fuel domestique",
             .materiauRaccordement = u"Acier inox",
             .materiauConduit = u"Boisseaux béton",
             .temperatureExterieure = 15,
             .rendement = 0.9f,
             .depressionSortie = 10,
             .depressionAirComburant = 4};
    EXPECT_EQ(resultats(s), std::tuple(0.0, 0.0, 0.0));
    // A zero efficiency: the side falls back on the pipe, in cm.
    s = gaz24kW();
    s.rendement = 0, s.diametreRaccordement = 0.15f;
    EXPECT_EQ(resultats(s), std::tuple(0.0, 15.0, 0.0));
}

} // namespace
