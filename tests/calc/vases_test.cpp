// The heating expansion vessel, the pressure at a given temperature and the
// sanitary expansion vessel.
#include "calc/pression_temperature.h"
#include "calc/vase_expansion.h"
#include "calc/vase_sanitaire.h"

#include <gtest/gtest.h>

#include <limits>
#include <string_view>
#include <tuple>

namespace chauffage = calc::vase_expansion;
namespace pression = calc::pression_temperature;
namespace sanitaire = calc::vase_sanitaire;
using std::holds_alternative;
using namespace std::string_view_literals;

namespace {

constexpr float infini = std::numeric_limits<float>::infinity();

chauffage::Resultat vase(double h, float tmax, float tfill, double V, double H) {
    return std::get<chauffage::Resultat>(chauffage::calculer(h, tmax, tfill, V, H, 3));
}
float refus(float tmax, float tfill, double V, double H, float Pv = 3) {
    return std::get<chauffage::RefusVolume>(chauffage::calculer(0, tmax, tfill, V, H, Pv)).vmin;
}

TEST(VaseExpansion, Exemples) {
    // Ve, Vmin, vessel, Vu, reserve. The 600-litre case first takes 18 litres, whose 11.21 falls
    // short of 13.07.
    using Attendu = std::tuple<float, float, std::string_view, float, float>;
    for (const auto& [V, H, attendu] : {std::tuple(0.0, 0.0, Attendu(0, 0, "2/0,5", 1.25f, 1.25f)),
                                        {500, 5, {10.89f, 17.41f, "18/0,5", 11.21f, 0.32f}},
                                        {600, 0, {13.07f, 19.34f, "25/0,5", 15.57f, 2.51f}}}) {
        const auto r = vase(0, 70, 15, V, H);
        EXPECT_EQ(std::tuple(r.ve, r.vmin, r.vase.nom, r.vu, r.vr), attendu) << V;
    }
    const auto defauts = vase(0, 70, 15, 0, 0);
    EXPECT_EQ(std::tuple(defauts.pst, defauts.vase.precharge, defauts.pfill, defauts.patm),
              std::tuple(0.f, 0.5f, 3.f, 101325.0));
    const auto r500 = vase(0, 70, 15, 500, 5);
    EXPECT_EQ(std::pair(r500.pst, r500.pfill), std::pair(0.49f, 0.53f));
    const auto classe15 = vase(0, 80, 10, 1000, 12);
    EXPECT_EQ(std::pair(classe15.pst, classe15.vase.nom), std::pair(1.18f, "80/1,5"sv));
    const auto altitude = vase(500, 70, 15, 2000, 20);
    EXPECT_EQ(std::pair(altitude.patm, altitude.vase.nom), std::pair(95445.63, "200/2"sv));
}

TEST(VaseExpansion, Refus) {
    EXPECT_TRUE(
        holds_alternative<chauffage::RefusHauteur>(chauffage::calculer(0, 70, 15, 0, 26, 3)));
    EXPECT_EQ(refus(90, 10, 10000, 3), 527.55f);
    // The 425-litre vessel is corrected past its volume: no vessel is kept.
    EXPECT_EQ(refus(70, 15, 12250, 0), 426.85f);
    // Valve at the precharge: no useful volume, refused at once rather than corrected.
    EXPECT_LT(refus(70, 15, 100, 0, 0.5f), 10.f);

    // Ve one float above the 25-litre vessel's Vu: the correction, half a unit of Vmin, ends up
    // rounding to Vmin itself (ties to even), so the search would repeat forever.
    EXPECT_EQ(refus(70, 15, 715.033073142, 0), 20.83f);
    // Ve two floats above the 18-litre vessel's Vu: 1.6 million corrections of 2E-06 litre take
    // Vmin past 18 litres, then the 25-litre vessel holds the water.
    const auto r = vase(0, 70, 15, 514.823866958, 0);
    EXPECT_EQ(std::pair(r.vmin, r.vase.nom), std::pair(18.f, "25/0,5"sv));
    // Valve two floats below the precharge: Vu is a tiny negative volume, and Vmin climbs through
    // every vessel of the class by steps of about 8E-08 litre per litre of vessel.
    EXPECT_EQ(refus(70, 15, 0, 0, 0.49999994f), 425.f);
    // Valve just below the static pressure: Vmin starts hugely negative and rises through some
    // 22,800 corrections before passing the class; the refusal names where it ends.
    EXPECT_EQ(refus(70, 15, 500, 5, 0.49f), 435.2f);

    // Valve setting equal to the static pressure (0 / 0 for Vmin), altitude beyond 44 km, a Vmin
    // beyond the single range, a temperature or valve setting beyond it.
    for (const auto& [h, tfill, V, Pv] : {std::tuple(0.0, 15.f, 0.0, 0.f),
                                          {45000, 15, 0, 3},
                                          {0, 15, 1e300, 3},
                                          {0, infini, 0, 3},
                                          {0, 15, 0, infini}})
        EXPECT_TRUE(
            holds_alternative<chauffage::Echec>(chauffage::calculer(h, 70, tfill, V, 0, Pv)))
            << h << ' ' << tfill << ' ' << V << ' ' << Pv;
}

// After the vessel calculation for 500 litres at 5 m: 18 litres precharged at 0.5 bar, static
// pressure 0.49 bar.
pression::Resultat apres500(double pf, float t, double h = 0) {
    return pression::calculer(h, 15, 500, 3, 0.49, 18, 0.5, pf, t);
}
std::tuple<float, float, float> lignes(const pression::Lignes& l) {
    return {l.p, l.vd, l.vw0};
}

TEST(PressionTemperature, Exemples) {
    for (const auto& [t, attendu] :
         {std::pair(15.f, std::tuple(0.53f, 0.f, 0.35f)), {40.f, {0.91f, 3.45f, 0.35f}}}) {
        const auto r = apres500(0.53, t);
        EXPECT_FALSE(r.alerteStatique);
        EXPECT_EQ(lignes(std::get<pression::Normal>(r.fin).l), attendu) << t;
    }
    EXPECT_EQ(lignes(std::get<pression::Decharge>(apres500(0.53, 70).fin).l),
              std::tuple(3.02f, 10.89f, 0.35f));
    // Filled at 1.5 bar, 7.16 litres in the vessel leave no room for 10.89 expanded; with no
    // vessel calculated yet, every field at its default, nothing fits either.
    EXPECT_TRUE(holds_alternative<pression::RefusVase>(apres500(1.5, 70).fin));
    EXPECT_TRUE(holds_alternative<pression::RefusVase>(
        pression::calculer(0, 15, 0, 3, 0, 0, 0, 0, 15).fin));
    // Filled below the static pressure: the warning, then the calculation. A negative pressure
    // is a discharge.
    const auto bas = apres500(0.3, 15);
    EXPECT_TRUE(bas.alerteStatique);
    EXPECT_EQ(std::get<pression::Normal>(bas.fin).l.p, 0.3f);
    EXPECT_EQ(std::get<pression::Decharge>(apres500(-0.5, 15).fin).l.p, -0.5f);
    // Filling at absolute zero (Boyle's law divides by zero), altitude, infinite temperature.
    for (const auto& r : {apres500(-static_cast<double>(1.01325f), 15), apres500(0.53, 15, 45000),
                          apres500(0.53, infini)})
        EXPECT_TRUE(holds_alternative<pression::Echec>(r.fin));
}

// 65 °C / 10 °C at sea level, mains 4 bar, valve 7 bar.
sanitaire::Resultat ballon(double Vb, float Vc, float Pg = 4) {
    return std::get<sanitaire::Resultat>(sanitaire::calculer(0, 65, 10, Vb, Vc, Pg, 4, 7));
}

TEST(VaseSanitaire, Exemples) {
    const auto r8 = ballon(200, 8);
    EXPECT_EQ(std::tuple(r8.ve, r8.vmin, r8.vu, r8.vc, r8.d, r8.absorbe, r8.p5, r8.p7),
              std::tuple(3.897f, 10.409f, 2.995f, 8.f, -0.902f, 0.f, 2.84f, 8.762f));
    EXPECT_EQ(std::tuple(r8.reserveNegative, r8.alerte10Bars, r8.patm),
              std::tuple(true, false, 101325.0));
    const auto r12 = ballon(200, 12);
    EXPECT_EQ(std::tuple(r12.vu, r12.d, r12.reserveNegative), std::tuple(4.493f, 0.595f, false));
    const auto r300 = ballon(300, 8);
    EXPECT_EQ(std::tuple(r300.d, r300.p7, r300.alerte10Bars), std::tuple(-2.851f, 17.603f, true));
    EXPECT_EQ(ballon(200, 8, 3.5f).absorbe, 0.798f);

    // Vmin = 0 fails the highest mains pressure after the reserve is shown: at the defaults the
    // reserve is 0; with the precharge above the valve setting it is negative.
    const auto echec = [](double h, double Vb, float Vc, float Pg) {
        return std::get<sanitaire::Echec>(sanitaire::calculer(h, 65, 10, Vb, Vc, Pg, 4, 7));
    };
    EXPECT_EQ(echec(0, 0, 0, 4).reserveNegative, false);
    EXPECT_EQ(echec(0, 0, 8, 8).reserveNegative, true);
    // Failures before the reserve is known.
    EXPECT_EQ(echec(45000, 200, 8, 4).reserveNegative, std::nullopt);
    EXPECT_EQ(echec(0, 200, infini, 4).reserveNegative, std::nullopt);
}

} // namespace
