#include "calc/eau.h"
#include "calc/masse_volumique.h"
#include "entry/nombres.h"

#include <gtest/gtest.h>

#include <limits>

using namespace calc::masse_volumique;

namespace {

Air air(double t, double x) {
    return std::get<Air>(calculerAir(static_cast<float>(t), t, static_cast<float>(x), x));
}

} // namespace

TEST(MasseVolumique, Eau) {
    EXPECT_NEAR(calc::masseVolumiqueEau(4), 1000.0072734056, 1e-9);
    EXPECT_NEAR(calc::masseVolumiqueEau(100), 958.4670663176, 1e-9);
    const struct {
        float t;
        double kgM3, kgL, m3Kg, lKg;
    } cas[] = {{0, 999.919, 1, 0.001, 1},
               {4, 1000.007, 1, 0.001, 1},
               {20, 998.228, 0.998, 0.001, 1.002},
               {60, 983.252, 0.983, 0.00102, 1.01729}, // l/kg from 0.983, not 0.983252
               {150, 920.587, 0.921, 0.00109, 1.08578}};
    for (const auto& c : cas) {
        const Eau e = std::get<Eau>(calculerEau(c.t));
        EXPECT_DOUBLE_EQ(e.kgM3, c.kgM3) << c.t;
        EXPECT_DOUBLE_EQ(e.kgL, c.kgL) << c.t;
        EXPECT_DOUBLE_EQ(e.m3Kg, c.m3Kg) << c.t;
        EXPECT_DOUBLE_EQ(e.lKg, c.lKg) << c.t;
    }
    EXPECT_EQ(std::get<RefusTemperature>(calculerEau(-0.5f)), RefusTemperature::TropBasse);
    EXPECT_EQ(std::get<RefusTemperature>(calculerEau(150.5f)), RefusTemperature::TropHaute);
}

TEST(MasseVolumique, Air) {
    const Air sec = air(20, 0);
    EXPECT_DOUBLE_EQ(sec.secKgM3, 1.20391);
    EXPECT_DOUBLE_EQ(sec.secM3Kg, 0.83063);
    ASSERT_EQ(sec.humide, Air::Humide::Calcule);
    EXPECT_DOUBLE_EQ(sec.humideKgM3, 1.20391);
    EXPECT_DOUBLE_EQ(sec.humideM3Kg, 0.83063);

    const Air humide = air(20, 0.01);
    ASSERT_EQ(humide.humide, Air::Humide::Calcule);
    EXPECT_DOUBLE_EQ(humide.humideKgM3, 1.18487);
    EXPECT_DOUBLE_EQ(humide.humideM3Kg, 0.84397);

    // A negative humidity is accepted and lowers the specific volume.
    const Air negative = air(20, -0.01);
    ASSERT_EQ(negative.humide, Air::Humide::Calcule);
    EXPECT_LT(negative.humideM3Kg, negative.secM3Kg);

    const Air sature = air(20, 0.02);
    EXPECT_DOUBLE_EQ(sature.secKgM3, 1.20391);
    ASSERT_EQ(sature.humide, Air::Humide::Sature);
    EXPECT_EQ(entry::ecrireSimple(sature.saturation, u','), u"0,0146973");
}

TEST(MasseVolumique, AirEchecEtBornes) {
    // A humidity beyond the single range only decides the saturation test; the
    // humid-air volume comes from the double reading, and fails when that
    // overflows. Exactly -287.1/461.24 gives v = 0.
    const float inf = std::numeric_limits<float>::infinity();
    const Air a = std::get<Air>(calculerAir(20, 20, -inf, -1e306));
    EXPECT_EQ(a.humide, Air::Humide::Echec);
    EXPECT_DOUBLE_EQ(a.secKgM3, 1.20391);
    const Air negatif = std::get<Air>(calculerAir(20, 20, -inf, -1e300));
    ASSERT_EQ(negatif.humide, Air::Humide::Calcule);
    EXPECT_LT(negatif.humideM3Kg, -1e299);
    EXPECT_EQ(std::get<Air>(calculerAir(20, 20, inf, 1e39)).humide, Air::Humide::Sature);
    EXPECT_EQ(air(20, -(287.1 / 461.24)).humide, Air::Humide::Echec);

    EXPECT_EQ(air(-20, 0).humide, Air::Humide::Calcule);
    EXPECT_EQ(air(60, 0).humide, Air::Humide::Calcule);
    for (const float t : {-20.5f, -inf})
        EXPECT_EQ(std::get<RefusTemperature>(calculerAir(t, t, 0, 0)), RefusTemperature::TropBasse);
    for (const float t : {60.5f, inf})
        EXPECT_EQ(std::get<RefusTemperature>(calculerAir(t, t, 0, 0)), RefusTemperature::TropHaute);
}
