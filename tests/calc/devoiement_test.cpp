#include "calc/devoiement.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace calc::devoiement;

namespace {

std::tuple<double, double, double> longueurs(double d, double angle, double h) {
    const Resultat r = calculer(d, angle, h).value();
    return {r.longueurInclinee, r.hauteurInclinee, r.longueurTotale};
}

TEST(Devoiement, Longueurs) {
    EXPECT_EQ(controlerOuverture(0), Refus::HauteurManquante);
    EXPECT_EQ(controlerOuverture(-1), Refus::HauteurManquante);
    EXPECT_EQ(controlerOuverture(0.01), std::nullopt);

    EXPECT_EQ(longueurs(1, 45, 8), std::tuple(1.41, 1.0, 8.41));
    EXPECT_EQ(longueurs(1.5, 0, 8), std::tuple(1.5, 0.0, 9.5));
    // From the rounded lengths: 8 - 0.58 + 1.15, not 8 - 0.5774 + 1.1547.
    EXPECT_EQ(longueurs(1, 30, 8), std::tuple(1.15, 0.58, 8.57));

    // A vertical inclined part divides by zero; a length beyond the double
    // range; the largest double, which its label would write past the range.
    EXPECT_EQ(calculer(1, 90, 8), std::nullopt);
    EXPECT_EQ(calculer(1e308, 60, 8), std::nullopt);
    EXPECT_EQ(calculer(0, 0, 1.7976931348623157e308), std::nullopt);
}

} // namespace
