#include "calc/gicleur.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>
#include <utility>

using namespace calc::gicleur;

namespace {

// Just below half-way to the next multiple of 0.05, the walk meets each size of the range first,
// and finds its row.
TEST(Gicleur, ChaqueTaille) {
    constexpr float gamme[28] = {0.35f, 0.40f, 0.45f, 0.50f, 0.55f, 0.60f, 0.65f,
                                 0.75f, 0.85f, 1.00f, 1.10f, 1.20f, 1.25f, 1.35f,
                                 1.50f, 1.65f, 1.75f, 2.00f, 2.25f, 2.50f, 2.75f,
                                 3.00f, 3.50f, 3.75f, 4.00f, 4.50f, 5.00f, 5.50f};
    for (int i = 0; i < 28; ++i) {
        const auto q = static_cast<float>((gamme[i] + 0.024) * 3.785 * std::sqrt(10.0 / 7));
        const auto r = calculer({q, 1, 10, 1, q, 1}).value();
        EXPECT_EQ(std::pair(static_cast<float>(r.gicleur), r.rangee), std::pair(gamme[i], i));
    }
}

TEST(Gicleur, ExemplesEtRefus) {
    const auto r = calculer({20, 0.9f, 10, 10.25f, 20, 0.9}).value();
    EXPECT_EQ(std::tuple(r.gicleur, r.pression, r.debit, r.rangee),
              std::tuple(0.45, 11.11f, 2.17, 2));
    // The flow comes from the double readings: 2.665 as a single is below the half.
    EXPECT_EQ(calculer({2.665f, 1, 10, 1, 2.665, 1}).value().debit, 2.67);
    // 1.05 at 1 bar is no size: 0.11 bar more gives 1.00 at once.
    float p = 1;
    EXPECT_EQ(Gicleur(13.86f, p, 0.9f, 10.25f), 1.0);
    EXPECT_FLOAT_EQ(p, 1.12f);
    // Raised to exactly 20 bar, still allowed; not beyond.
    const auto q = static_cast<float>(0.5 * 3.785 * std::sqrt(19.99 / 7));
    p = 19.99f;
    EXPECT_EQ(Gicleur(q, p, 1, 1), 0.5);
    EXPECT_EQ(p, 20.0f);
    p = 19.995f;
    EXPECT_FALSE(Gicleur(q, p, 1, 1));
    // Below 0.35 all the way: every step up to 20 bar is run.
    p = 0.0001f;
    EXPECT_FALSE(Gicleur(0.45f, p, 0.9f, 10.25f));
    EXPECT_TRUE(p > 20.0f && p < 20.02f) << p;
    // A field beyond the single range fails at once, the pressure untouched.
    p = 10;
    EXPECT_FALSE(Gicleur(20, p, std::numeric_limits<float>::infinity(), 10.25f));
    EXPECT_EQ(p, 10.0f);
    // Below 0.35 at the start; a negative power; a zero efficiency, pressure or heating value; a
    // negative pressure.
    using E = Entree;
    for (const E& e : {E{5, 0.9f, 8, 10.25f, 5, 0.9}, E{-20, 0.9f, 10, 10.25f, -20, 0.9},
                       E{20, 0, 10, 10.25f, 20, 0}, E{20, 0.9f, 0, 10.25f, 20, 0.9},
                       E{20, 0.9f, 10, 0, 20, 0.9}, E{20, 0.9f, -1, 10.25f, 20, 0.9}})
        EXPECT_FALSE(calculer(e)) << e.puissance << ' ' << e.pression << ' ' << e.pci;
}

} // namespace
