#include "calc/masse_volumique.h"
#include "nombres/nombres.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

using namespace calc::masse_volumique;

namespace {

constexpr float infini = std::numeric_limits<float>::infinity();

Air air(double t, double x) {
    return std::get<Air>(calculerAir({static_cast<float>(t), t, static_cast<float>(x), x}));
}

// Each value as its label shows it: kg/m³, kg/l, m³/kg, l/kg.
TEST(MasseVolumique, EauEtAir) {
    for (const auto& [t, attendu] : {std::pair(0.f, std::tuple(999.919, 1.0, 0.001, 1.0)),
                                     {4.f, {1000.007, 1, 0.001, 1}},
                                     {20.f, {998.228, 0.998, 0.001, 1.002}},
                                     {60.f, {983.252, 0.983, 0.00102, 1.01729}}, // 1 / 0.983
                                     {150.f, {920.587, 0.921, 0.00109, 1.08578}}}) {
        const Eau e = std::get<Eau>(calculerEau(t));
        EXPECT_EQ(std::tuple(e.kgM3, e.kgL, e.m3Kg, e.lKg), attendu) << t;
    }
    EXPECT_EQ(std::get<RefusTemperature>(calculerEau(-0.5f)), RefusTemperature::TropBasse);
    EXPECT_EQ(std::get<RefusTemperature>(calculerEau(150.5f)), RefusTemperature::TropHaute);

    // Dry air, then humid air, at 20 °C: a negative humidity is accepted and lowers the volume.
    for (const auto& [x, humide] : {std::pair(0.0, std::pair(1.20391, 0.83063)),
                                    {0.01, {1.18487, 0.84397}},
                                    {-0.01, {1.22357, 0.81728}}}) {
        const Air a = air(20, x);
        EXPECT_EQ(std::pair(a.secKgM3, a.secM3Kg), std::pair(1.20391, 0.83063)) << x;
        ASSERT_EQ(a.humide, Air::Humide::Calcule) << x;
        EXPECT_EQ(std::pair(a.humideKgM3, a.humideM3Kg), humide) << x;
    }
    const Air sature = air(20, 0.02);
    ASSERT_EQ(sature.humide, Air::Humide::Sature);
    EXPECT_EQ(nombres::ecrireSimple(sature.saturation, u','), u"0,0146973");

    EXPECT_EQ(air(-20, 0).humide, Air::Humide::Calcule);
    EXPECT_EQ(air(60, 0).secM3Kg, 0.94397); // from 1.05936 as shown, not 0.94396
    using enum RefusTemperature;
    for (const auto& [t, refus] : {std::pair(-20.5f, TropBasse),
                                   {-infini, TropBasse},
                                   {60.5f, TropHaute},
                                   {infini, TropHaute}})
        EXPECT_EQ(std::get<RefusTemperature>(calculerAir({t, t, 0, 0})), refus) << t;

    // An infinite single humidity only decides the saturation test; the volume comes from the
    // double, and fails when it overflows or comes out zero.
    EXPECT_EQ(std::get<Air>(calculerAir({20, 20, infini, 1e39})).humide, Air::Humide::Sature);
    EXPECT_EQ(std::get<Air>(calculerAir({20, 20, -infini, -1e306})).humide, Air::Humide::Echec);
    EXPECT_EQ(air(20, -(287.1 / 461.24)).humide, Air::Humide::Echec);
}

} // namespace
