#include "calc/exemples.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string_view>
#include <tuple>

using namespace calc::deperdition;
using namespace std::string_view_literals;

namespace {

// Pipe, T_in (single, double), T_a, λ_ins, d_i, d_e, d_ins, Q, Len, fluid, insulated, surroundings.
// 500 l/h of water at `entree` °C in 10 m of insulated copper pipe, in a room at `ambiance` °C.
Entree exemple(float entree = 70, float ambiance = 20) {
    return {Conduite::Cuivre, entree, entree, ambiance,    0.04f, 0.016f,     0.018f,
            0.038f,           500,    10,     Fluide::Eau, true,  Milieu::Air};
}

std::optional<Cause> echec(const Entree& e) {
    const auto r = calculer(e);
    return std::holds_alternative<Cause>(r) ? std::optional(std::get<Cause>(r)) : std::nullopt;
}

TEST(Deperdition, Exemples) {
    const Resultat r = std::get<Resultat>(calculer(exemple()));
    EXPECT_EQ(std::tuple(r.y, r.ui, r.ue, r.temperatureSurface, r.temperatureSortie,
                         r.perteLineique, r.perteSurfaciqueExterne, r.perteTotale),
              std::tuple(0.223f, 4.432f, 1.866f, 36.807f, 69.809f, 11.118f, 93.131f, 111.18f));
    EXPECT_EQ(std::tuple(r.perteTotaleKw, r.regime, r.chute, r.perteSurfaciqueInterne),
              std::tuple(0.11, u"Turbulent"sv, 0.19, 221.186));

    Entree e = exemple();
    e.conduite = Conduite::PerPvc;
    const Resultat p = std::get<Resultat>(calculer(e));
    EXPECT_EQ(std::tuple(p.y, p.ui, p.temperatureSurface, p.temperatureSortie),
              std::tuple(0.22f, 4.376f, 36.637f, 69.811f));

    // Equal temperatures: the first step already agrees, nothing is lost.
    const Resultat egal = std::get<Resultat>(calculer(exemple(20, 20)));
    EXPECT_EQ(std::tuple(egal.iterations, egal.temperatureSurface, egal.temperatureSortie,
                         egal.perteTotale, egal.perteTotaleKw, egal.chute),
              std::tuple(1, 20.0f, 20.0f, 0.0f, 0.0, 0.0));

    // Air through 100 km of bare copper in tank water, stopped at once: the total shows Y to seven
    // figures, so h_e × D must stay a double.
    e = {Conduite::Cuivre, 10.01f, 10.01, 10, 0, 0.033f, 0.035f, 0, 100, 100000, Fluide::Air};
    e.milieu = Milieu::Eau;
    EXPECT_EQ(std::get<Resultat>(calculer(e)).perteTotale, 7514.945f);

    // Bare steel, 90 °C water in a 0 °C room: some 89,000 steps of the march. A bare pipe ignores
    // the insulation fields, λ = 0 and d = 0 included.
    const Resultat longue = std::get<Resultat>(calculer(exemples::acierNu90()));
    EXPECT_EQ(std::tuple(longue.temperatureSurface, longue.perteTotale, longue.iterations),
              std::tuple(89.241f, 590.003f, 89173));
}

TEST(Deperdition, Controles) {
    // The surroundings field at 0 is taken as 0.1 °C, warmer than a 0 °C fluid.
    EXPECT_EQ(echec(exemple(0, 0)), Cause::AmbianceTropChaude);
    EXPECT_EQ(std::pair(echec(exemple(150, 20)), echec(exemple(150.01f, 20))),
              std::pair(std::optional<Cause>(), std::optional(Cause::FluideTropChaud)));
    // 50 m³/h of air in bare steel through tank water: the outlet overshoots.
    EXPECT_EQ(echec({Conduite::Acier, 70, 70, 20, 0, 0.02f, 0.025f, 0, 50, 10, Fluide::Air, false,
                     Milieu::Eau}),
              Cause::SurfaceSousAmbiance);
    // Insulation thinner than the pipe: a negative insulation resistance.
    Entree e = exemple();
    e.diametreIsolant = 0.017f;
    EXPECT_EQ(echec(e), Cause::SurfaceAuDessusFluide);

    // The computed surface stays at 20.005 (20.00), the assumed one starts at 20.006 (20.01):
    // unbounded, this march would never end.
    EXPECT_EQ(echec(exemple(20.005f, 20.005f)), Cause::SansConvergence);
    // Insulated steel, 30 °C water in a 0 °C room: both cross 8.825 in one step.
    EXPECT_EQ(echec({Conduite::Acier, 30, 30, 0, 0.04f, 0.0539f, 0.0603f, 0.1003f, 300, 1,
                     Fluide::Eau, true, Milieu::Air}),
              Cause::SansConvergence);

    // Zero flow, zero inner diameter, insulated with λ = 0, 1e30 m; a hidden field beyond the
    // single range.
    for (const auto& [champ, valeur] : {std::pair(&Entree::debit, 0.f),
                                        {&Entree::diametreInterieur, 0.f},
                                        {&Entree::lambdaIsolant, 0.f},
                                        {&Entree::longueur, 1e30f}}) {
        e = exemple();
        e.*champ = valeur;
        EXPECT_EQ(echec(e), Cause::Execution) << valeur;
    }
    e = exemple();
    e.isolee = false, e.diametreIsolant = std::numeric_limits<float>::infinity();
    EXPECT_EQ(echec(e), Cause::Execution);
}

} // namespace
