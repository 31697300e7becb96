#include "calc/deperdition.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string_view>
#include <tuple>

using namespace calc::deperdition;
using namespace std::string_view_literals;

namespace {

// Pipe, T_in (single, double), T_a, λ_ins, d_i, d_e, d_ins, Q, Len, fluid, insulated, surroundings.
// 500 l/h of water at 70 °C in 10 m of insulated copper pipe, in a 20 °C room.
const Entree exemple{u"Cuivre", 70,  70, 20,          0.04f, 0.016f,     0.018f,
                     0.038f,    500, 10, Fluide::Eau, true,  Milieu::Air};

Entree avec(float entree, float ambiance) {
    Entree e = exemple;
    e.temperature = entree;
    e.temperatureDouble = entree;
    e.temperatureAmbiante = ambiance;
    return e;
}

std::optional<Cause> echec(const Entree& e) {
    const auto resultat = calculer(e);
    if (const auto* cause = std::get_if<Cause>(&resultat))
        return *cause;
    return std::nullopt;
}

TEST(Deperdition, Exemples) {
    const Resultat r = std::get<Resultat>(calculer(exemple));
    EXPECT_EQ(std::tuple(r.y, r.ui, r.ue, r.temperatureSurface, r.temperatureSortie,
                         r.perteLineique, r.perteSurfaciqueExterne, r.perteTotale),
              std::tuple(0.223f, 4.432f, 1.866f, 36.807f, 69.809f, 11.118f, 93.131f, 111.18f));
    EXPECT_EQ(std::tuple(r.perteTotaleKw, r.regime, r.chute, r.perteSurfaciqueInterne),
              std::tuple(0.11, u"Turbulent"sv, 0.19, 221.186));

    Entree pvc = exemple;
    pvc.conduite = u"Per/Pvc";
    const Resultat p = std::get<Resultat>(calculer(pvc));
    EXPECT_EQ(std::tuple(p.y, p.ui, p.temperatureSurface, p.temperatureSortie),
              std::tuple(0.22f, 4.376f, 36.637f, 69.811f));

    // Equal temperatures: the first step already agrees, nothing is lost.
    const Resultat egal = std::get<Resultat>(calculer(avec(20, 20)));
    EXPECT_EQ(std::tuple(egal.iterations, egal.temperatureSurface, egal.temperatureSortie,
                         egal.perteTotale, egal.perteTotaleKw, egal.chute),
              std::tuple(1, 20.0f, 20.0f, 0.0f, 0.0, 0.0));

    // A bare pipe ignores the insulation fields, λ = 0 and d = 0 included.
    Entree nue = exemple;
    nue.isolee = false;
    nue.lambdaIsolant = nue.diametreIsolant = 0;
    EXPECT_FALSE(echec(nue));

    // Air through 100 km of bare copper in tank water, stopped at once: the
    // total shows Y to seven figures, so h_e × D must stay a double.
    const Entree court{u"Cuivre", 10.01f, 10.01,  10,          0,     0.033f,     0.035f,
                       0,         100,    100000, Fluide::Air, false, Milieu::Eau};
    EXPECT_EQ(std::get<Resultat>(calculer(court)).perteTotale, 7514.945f);
}

TEST(Deperdition, Controles) {
    // The surroundings field at 0 is taken as 0.1 °C, warmer than a 0 °C fluid.
    EXPECT_EQ(echec(avec(0, 0)), Cause::AmbianceTropChaude);
    EXPECT_FALSE(echec(avec(150, 20)));
    EXPECT_EQ(echec(avec(150.01f, 20)), Cause::FluideTropChaud);
    // 50 m³/h of air in bare steel through tank water: the outlet overshoots.
    EXPECT_EQ(
        echec({u"Acier", 70, 70, 20, 0, 0.02f, 0.025f, 0, 50, 10, Fluide::Air, false, Milieu::Eau}),
        Cause::SurfaceSousAmbiance);
    // Insulation thinner than the pipe: a negative insulation resistance.
    Entree mince = exemple;
    mince.diametreIsolant = 0.017f;
    EXPECT_EQ(echec(mince), Cause::SurfaceAuDessusFluide);
}

TEST(Deperdition, SansAccord) {
    // The computed surface stays at 20.005 (20.00), the assumed one starts at
    // 20.006 (20.01): unbounded, this march would never end.
    EXPECT_EQ(echec(avec(20.005f, 20.005f)), Cause::SansConvergence);
    // Insulated steel, 30 °C water in a 0 °C room: both cross 8.825 in one step.
    EXPECT_EQ(echec({u"Acier", 30, 30, 0, 0.04f, 0.0539f, 0.0603f, 0.1003f, 300, 1, Fluide::Eau,
                     true, Milieu::Air}),
              Cause::SansConvergence);
}

TEST(Deperdition, Execution) {
    // Zero flow, zero inner diameter, insulated with λ = 0, a hidden field
    // beyond the single range, 1e30 m, an unknown pipe.
    int i = 0;
    for (auto modifier :
         {+[](Entree& e) { e.debit = 0; }, +[](Entree& e) { e.diametreInterieur = 0; },
          +[](Entree& e) { e.lambdaIsolant = 0; },
          +[](Entree& e) {
              e.isolee = false;
              e.diametreIsolant = std::numeric_limits<float>::infinity();
          },
          +[](Entree& e) { e.longueur = 1e30f; }, +[](Entree& e) { e.conduite = u"Or"; }}) {
        Entree e = exemple;
        modifier(e);
        EXPECT_EQ(echec(e), Cause::Execution) << i++;
    }
}

} // namespace
