// The values each calculation forms on its way to its results, on one worked example each: tied
// to the results and to one another by the formulas, and left out where the calculation stopped.
// The flue's and the heating vessel's figures are pinned digit by digit on the sheet's tests.
#include "calc/combustion.h"
#include "calc/conversion.h"
#include "calc/eau.h"
#include "calc/exemples.h"
#include "calc/gicleur.h"
#include "calc/masse_volumique.h"
#include "calc/pci_pcs.h"
#include "calc/pression_temperature.h"
#include "calc/vase_expansion.h"
#include "calc/vase_sanitaire.h"
#include "nombres/nombres.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A zero efficiency: the pipe's figures, then the failure, nothing of the search.
TEST(Intermediaires, ConduitDeFumees) {
    namespace f = calc::cond_fumees;
    f::Intermediaires n;
    f::Saisie s = exemples::gaz24kW();
    s.rendement = 0;
    EXPECT_EQ(std::get<f::Resultat>(f::calculer(s, &n)).section, 0);
    EXPECT_TRUE(n.echec && n.tirage && !n.vitesseRaccordement);
}

// 600 litres take one correction, 514.8 litres over a million. The sanitary vessel precharged at
// the mains pressure holds its whole volume as gas; the pressure block's density is the
// correlation's at its temperature.
TEST(Intermediaires, Vases) {
    namespace v = calc::vase_expansion;
    v::Intermediaires n;
    v::calculer({0, 70, 15, 600, 0, 3}, &n);
    EXPECT_EQ(n.corrections, 1);
    v::calculer({0, 70, 15, 514.823866958, 0, 3}, &n);
    EXPECT_GT(*n.corrections, 1'000'000);

    calc::vase_sanitaire::Intermediaires s;
    calc::vase_sanitaire::calculer({0, 65, 10, 200, 8, 4, 4, 7}, &s);
    EXPECT_EQ(std::tuple(s.pa, s.a, s.g, s.n, s.x),
              std::tuple(1.01325f, 1.01325f + 7, 1.01325f + 4, 1.01325f + 4, 8.0f));
    calc::pression_temperature::Intermediaires p;
    calc::pression_temperature::calculer({0, 15, 500, 3, 0.49, 18, 0.5, 40, 0.53}, &p);
    EXPECT_EQ(p.rhoT, static_cast<float>(calc::masseVolumiqueEau(40)));
}

// 500 l/h in 16.1 mm of insulated steel: velocity, Re, the march's 0.001 °C steps from the room's
// 0.1 °C to the surface; no insulation term on the bare pipe, nothing past a refused inlet.
TEST(Intermediaires, Deperdition) {
    namespace d = calc::deperdition;
    d::Intermediaires n;
    d::Entree e = exemples::acierNu90();
    e.isolee = true, e.diametreIsolant = 0.0413f, e.lambdaIsolant = 0.04f;
    const auto r = std::get<d::Resultat>(d::calculer(e, &n));
    EXPECT_FLOAT_EQ(*n.vitesse, 500 / 3.6e6 / (3.1415927 * 0.00805 * 0.00805));
    EXPECT_FLOAT_EQ(*n.reynolds, *n.vitesse * 0.0161f / *n.viscosite);
    EXPECT_TRUE(n.pas == r.iterations && n.resistanceIsolant);
    EXPECT_NEAR(0.1 + *n.pas * 0.001, r.temperatureSurface, 0.01);
    e.isolee = false;
    d::calculer(e, &n);
    EXPECT_TRUE(n.resistanceParoi && !n.resistanceIsolant);
    e.temperatureAmbiante = 95;
    EXPECT_FALSE(std::holds_alternative<d::Resultat>(d::calculer(e, &n)) || n.vitesse || n.pas);
}

// The fuel flow P / n / PCI, the nozzle before rounding, the 0.01 bar raises from 10 to 11.11 bar;
// past 20 bar no nozzle is kept. Air at 20 °C: the saturation figures, kept when 0.02 is refused.
TEST(Intermediaires, GicleurEtAirHumide) {
    namespace g = calc::gicleur;
    g::Intermediaires n;
    const auto r = g::calculer({20, 0.9f, 10, 10.25f, 20, 0.9}, &n).value();
    EXPECT_EQ(n.debit, double{20.0f} / 0.9f / 10.25f);
    EXPECT_EQ(nombres::Round(*n.gicleurCalcule, 2), r.gicleur);
    EXPECT_NEAR(10 + *n.relevements * 0.01, r.pression, 0.001);
    EXPECT_FALSE(g::calculer({5, 0.9f, 8, 10.25f, 5, 0.9}, &n));
    EXPECT_TRUE(n.debit && n.relevements && !n.gicleurCalcule);

    calc::masse_volumique::IntermediairesAir a;
    calc::masse_volumique::calculerAir({20, 20, 0.02f, 0.02}, &a);
    EXPECT_NEAR(*a.humiditeSaturation, 0.0146973, 1e-7);
    EXPECT_NEAR(*a.pressionSaturante, 2339, 1); // water's saturation pressure at 20 °C
    calc::masse_volumique::calculerAir({70, 70, 0, 0}, &a);
    EXPECT_FALSE(a.pressionSaturante);
}

// Heating oil, 180 / 20 °C, CO2 12 %: Siegert's A1 and B, not A2; the vapour pressure gives the
// dew point shown.
TEST(Intermediaires, CombustionEtFacteurs) {
    namespace k = calc::combustion;
    k::Intermediaires n;
    const auto r =
        k::calculerRendement({calc::Combustible::Fuel, k::Mesure::CO2, 180, 20, 12}, &n).value();
    EXPECT_EQ(std::tuple(n.co2Max, n.a1, n.a2, n.b),
              std::tuple(15.4f, 0.50123f, std::nullopt, 0.007f));
    EXPECT_EQ(static_cast<float>(nombres::Round((double{*n.a1} / 12 + *n.b) * 160, 2)), r.pertes);
    EXPECT_EQ(nombres::Round((std::pow(*n.pressionVapeur / 288.68, 1 / 8.02) - 1.098) * 100, 2),
              r.rosee);
    k::calculerRendement({calc::Combustible::GazNaturel, k::Mesure::O2, 180, 20, 4}, &n);
    EXPECT_TRUE(n.a2 && !n.a1 && !n.co2Max && n.combustible == calc::Combustible::GazNaturel);

    // The factor between two units, the relation between two temperatures, a heating value's chain.
    calc::conversion::Intermediaires c;
    calc::conversion::convertir(calc::conversion::Grandeur::Pression, 1, 6, 4, &c); // mCE into bar
    EXPECT_EQ(c.facteur, 9810.0 / 100000);
    calc::conversion::convertir(calc::conversion::Grandeur::Temperature, 1, 2, 0, &c); // °F to °C
    EXPECT_EQ(std::pair(c.facteur, c.relation),
              std::pair(std::optional<double>(), std::u16string_view(u"°C = (°F − 32) × 5/9")));
    calc::pci_pcs::Intermediaires p;
    calc::pci_pcs::convertir(calc::Combustible::Fuel, calc::pci_pcs::Sens::VersPCS, 11.9, 0, 1, &p);
    EXPECT_EQ(p.facteur, 12.7 / 11.9 * (10.25 / 11.9));
}

} // namespace
