#include "calc/gicleur.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace calc::gicleur;

namespace {

// Power (kW) whose nozzle, at efficiency 1, heating value 1 kWh/l and the
// pressure p (bar), is `taille` US gal/h.
float puissancePour(double taille, double p) {
    return static_cast<float>(taille * 3.785 * std::sqrt(p / 7));
}

} // namespace

TEST(Gicleur, ChaudiereCourante) {
    const auto r = calculer(20, 0.9f, 10, 10.25f, 20, 0.9);
    ASSERT_TRUE(r);
    EXPECT_DOUBLE_EQ(r->gicleur, 0.45);
    EXPECT_EQ(r->pression, 11.11f);
    EXPECT_DOUBLE_EQ(r->debit, 2.17);
    EXPECT_EQ(r->rangee, 2);
}

TEST(Gicleur, DebitLuEnDouble) {
    // 2.665 as a single lies below the half-way point, as a double above it.
    const auto r = calculer(2.665f, 1, 10, 1, 2.665, 1);
    ASSERT_TRUE(r);
    EXPECT_DOUBLE_EQ(r->debit, 2.67);
}

TEST(Gicleur, MultiplesDeCinqCentiemes) {
    for (const double taille : {0.35, 0.40, 0.45, 0.50, 0.55, 0.60, 0.65, 0.75, 0.85, 1.00, 1.10,
                                1.20, 1.25, 1.35, 1.50, 1.65, 1.75, 2.00, 2.25, 2.50, 2.75, 3.00,
                                3.50, 3.75, 4.00, 4.50, 5.00, 5.50, 0.70, 0.80, 0.90, 0.95, 1.05})
        EXPECT_EQ(Modulo(taille, 0.05), 0.0f) << taille;
    for (const double taille : {0.36, 0.44, 1.01, 5.49})
        EXPECT_NE(Modulo(taille, 0.05), 0.0f) << taille;
}

TEST(Gicleur, ChaqueTailleDeLaGamme) {
    // Just below half-way to the next multiple: the walk meets the size first.
    const auto& gamme = Gamme_Gicleurs();
    for (int i = 0; i < 28; ++i) {
        const float puissance = puissancePour(gamme[i] + 0.024, 10);
        const auto r = calculer(puissance, 1, 10, 1, puissance, 1);
        ASSERT_TRUE(r) << i;
        EXPECT_FLOAT_EQ(static_cast<float>(r->gicleur), gamme[i]);
        EXPECT_EQ(r->rangee, i);
    }
}

TEST(Gicleur, MultipleAbsentDeLaGamme) {
    // 1.05 at 1 bar is no size: 0.11 bar more gives 1.00 at once, where
    // steps of 0.01 would have reached it at 1.10 bar.
    float p = 1;
    const auto g = Gicleur(13.86f, p, 0.9f, 10.25f);
    ASSERT_TRUE(g);
    EXPECT_DOUBLE_EQ(*g, 1.0);
    EXPECT_FLOAT_EQ(p, 1.12f);
}

TEST(Gicleur, LimiteDeVingtBars) {
    const float q = puissancePour(0.5, 19.99);
    float p = 19.99f; // raised to exactly 20, still allowed
    EXPECT_EQ(Gicleur(q, p, 1, 1), 0.5);
    EXPECT_EQ(p, 20.0f);
    for (const float depart : {19.995f, 25.0f}) {
        p = depart;
        EXPECT_FALSE(Gicleur(q, p, 1, 1)) << depart;
    }
    // Nozzle below 0.35 at the start: no size can be reached.
    EXPECT_FALSE(calculer(5, 0.9f, 8, 10.25f, 5, 0.9));
    // Nozzle below 0.35 from the first step but never rounding to 0: nearly
    // 2,000 steps of 0.01 bar up to 20 bar, all run.
    p = 0.0001f;
    EXPECT_FALSE(Gicleur(0.45f, p, 0.9f, 10.25f));
    EXPECT_GT(p, 20.0f);
    EXPECT_LT(p, 20.02f);
}

TEST(Gicleur, EntreesInvalides) {
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_FALSE(calculer(20, 0, 10, 10.25f, 20, 0));
    EXPECT_FALSE(calculer(20, 0.9f, 0, 10.25f, 20, 0.9));
    EXPECT_FALSE(calculer(20, 0.9f, -1, 10.25f, 20, 0.9));
    EXPECT_FALSE(calculer(20, 0.9f, 10, 0, 20, 0.9));
    EXPECT_FALSE(calculer(-20, 0.9f, 10, 10.25f, -20, 0.9));
    // A field beyond the single range fails at once, the pressure untouched.
    for (const float v : {inf, -inf}) {
        float p = 10;
        EXPECT_FALSE(Gicleur(v, p, 0.9f, 10.25f));
        EXPECT_FALSE(Gicleur(20, p, v, 10.25f));
        EXPECT_FALSE(Gicleur(20, p, 0.9f, v));
        EXPECT_EQ(p, 10.0f);
        p = v;
        EXPECT_FALSE(Gicleur(20, p, 0.9f, 10.25f));
    }
}
